#pragma once

#include "tools/financial/financial_math.h"

#include <array>
#include <string>
#include <string_view>

namespace nuvra::tools::financial {

enum class FinanceMode { SimpleInterest = 0, CompoundInterest = 1, Loan = 2 };

// The message panel laid over the results: "The result has not yet been computed." or
// "There seems to have been an error."; in Loan mode a blank cover hides the results under it.
enum class FinancePanel { None, Information, Error };

struct FinanceFields {
    std::string principal = "0";
    std::string rate = "0";
    std::string years = "0";
    std::string months = "0";
    std::string days = "0";
};

enum class TermPart { Years, Months, Days };
enum class SpinDirection { Up, Down };

// Years go up without limit and down to 0; months wrap between 0 and 12 and days between 0 and
// 365 (up from 12 gives "0", down from 0 gives "12"). An empty or unreadable text counts as 0.
std::string spinTerm(std::string_view text, TermPart part, SpinDirection direction);

// Every text field of the toolbox takes only the digits and Backspace.
bool acceptsFinanceKey(char key);

// The Financial toolbox without its window: three pages of fields, two result panels and the
// message panel.
class FinancialToolbox {
public:
    // As the window opens: Loan mode, "Anually", every field "0" and no panel shown.
    FinancialToolbox();

    FinanceMode mode() const { return m_mode; }
    void setMode(FinanceMode mode) { m_mode = mode; }
    Frequency frequency() const { return m_frequency; }
    void setFrequency(Frequency frequency) { m_frequency = frequency; }

    FinanceFields& fields(FinanceMode mode) { return m_fields[static_cast<std::size_t>(mode)]; }
    const FinanceFields& fields(FinanceMode mode) const
    {
        return m_fields[static_cast<std::size_t>(mode)];
    }
    void spin(FinanceMode mode, TermPart part, SpinDirection direction);

    // The shared result panel of the two interest modes and the Loan panel.
    const std::string& interest() const { return m_interest; }
    const std::string& total() const { return m_total; }
    const std::string& loanInterest() const { return m_loanInterest; }
    const std::string& loanTotal() const { return m_loanTotal; }
    const std::string& loanMonthly() const { return m_loanMonthly; }

    FinancePanel panel() const { return m_panel; }
    bool loanCoverShown() const
    {
        return m_mode == FinanceMode::Loan && m_panel != FinancePanel::None;
    }

    // Computes the current mode from its fields' leading numbers. A failure shows the error
    // panel and keeps the previous results; success hides every panel. Returns success, after
    // which a Loan computation refreshes an open mortgage schedule.
    bool compute();
    // Every field and result back to "0", then the information panel.
    void clear();

private:
    void resetFields();

    FinanceMode m_mode = FinanceMode::Loan;
    Frequency m_frequency = Frequency::Annually;
    std::array<FinanceFields, 3> m_fields;
    std::string m_interest = "0";
    std::string m_total = "0";
    std::string m_loanInterest = "0";
    std::string m_loanTotal = "0";
    std::string m_loanMonthly = "0";
    FinancePanel m_panel = FinancePanel::None;
};

} // namespace nuvra::tools::financial
