#include "tools/mortgage/currency_format.h"

#include <array>
#include <cstdint>

namespace nuvra::tools::mortgage {
namespace {

struct NamedFormat {
    std::string_view name;
    std::string_view prefix;
    std::string_view suffix;
    std::string_view group;
    std::string_view decimal;
    int decimals;
    bool parentheses;
};

// U+00A0 no-break space, U+202F narrow no-break space, U+FFE5 fullwidth yen sign.
constexpr std::array<NamedFormat, 5> kFormats{{
    {"en_US", "$", "", ",", ".", 2, true},
    {"en_GB", "\u00a3", "", ",", ".", 2, true},
    {"de_DE", "", "\u00a0\u20ac", ".", ",", 2, false},
    {"fr_FR", "", "\u00a0\u20ac", "\u202f", ",", 2, true},
    {"ja_JP", "\uffe5", "", ",", ".", 0, true},
}};

} // namespace

std::string LocaleCurrencyFormat::text(Currency amount) const
{
    const bool negative = amount.units() < 0;
    // The magnitude as unsigned, so that the most negative amount has one too.
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount.units())
                                       : static_cast<std::uint64_t>(amount.units());
    const int places = decimals < 0 ? 0 : decimals > 4 ? 4 : decimals;
    std::uint64_t divisor = 1;
    for (int i = places; i < 4; ++i)
        divisor *= 10;
    magnitude = magnitude / divisor + (magnitude % divisor >= (divisor + 1) / 2 && divisor > 1);

    std::string digits = std::to_string(magnitude);
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    const std::string integerPart = digits.substr(0, digits.size() - places);
    std::string number;
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        if (i > 0 && (integerPart.size() - i) % 3 == 0)
            number += groupSeparator;
        number += integerPart[i];
    }
    if (places > 0) {
        number += decimalSeparator;
        number += digits.substr(digits.size() - places);
    }
    const bool shownNegative = negative && magnitude != 0;
    std::string out = prefix + number + suffix;
    if (!shownNegative)
        return out;
    return negativeInParentheses ? std::string("(") + out + ")" : std::string("-") + out;
}

std::optional<LocaleCurrencyFormat> LocaleCurrencyFormat::forLocale(std::string_view name)
{
    for (const NamedFormat& format : kFormats) {
        if (format.name == name) {
            return LocaleCurrencyFormat{std::string(format.prefix),
                                        std::string(format.suffix),
                                        std::string(format.group),
                                        std::string(format.decimal),
                                        format.decimals,
                                        format.parentheses};
        }
    }
    return std::nullopt;
}

std::string_view LocaleCurrencyFormat::knownLocales()
{
    return "en_US, en_GB, de_DE, fr_FR, ja_JP";
}

} // namespace nuvra::tools::mortgage
