#include "core/display_settings.h"

#include "core/number_text.h"

#include <cmath>

namespace nuvra::core {

int decimalPlaces(DecimalsMode mode)
{
    switch (mode) {
    case DecimalsMode::None:
        return 0;
    case DecimalsMode::Two:
        return 2;
    case DecimalsMode::Four:
        return 4;
    case DecimalsMode::All:
        break;
    }
    return -1;
}

void SetFormatPatterns(DisplaySettings& settings)
{
    const int places = decimalPlaces(settings.decimalsMode);
    if (places < 0)
        return;
    const std::string decimals(static_cast<std::size_t>(places), '#');
    settings.shownPattern = (settings.digitGrouping ? "##,##." : "####.") + decimals;
    settings.entryPattern = "####." + decimals;
}

std::string GroupThousands(std::string_view numberText)
{
    std::size_t start = 0;
    if (!numberText.empty() && (numberText[0] == '-' || numberText[0] == '+'))
        start = 1;
    std::size_t integerEnd = start;
    while (integerEnd < numberText.size() && numberText[integerEnd] >= '0' &&
           numberText[integerEnd] <= '9')
        ++integerEnd;
    std::string out(numberText.substr(0, start));
    const std::size_t integerDigits = integerEnd - start;
    for (std::size_t i = 0; i < integerDigits; ++i) {
        if (i > 0 && (integerDigits - i) % 3 == 0)
            out += ',';
        out += numberText[start + i];
    }
    out.append(numberText.substr(integerEnd));
    return out;
}

std::string FormatWithPattern(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return NumberToText(value);
    const bool grouping = pattern.find(',') != std::string_view::npos;
    const std::size_t point = pattern.find('.');
    int places = 0;
    if (point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < pattern.size(); ++i)
            places += pattern[i] == '#' ? 1 : 0;
    }

    const bool negative = std::signbit(value);
    // 15 significant digits and the exponent of the first one: value = d.ddd x 10^exponent.
    std::string digits;
    int exponent = 0;
    if (value != 0.0) {
        const FifteenDigits rounded = roundToFifteenDigits(std::fabs(value));
        digits.assign(rounded.digits.begin(), rounded.digits.end());
        exponent = rounded.exponent;
    }

    // Keep the digits down to the last decimal place and round half away from zero.
    const long keep = static_cast<long>(exponent) + 1 + places;
    if (keep < 0) {
        digits.clear();
    } else if (static_cast<std::size_t>(keep) < digits.size()) {
        const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            long i = keep - 1;
            for (; i >= 0; --i) {
                if (digits[static_cast<std::size_t>(i)] == '9') {
                    digits[static_cast<std::size_t>(i)] = '0';
                } else {
                    ++digits[static_cast<std::size_t>(i)];
                    break;
                }
            }
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0' &&
           static_cast<long>(digits.size()) > exponent + 1)
        digits.pop_back();
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    std::string integerPart;
    std::string fraction;
    for (long place = exponent; place >= 0; --place) {
        const long index = exponent - place;
        integerPart += index < static_cast<long>(digits.size())
                           ? digits[static_cast<std::size_t>(index)]
                           : '0';
    }
    for (long place = -1; place >= -places; --place) {
        const long index = exponent - place;
        if (index >= static_cast<long>(digits.size()))
            break;
        fraction += index >= 0 ? digits[static_cast<std::size_t>(index)] : '0';
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (zero) {
        integerPart.clear();
        fraction.clear();
    }

    std::string out;
    if (negative && !zero)
        out += '-';
    out += grouping ? GroupThousands(integerPart) : integerPart;
    if (point != std::string_view::npos) {
        out += '.';
        out += fraction;
    }
    return out;
}

} // namespace nuvra::core
