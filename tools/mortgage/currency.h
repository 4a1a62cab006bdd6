#pragma once

#include "core/result.h"

#include <compare>
#include <cstdint>

namespace nuvra::tools::mortgage {

// An amount beyond the currency range (about 9.2E+14) or a value that is no number.
enum class CurrencyError { OutOfRange };

// A fixed-point amount: a 64-bit count of ten-thousandths.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t tenThousandths)
    {
        Currency c;
        c.m_units = tenThousandths;
        return c;
    }
    // Rounded to the nearest ten-thousandth, ties to even.
    [[nodiscard]] static core::Result<Currency, CurrencyError> fromDouble(double value);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / kScale; }

    [[nodiscard]] core::Result<Currency, CurrencyError> plus(Currency other) const;
    [[nodiscard]] core::Result<Currency, CurrencyError> minus(Currency other) const;

    auto operator<=>(const Currency&) const = default;

private:
    std::int64_t m_units = 0;
};

// Rounds half up to cents: half a cent is added and the amount taken down to whole cents
// (towards minus infinity), in currency arithmetic.
[[nodiscard]] core::Result<Currency, CurrencyError> MyRound(Currency value);

} // namespace nuvra::tools::mortgage
