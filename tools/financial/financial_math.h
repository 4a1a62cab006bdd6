#pragma once

#include "core/result.h"

#include <string>

namespace nuvra::tools::financial {

// A zero principal, rate or term (after the term is rounded to 2 decimals), or a value beyond
// the range of the precision it is held in.
enum class FinanceError { ZeroInput, OutOfRange };

enum class Frequency { Annually = 0, HalfYearly = 1, Quarterly = 2 };

// Rounding to 2 decimals, ties to even, in the precision of the value rounded.
double rnd2(double value);
float rnd2(float value);

// Results as the result fields show them: double values written with NumberToText, single
// values with SingleToText.
struct InterestResult {
    std::string interest;
    std::string total;
};

struct LoanResult {
    std::string monthlyPayment;
    std::string totalPayment;
    std::string totalInterest;
};

// The term is held in single precision; interest and total in double.
[[nodiscard]] core::Result<InterestResult, FinanceError>
SimpleInterest(double principal, double rate, double years, double months, double days);

// The term and the amount are double precision; the period count is the whole number nearest
// to the term times the periods per year.
[[nodiscard]] core::Result<InterestResult, FinanceError>
CompoundInterest(double principal, double rate, double years, double months, double days,
                 Frequency frequency);

// The month count, the money values and the results are single precision.
[[nodiscard]] core::Result<LoanResult, FinanceError>
LoanPayment(double principal, double rate, double years, double months, double days);

} // namespace nuvra::tools::financial
