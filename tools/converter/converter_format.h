#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::tools::converter {

// The named output pattern: one digit, the point, two decimals, "E", a sign and at least two
// exponent digits (1.50E-05).
inline constexpr std::string_view kScientific = "scientific";

// Every "," is read as "." and the leading number is taken; so "1,5" is 1.5, "12abc" is 12 and
// a text without a leading number is 0.
double ReadNumber(std::string_view text);

// The output pattern of every category but Temperature.
std::string_view ChooseDisplayFormat(double value);

// The output pattern of Temperature: "##0.0##" inside -1000 .. 1000, "###0.0#" inside
// 999 .. 10000 (the later band wins where they overlap); nothing outside both.
std::optional<std::string_view> ChooseTemperatureFormat(double value);

// The pattern for a Temperature output outside both bands (10000 or more, only reachable in
// Fahrenheit), so that the output never keeps a stale text.
inline constexpr std::string_view kWideTemperaturePattern = "####0.0#";

// Prints a value with a pattern of "#" (a digit only where needed), "0" (a digit always) and
// ".", or with kScientific; the point is printed as decimalSeparator. Values are rounded half
// away from zero on their 15-digit decimal form. Non-finite values print as their number text.
std::string FormatOutput(double value, std::string_view pattern,
                         std::string_view decimalSeparator = ".");

inline constexpr char kBackspace = '\b';

// The key filter of the input fields. text is the field's text before the key takes effect;
// commaAllowed when the user's decimal separator is neither "." nor empty.
bool FilterNumberKey(char key, std::string_view text, bool commaAllowed);

} // namespace nuvra::tools::converter
