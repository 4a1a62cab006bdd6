#pragma once

#include "tools/mortgage/currency.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::tools::mortgage {

// Writes an amount in the user's regional currency format. The window passes one built on the
// platform's locale; LocaleCurrencyFormat below covers a few locales by table.
using CurrencyFormatter = std::function<std::string(Currency)>;

// A currency format: symbol before or after the number, grouping, the decimal separator, the
// number of decimals (rounded half away from zero) and the negative form.
struct LocaleCurrencyFormat {
    std::string prefix;
    std::string suffix;
    std::string groupSeparator = ",";
    std::string decimalSeparator = ".";
    int decimals = 2;
    bool negativeInParentheses = true; // "($1.00)", otherwise "-1,00 €"

    std::string text(Currency amount) const;

    // "en_US", "en_GB", "de_DE", "fr_FR" and "ja_JP", as the platform writes them.
    static std::optional<LocaleCurrencyFormat> forLocale(std::string_view name);
    static std::string_view knownLocales();
};

} // namespace nuvra::tools::mortgage
