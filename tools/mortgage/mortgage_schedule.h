#pragma once

#include "core/result.h"
#include "tools/calendar/civil_date.h"
#include "tools/mortgage/currency_format.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::tools::mortgage {

inline constexpr int kMaxPayments = 32767;

enum class ScheduleError {
    NothingToPlot, // a zero principal, month count or rate: the window shows its cover
    InvalidMonths, // a month count below 0 or above 32767
    InvalidDate,   // a start date that names no real day
    OutOfRange,    // an amount beyond the currency range, or no number
};

enum class RowKind { Header, Payment, YearTotals, Totals };

// Date, Number, Payment, Interest, Applied, Balance.
struct ScheduleRow {
    RowKind kind = RowKind::Payment;
    std::array<std::string, 6> cells;
};

// The three loan fields of the Mortgage window as the Financial toolbox's Loan page fills them.
struct LoanDetails {
    std::string principal;
    std::string months;
    std::string rate;
};

// Principal and rate are their leading numbers rewritten with NumberToText; the months are
// Y * 12 + M + D * 12 / 365 rounded to a whole number, ties to even.
LoanDetails CopyLoanValues(std::string_view loanText, std::string_view rateText,
                           std::string_view yearsText, std::string_view monthsText,
                           std::string_view daysText);

// The payment row's date: the month with two digits, the start day unchanged, the year with
// four digits ("02/31/2010": the day is never compared with the month's length).
std::string paymentDateText(int month, int day, int year);

// The amortisation schedule: the header row, one row per monthly payment, a "Year Totals" row
// after each calendar year and after the last payment, and the "Totals" row. months is the
// whole number of payments and rate the percentage per year. Amounts go through the formatter.
[[nodiscard]] core::Result<std::vector<ScheduleRow>, ScheduleError>
BuildSchedule(double principal, int months, double rate, calendar::Date start,
              const CurrencyFormatter& format);

// The same from the window's three fields: the principal and rate by their leading numbers and
// the month count as the integer part of its field.
[[nodiscard]] core::Result<std::vector<ScheduleRow>, ScheduleError>
BuildSchedule(const LoanDetails& details, calendar::Date start, const CurrencyFormatter& format);

} // namespace nuvra::tools::mortgage
