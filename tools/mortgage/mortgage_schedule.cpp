#include "tools/mortgage/mortgage_schedule.h"

#include "core/number_text.h"

#include <cmath>
#include <cstdio>

namespace nuvra::tools::mortgage {
namespace {

using Schedule = std::vector<ScheduleRow>;

// Carries the first failure out of a build; every step below stops at it.
class Builder {
public:
    explicit Builder(const CurrencyFormatter& format) : m_format(format) {}

    bool failed() const { return m_failed; }

    Currency currency(double value)
    {
        auto converted = Currency::fromDouble(value);
        if (!converted) {
            m_failed = true;
            return {};
        }
        return *converted;
    }
    Currency rounded(Currency value)
    {
        auto result = MyRound(value);
        if (!result) {
            m_failed = true;
            return {};
        }
        return *result;
    }
    Currency sum(Currency a, Currency b)
    {
        auto result = a.plus(b);
        if (!result) {
            m_failed = true;
            return {};
        }
        return *result;
    }
    Currency difference(Currency a, Currency b)
    {
        auto result = a.minus(b);
        if (!result) {
            m_failed = true;
            return {};
        }
        return *result;
    }
    std::string text(double value) { return m_format(currency(value)); }
    std::string text(Currency value) { return m_format(value); }

private:
    const CurrencyFormatter& m_format;
    bool m_failed = false;
};

} // namespace

LoanDetails CopyLoanValues(std::string_view loanText, std::string_view rateText,
                           std::string_view yearsText, std::string_view monthsText,
                           std::string_view daysText)
{
    const double years = core::ReadLeadingNumber(yearsText);
    const double months = core::ReadLeadingNumber(monthsText);
    const double days = core::ReadLeadingNumber(daysText);
    return {core::NumberToText(core::ReadLeadingNumber(loanText)),
            core::NumberToText(std::nearbyint(years * 12 + months + days * 12 / 365)),
            core::NumberToText(core::ReadLeadingNumber(rateText))};
}

std::string paymentDateText(int month, int day, int year)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%d/%04d", month, day, year);
    return buffer;
}

core::Result<Schedule, ScheduleError> BuildSchedule(double principal, int months, double rate,
                                                    calendar::Date start,
                                                    const CurrencyFormatter& format)
{
    if (!calendar::isValidDate(start))
        return core::unexpected(ScheduleError::InvalidDate);
    if (months < 0 || months > kMaxPayments)
        return core::unexpected(ScheduleError::InvalidMonths);
    Builder b(format);
    const Currency p = b.currency(principal);
    if (b.failed() || !std::isfinite(rate))
        return core::unexpected(ScheduleError::OutOfRange);
    if (p == Currency() || months == 0 || rate == 0)
        return core::unexpected(ScheduleError::NothingToPlot);

    const double r = rate / 1200;
    double pay =
        b.rounded(b.currency(p.toDouble() * r / (1 - 1 / std::pow(r + 1, months)))).toDouble();

    Schedule rows;
    rows.reserve(static_cast<std::size_t>(months) + static_cast<std::size_t>(months) / 12 + 4);
    rows.push_back(
        {RowKind::Header, {"Date", "Number", "Payment", "Interest", "Applied", "Balance"}});

    int month = start.month;
    int year = start.year;
    Currency balance = p;
    double totalPaid = 0;
    double totalInterest = 0;
    double yearInterest = 0;
    double yearApplied = 0;
    for (int k = 1; k <= months && !b.failed(); ++k) {
        const double interest = b.rounded(b.currency(balance.toDouble() * r)).toDouble();
        balance = b.rounded(b.difference(balance, b.currency(pay - interest)));
        if (k == months && balance != Currency()) {
            // The last payment absorbs the remainder, positive or negative.
            pay = b.sum(b.currency(pay), balance).toDouble();
            balance = Currency();
        }
        totalInterest = b.rounded(b.currency(totalInterest + interest)).toDouble();
        totalPaid += pay;
        yearInterest += interest;
        yearApplied += pay - interest;

        rows.push_back({RowKind::Payment,
                        {paymentDateText(month, start.day, year), std::to_string(k), b.text(pay),
                         b.text(interest), b.text(pay - interest), b.text(balance)}});

        ++month;
        if (month > 12 || k == months) {
            month = 1;
            ++year;
            rows.push_back({RowKind::YearTotals,
                            {"Year Totals", "", b.text(yearApplied + yearInterest),
                             b.text(yearInterest), b.text(yearApplied), ""}});
            yearInterest = 0;
            yearApplied = 0;
        }
    }
    rows.push_back(
        {RowKind::Totals, {"", "Totals", b.text(totalPaid), b.text(totalInterest), "", ""}});
    if (b.failed())
        return core::unexpected(ScheduleError::OutOfRange);
    return rows;
}

core::Result<Schedule, ScheduleError>
BuildSchedule(const LoanDetails& details, calendar::Date start, const CurrencyFormatter& format)
{
    const double months = std::trunc(core::ReadLeadingNumber(details.months));
    if (!(months >= 0 && months <= kMaxPayments))
        return core::unexpected(ScheduleError::InvalidMonths);
    return BuildSchedule(core::ReadLeadingNumber(details.principal), static_cast<int>(months),
                         core::ReadLeadingNumber(details.rate), start, format);
}

} // namespace nuvra::tools::mortgage
