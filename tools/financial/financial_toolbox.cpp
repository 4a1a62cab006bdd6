#include "tools/financial/financial_toolbox.h"

#include "core/number_text.h"

namespace nuvra::tools::financial {

std::string spinTerm(std::string_view text, TermPart part, SpinDirection direction)
{
    const double value = core::ReadLeadingNumber(text);
    double result = value;
    if (part == TermPart::Years) {
        if (direction == SpinDirection::Up)
            result = value + 1;
        else if (value > 0)
            result = value - 1;
    } else {
        const double top = part == TermPart::Months ? 12 : 365;
        if (direction == SpinDirection::Up)
            result = value < top ? value + 1 : 0;
        else
            result = value > 0 ? value - 1 : top;
    }
    return core::NumberToText(result);
}

bool acceptsFinanceKey(char key)
{
    return (key >= '0' && key <= '9') || key == '\b';
}

FinancialToolbox::FinancialToolbox()
{
    resetFields();
}

void FinancialToolbox::spin(FinanceMode mode, TermPart part, SpinDirection direction)
{
    FinanceFields& f = fields(mode);
    std::string& text = part == TermPart::Years    ? f.years
                        : part == TermPart::Months ? f.months
                                                   : f.days;
    text = spinTerm(text, part, direction);
}

void FinancialToolbox::resetFields()
{
    m_fields = {};
    const std::string zero(1, '0');
    for (std::string* result :
         {&m_interest, &m_total, &m_loanInterest, &m_loanTotal, &m_loanMonthly})
        *result = zero;
}

void FinancialToolbox::clear()
{
    resetFields();
    m_panel = FinancePanel::Information;
}

bool FinancialToolbox::compute()
{
    const FinanceFields& f = fields(m_mode);
    const double principal = core::ReadLeadingNumber(f.principal);
    const double rate = core::ReadLeadingNumber(f.rate);
    const double years = core::ReadLeadingNumber(f.years);
    const double months = core::ReadLeadingNumber(f.months);
    const double days = core::ReadLeadingNumber(f.days);

    if (m_mode == FinanceMode::Loan) {
        const auto loan = LoanPayment(principal, rate, years, months, days);
        if (!loan) {
            m_panel = FinancePanel::Error;
            return false;
        }
        m_loanMonthly = loan->monthlyPayment;
        m_loanTotal = loan->totalPayment;
        m_loanInterest = loan->totalInterest;
    } else {
        const auto result =
            m_mode == FinanceMode::SimpleInterest
                ? SimpleInterest(principal, rate, years, months, days)
                : CompoundInterest(principal, rate, years, months, days, m_frequency);
        if (!result) {
            m_panel = FinancePanel::Error;
            return false;
        }
        m_interest = result->interest;
        m_total = result->total;
    }
    m_panel = FinancePanel::None;
    return true;
}

} // namespace nuvra::tools::financial
