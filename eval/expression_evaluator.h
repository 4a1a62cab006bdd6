#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {
class DisplayValue;
struct Session;
} // namespace nuvra::core

namespace nuvra::eval {

// The two failure results; every other result is a number text or a fraction text.
inline constexpr std::string_view kSyntaxError = "Syntax error";
inline constexpr std::string_view kError = "Error";

// Bounds that keep bad input cheap: the nesting of brackets and function calls, and the total
// work of one evaluation, counted in characters scanned or moved. An evaluation that would pass
// either bound gives "Error".
inline constexpr int kMaxNesting = 128;
inline constexpr std::size_t kWorkBudget = 40'000'000;

// Evaluates a typed formula by rewriting its text until one number is left, in the session's
// angular system; "ans" reads the main display's entry text. Suffixes ">roundto(d)" and ">frac"
// round and turn the result into a fraction. On success the next digit typed on the main
// window starts a new number. A tangent at a right angle shows "infinity" on the display and
// counts as 0.
std::string EvaluateExpression(std::string_view formula, core::Session& session);

// The plotter's variant: radians, no "ans", no suffixes, and the session's flags untouched.
// The display is only written by a tangent at a right angle.
std::string EvaluateGraphExpression(std::string_view formula, core::DisplayValue& display);

// a rounded to d decimals (d may be negative), a half going away from zero.
double RoundToDigits(double value, int digits);

// The fraction j/i whose number text equals the value's, found by walking the denominators
// up to 1 000 000 steps ("3/4", "-1/2", "0/2"); a whole number and a value that no fraction
// of the walk matches give the value's number text.
std::string FractionText(double value);

// A number in the evaluator's sense: no brackets, one number with an optional sign, grouping
// commas and exponent. Gives its value, or nothing.
std::optional<double> PlainNumberValue(std::string_view text);
inline bool IsPlainNumber(std::string_view text)
{
    return PlainNumberValue(text).has_value();
}

enum class ScanDirection { Leftwards, Rightwards };

// An operand next to an operator: the characters [begin, end) of the text, and its flags.
struct Operand {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool percent = false;       // ends with "%" once every "!" is removed
    bool factorial = false;     // ends with "!" once every "%" is removed
    bool parenthesised = false; // begins with "(" and ends with ")"
};

// The operand that starts next to the character at index start (an operator) and extends in
// the direction: digits, ".", ",", "%", "!", brackets, an exponent with its sign, and a sign
// of its own.
Operand ScanOperand(std::string_view text, std::size_t start, ScanDirection direction);

} // namespace nuvra::eval
