#include "tools/mortgage/currency.h"

#include <cmath>

namespace nuvra::tools::mortgage {

core::Result<Currency, CurrencyError> Currency::fromDouble(double value)
{
    const double scaled = std::nearbyint(value * kScale);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= kLimit || scaled < -kLimit)
        return core::unexpected(CurrencyError::OutOfRange);
    return fromUnits(static_cast<std::int64_t>(scaled));
}

core::Result<Currency, CurrencyError> Currency::plus(Currency other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &sum))
        return core::unexpected(CurrencyError::OutOfRange);
    return fromUnits(sum);
}

core::Result<Currency, CurrencyError> Currency::minus(Currency other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_units, other.m_units, &difference))
        return core::unexpected(CurrencyError::OutOfRange);
    return fromUnits(difference);
}

core::Result<Currency, CurrencyError> MyRound(Currency value)
{
    // Exact in ten-thousandths: add half a cent, then take the cents down towards minus
    // infinity. Doing the same steps in double precision would round some exact half cents
    // down (1.005 would give 1.00).
    std::int64_t shifted = 0;
    if (__builtin_add_overflow(value.units(), std::int64_t{50}, &shifted))
        return core::unexpected(CurrencyError::OutOfRange);
    std::int64_t cents = shifted / 100;
    if (shifted % 100 < 0)
        --cents;
    return Currency::fromUnits(cents * 100);
}

} // namespace nuvra::tools::mortgage
