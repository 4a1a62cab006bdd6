#include "tools/financial/financial_math.h"

#include "core/number_text.h"
#include "core/number_text.h"

#include <cmath>
#include <initializer_list>

namespace nuvra::tools::financial {
namespace {

bool allFinite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

} // namespace

double rnd2(double value)
{
    return std::nearbyint(value * 100.0) / 100.0;
}

float rnd2(float value)
{
    return std::nearbyint(value * 100.0f) / 100.0f;
}

core::Result<InterestResult, FinanceError> SimpleInterest(double principal, double rate,
                                                          double years, double months, double days)
{
    if (!allFinite({principal, rate, years, months, days}))
        return core::unexpected(FinanceError::OutOfRange);
    const float term = static_cast<float>(rnd2(years + months / 12 + days / 365));
    if (principal == 0 || rate == 0 || term == 0)
        return core::unexpected(FinanceError::ZeroInput);
    const double interest = rnd2(static_cast<double>(term) * (rate * principal) / 100);
    const std::string interestText = core::NumberToText(interest);
    // The total adds the interest as its field shows it.
    const double total = rnd2(core::ReadLeadingNumber(interestText) + principal);
    if (!allFinite({interest, total}))
        return core::unexpected(FinanceError::OutOfRange);
    return InterestResult{interestText, core::NumberToText(total)};
}

core::Result<InterestResult, FinanceError> CompoundInterest(double principal, double rate,
                                                            double years, double months,
                                                            double days, Frequency frequency)
{
    if (!allFinite({principal, rate, years, months, days}))
        return core::unexpected(FinanceError::OutOfRange);
    const double term = rnd2(months / 12 + years + days / 365);
    if (principal == 0 || rate == 0 || term == 0)
        return core::unexpected(FinanceError::ZeroInput);
    double divisor = 100;
    double periodsPerYear = 1;
    if (frequency == Frequency::HalfYearly) {
        divisor = 200;
        periodsPerYear = 2;
    } else if (frequency == Frequency::Quarterly) {
        divisor = 400;
        periodsPerYear = 4;
    }
    const double periods = std::nearbyint(term * periodsPerYear);
    const double amount = rnd2(principal * std::pow(1 + rate / divisor, periods));
    const double interest = rnd2(amount - principal);
    if (!allFinite({amount, interest}))
        return core::unexpected(FinanceError::OutOfRange);
    return InterestResult{core::NumberToText(interest), core::NumberToText(amount)};
}

core::Result<LoanResult, FinanceError> LoanPayment(double principal, double rate, double years,
                                                   double months, double days)
{
    const float p = static_cast<float>(principal);
    const float r = static_cast<float>(rate);
    const float n = rnd2(static_cast<float>(years * 12 + months + days * 12 / 365));
    if (!allFinite({p, r, n}))
        return core::unexpected(FinanceError::OutOfRange);
    if (p == 0 || r == 0 || n == 0)
        return core::unexpected(FinanceError::ZeroInput);
    const double monthlyRate = static_cast<double>(r) / 1200;
    const double growth = std::pow(1 + monthlyRate, static_cast<double>(n));
    const float quotient =
        static_cast<float>(static_cast<double>(p) * monthlyRate * growth / (growth - 1));
    const float monthly = rnd2(quotient);
    const float total = rnd2(monthly * n);
    const std::string totalText = core::SingleToText(total);
    // The interest is the total as its field shows it less the principal as typed.
    const float interest = rnd2(static_cast<float>(core::ReadLeadingNumber(totalText)) - p);
    if (!allFinite({monthly, total, interest}))
        return core::unexpected(FinanceError::OutOfRange);
    return LoanResult{core::SingleToText(monthly), totalText, core::SingleToText(interest)};
}

} // namespace nuvra::tools::financial
