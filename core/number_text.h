#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {

// The value of the longest leading number of a text: blanks skipped, an optional sign, digits
// with at most one ".", an optional exponent. A text without a leading number gives 0; a
// magnitude beyond the double range gives an infinity of the number's sign.
double ReadLeadingNumber(std::string_view text);

// The shortest text of a double with at most 15 significant digits: "." as the decimal point,
// "0.5" for magnitudes below 1, no grouping, and "1.5E+15" / "1E-05" outside 1E-4 .. 1E+15.
// The digits are those of roundToFifteenDigits, so the largest double prints as
// "1.79769313486231E+308" and every text of a finite value reads back finite.
std::string NumberToText(double value);

// The 15 significant digits of a finite magnitude above 0 and the decimal exponent of the first
// (magnitude ~ d.dddddddddddddd x 10^exponent). Rounded to nearest, but toward zero where the
// nearest would lie beyond the largest double, so that a text of these digits reads back finite.
struct FifteenDigits {
    std::array<char, 15> digits;
    int exponent;
};
FifteenDigits roundToFifteenDigits(double magnitude);

// Writes NumberToText(value) into a caller's buffer of at least kNumberTextCapacity characters
// and returns the length; the allocation-free form for inner loops.
inline constexpr std::size_t kNumberTextCapacity = 32;
std::size_t NumberToText(double value, char* buffer);

// The number text of a single-precision value (the memory register, the tax rate, the
// financial results): the rules of NumberToText with at most 7 significant digits and the
// exponent form outside 1E-04 .. 1E+07 ("1.097373E+07", "5.6704E-08").
std::string SingleToText(float value);

// The whole text, with blanks around it, as one finite number in the sense of ReadLeadingNumber;
// nothing when anything else is in the text or the magnitude is beyond the double range.
std::optional<double> ReadWholeNumber(std::string_view text);

// The numeric test for pasted text: the whole text, with blanks around it, is one number in the
// sense of ReadLeadingNumber, optionally with grouping commas ("1,234,567") in its integer part.
// Gives the number's value with the commas read as grouping, or nothing when the test fails
// or the magnitude is beyond the double range.
std::optional<double> ReadPastedNumber(std::string_view text);

} // namespace nuvra::core
