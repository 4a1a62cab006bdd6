#include "tools/converter/converter_format.h"

#include "core/display_settings.h"
#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace nuvra::tools::converter {
namespace {

std::string withSeparator(std::string text, std::string_view decimalSeparator)
{
    const std::size_t point = text.find('.');
    if (point != std::string::npos && decimalSeparator != ".")
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string scientificText(double value)
{
    const bool negative = std::signbit(value) && value != 0.0;
    char buffer[40];
    int exponent = 0;
    std::string digits;
    if (value != 0.0) {
        // 15 significant digits first, then half away from zero down to three.
        auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 14);
        const char* p = buffer;
        for (; p < result.ptr && *p != 'e'; ++p) {
            if (*p >= '0' && *p <= '9')
                digits += *p;
        }
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
        const bool roundUp = digits[3] >= '5';
        digits.resize(3);
        if (roundUp) {
            int i = 2;
            for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i)
                digits[static_cast<std::size_t>(i)] = '0';
            if (i < 0) {
                digits.assign("100", 3);
                ++exponent;
            } else {
                ++digits[static_cast<std::size_t>(i)];
            }
        }
    } else {
        digits.assign(3, '0');
    }
    std::string out = negative ? "-" : "";
    out += digits[0];
    out += '.';
    out.append(digits, 1, 2);
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::string pointed(text);
    for (char& c : pointed) {
        if (c == ',')
            c = '.';
    }
    return core::ReadLeadingNumber(pointed);
}

std::string_view ChooseDisplayFormat(double value)
{
    if (value <= 0.000999)
        return kScientific;
    if (value <= 9.999999)
        return "0.######";
    if (value <= 99.99999)
        return "#0.#####";
    if (value <= 999.9999)
        return "##0.####";
    if (value <= 9999.999)
        return "###0.###";
    if (value <= 99999.99)
        return "####0.##";
    if (value <= 999999.9)
        return "#####0.#";
    if (value <= 9999999)
        return "########";
    return kScientific;
}

std::optional<std::string_view> ChooseTemperatureFormat(double value)
{
    std::optional<std::string_view> pattern;
    if (value > -1000 && value < 1000)
        pattern = "##0.0##";
    if (value > 999 && value < 10000)
        pattern = "###0.0#";
    return pattern;
}

std::string FormatOutput(double value, std::string_view pattern, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return core::NumberToText(value);
    if (pattern == kScientific)
        return withSeparator(scientificText(value), decimalSeparator);

    // The "#" form of the pattern does the rounding; the "0" positions then pad with zeros.
    std::string hashes(pattern);
    std::size_t integerZeros = 0;
    std::size_t fractionZeros = 0;
    const std::size_t point = pattern.find('.');
    for (std::size_t i = 0; i < hashes.size(); ++i) {
        if (hashes[i] != '0')
            continue;
        hashes[i] = '#';
        if (point == std::string_view::npos || i < point)
            ++integerZeros;
        else
            ++fractionZeros;
    }
    std::string text = core::FormatWithPattern(value, hashes);

    std::string sign;
    if (!text.empty() && text[0] == '-') {
        sign = "-";
        text.erase(0, 1);
    }
    const std::size_t textPoint = text.find('.');
    std::string integerPart = text.substr(0, textPoint);
    std::string fraction = textPoint == std::string::npos ? "" : text.substr(textPoint + 1);
    if (integerPart.size() < integerZeros)
        integerPart.insert(0, integerZeros - integerPart.size(), '0');
    if (fraction.size() < fractionZeros)
        fraction.append(fractionZeros - fraction.size(), '0');
    std::string out = sign + integerPart;
    if (point != std::string_view::npos) {
        out += decimalSeparator;
        out += fraction;
    }
    return out;
}

bool FilterNumberKey(char key, std::string_view text, bool commaAllowed)
{
    const auto contains = [text](char c) { return text.find(c) != std::string_view::npos; };
    if (key == '-' && core::ReadLeadingNumber(text) == 0.0)
        return false;
    const bool digit = key >= '0' && key <= '9';
    const bool allowed = digit || key == kBackspace || key == '.' || key == '-' || key == 'e' ||
                         key == 'E' || (key == ',' && commaAllowed);
    if (!allowed)
        return false;
    if ((key == '.' || key == ',') && (contains('.') || contains(',')))
        return false;
    if ((key == 'e' || key == 'E') && (contains('e') || contains('E') || contains('-')))
        return false;
    if (key == '-' && contains('-'))
        return false;
    if ((key == 'e' || key == 'E') && text.empty())
        return false;
    if (key == '0' && (text == "0" || text == "-0"))
        return false;
    return true;
}

} // namespace nuvra::tools::converter
