#include "tools/financial/single_text.h"

#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace nuvra::tools::financial {

std::string SingleToText(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return core::NumberToText(static_cast<double>(value));
    // The exact binary value rounded once to 7 significant digits.
    char scientific[32];
    const auto result =
        std::to_chars(scientific, scientific + sizeof scientific,
                      std::fabs(static_cast<double>(value)), std::chars_format::scientific, 6);
    std::string digits;
    const char* p = scientific;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits += *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 7) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += '.';
            out.append(digits, integerDigits);
        }
    }
    return out;
}

} // namespace nuvra::tools::financial
