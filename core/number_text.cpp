#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace nuvra::core {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Length of the leading number of text starting at position start (after blanks), or 0.
std::size_t scanNumber(std::string_view text, std::size_t start)
{
    std::size_t i = start;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // The exponent counts only when at least one digit follows the letter and its sign.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i - start;
}

// Converts a span that scanNumber accepted. from_chars takes no "+" and leaves the value alone
// when the magnitude is out of range, so both are handled here.
double convertNumber(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow by the decimal magnitude of the text.
        long magnitude = 0;
        std::size_t i = 0;
        bool seenNonZero = false;
        for (; i < number.size() && isDigit(number[i]); ++i) {
            if (number[i] != '0')
                seenNonZero = true;
            if (seenNonZero)
                ++magnitude;
        }
        if (i < number.size() && number[i] == '.') {
            for (++i; i < number.size() && isDigit(number[i]) && !seenNonZero; ++i) {
                if (number[i] != '0')
                    seenNonZero = true;
                else
                    --magnitude;
            }
            while (i < number.size() && isDigit(number[i]))
                ++i;
        }
        long exponent = 0;
        if (i < number.size() && (number[i] == 'E' || number[i] == 'e')) {
            ++i;
            bool negativeExponent = false;
            if (i < number.size() && (number[i] == '-' || number[i] == '+'))
                negativeExponent = number[i++] == '-';
            for (; i < number.size() && isDigit(number[i]); ++i) {
                if (exponent < 100000)
                    exponent = exponent * 10 + (number[i] - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
        }
        value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

void appendExponent(char*& out, int exponent)
{
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        *out++ = '0';
    auto [end, ec] = std::to_chars(out, out + 4, magnitude);
    (void)ec;
    out = end;
}

// Writes the significant digits d1 d2 ... of the value d1.d2... x 10^exponent: plainly, or in
// the exponent form below 1E-4 and from 10^plainLimit on. Returns the end of the text.
char* layOutDigits(char* out, const char* digits, int digitCount, int exponent, int plainLimit)
{
    if (exponent < -4 || exponent >= plainLimit) {
        *out++ = digits[0];
        if (digitCount > 1) {
            *out++ = '.';
            std::memcpy(out, digits + 1, static_cast<std::size_t>(digitCount - 1));
            out += digitCount - 1;
        }
        appendExponent(out, exponent);
    } else if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = -1; i > exponent; --i)
            *out++ = '0';
        std::memcpy(out, digits, static_cast<std::size_t>(digitCount));
        out += digitCount;
    } else {
        const int integerDigits = exponent + 1;
        for (int i = 0; i < integerDigits; ++i)
            *out++ = i < digitCount ? digits[i] : '0';
        if (digitCount > integerDigits) {
            *out++ = '.';
            std::memcpy(out, digits + integerDigits,
                        static_cast<std::size_t>(digitCount - integerDigits));
            out += digitCount - integerDigits;
        }
    }
    return out;
}

} // namespace

double ReadLeadingNumber(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const std::size_t length = scanNumber(text, start);
    if (length == 0)
        return 0.0;
    return convertNumber(text.substr(start, length));
}

namespace {

// Splits to_chars' scientific form "d.ddde±xx" into up to `capacity` digits (their count is
// returned) and the decimal exponent.
std::size_t splitScientific(const char* text, const char* end, char* digits, std::size_t capacity,
                            int& exponent)
{
    std::size_t count = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (isDigit(*p) && count < capacity)
            digits[count++] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    return count;
}

} // namespace

FifteenDigits roundToFifteenDigits(double magnitude)
{
    char scientific[40];
    const auto conversion = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                          std::chars_format::scientific, 14);
    FifteenDigits rounded{};
    splitScientific(scientific, conversion.ptr, rounded.digits.data(), rounded.digits.size(),
                    rounded.exponent);
    // From 1.797693134862315E+308 up to the largest double the nearest 15 digits are
    // 1.79769313486232E+308, which lies beyond the largest double plus half its spacing.
    static constexpr std::string_view kLargestDigits = "179769313486231";
    if (rounded.exponent == 308 &&
        std::string_view(rounded.digits.data(), rounded.digits.size()) > kLargestDigits)
        std::copy(kLargestDigits.begin(), kLargestDigits.end(), rounded.digits.begin());
    return rounded;
}

std::size_t NumberToText(double value, char* buffer)
{
    char* out = buffer;
    if (std::isnan(value)) {
        std::memcpy(buffer, "error", 5);
        return 5;
    }
    if (std::isinf(value)) {
        if (value < 0)
            *out++ = '-';
        std::memcpy(out, "infinity", 8);
        return static_cast<std::size_t>(out - buffer) + 8;
    }
    if (value == 0.0) {
        buffer[0] = '0';
        return 1;
    }
    if (value < 0) {
        *out++ = '-';
        value = -value;
    }

    // Shortest round-trip digits first; only a value that needs more than 15 significant
    // digits is rounded to 15. Both give the same digits whenever the shortest form fits.
    char scientific[40];
    const auto conversion = std::to_chars(scientific, scientific + sizeof scientific, value,
                                          std::chars_format::scientific);
    char digits[20];
    int exponent = 0;
    int digitCount =
        static_cast<int>(splitScientific(scientific, conversion.ptr, digits, 20, exponent));
    if (digitCount > 15) {
        const FifteenDigits rounded = roundToFifteenDigits(value);
        std::memcpy(digits, rounded.digits.data(), rounded.digits.size());
        digitCount = static_cast<int>(rounded.digits.size());
        exponent = rounded.exponent;
    }
    while (digitCount > 1 && digits[digitCount - 1] == '0')
        --digitCount;

    out = layOutDigits(out, digits, digitCount, exponent, 15);
    return static_cast<std::size_t>(out - buffer);
}

std::string NumberToText(double value)
{
    char buffer[kNumberTextCapacity];
    return std::string(buffer, NumberToText(value, buffer));
}

std::optional<double> ReadWholeNumber(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty() || scanNumber(text, 0) != text.size())
        return std::nullopt;
    const double value = convertNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ReadPastedNumber(std::string_view text)
{
    text = trimBlanks(text);

    // Grouping commas are accepted only in their proper places: one to three digits, then
    // groups of exactly three. They are dropped before the number is read.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        plain += text[i++];
    std::size_t groupDigits = 0;
    bool grouped = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i) {
        if (text[i] == ',') {
            if (groupDigits == 0 || (grouped ? groupDigits != 3 : groupDigits > 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            continue;
        }
        plain += text[i];
        ++groupDigits;
    }
    if (grouped && groupDigits != 3)
        return std::nullopt;
    plain.append(text.substr(i));
    return ReadWholeNumber(plain);
}

std::string SingleToText(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return NumberToText(static_cast<double>(value));
    // The exact binary value rounded once to 7 significant digits.
    char scientific[32];
    const auto result =
        std::to_chars(scientific, scientific + sizeof scientific,
                      std::fabs(static_cast<double>(value)), std::chars_format::scientific, 6);
    char digits[8];
    int digitCount = 0;
    const char* p = scientific;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (isDigit(*p) && digitCount < 8)
            digits[digitCount++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    while (digitCount > 1 && digits[digitCount - 1] == '0')
        --digitCount;

    char buffer[kNumberTextCapacity];
    char* out = buffer;
    if (value < 0)
        *out++ = '-';
    out = layOutDigits(out, digits, digitCount, exponent, 7);
    return std::string(buffer, static_cast<std::size_t>(out - buffer));
}

} // namespace nuvra::core
