#include "tools/financial/financial_math.h"
#include "tools/financial/financial_toolbox.h"
#include "core/number_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace nuvra::tools::financial {
namespace {

struct LoanCase {
    const char* name;
    double principal, rate, years, months, days;
    const char* monthly;
    const char* total;
    const char* interest;
};

class LoanPaymentTest : public testing::TestWithParam<LoanCase> {};

TEST_P(LoanPaymentTest, ComputesInSinglePrecision)
{
    const LoanCase& c = GetParam();
    const auto result = LoanPayment(c.principal, c.rate, c.years, c.months, c.days);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->monthlyPayment, c.monthly);
    EXPECT_EQ(result->totalPayment, c.total);
    EXPECT_EQ(result->totalInterest, c.interest);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, LoanPaymentTest,
    testing::Values(
        LoanCase{"one_year_at_five_percent", 10000, 5, 1, 0, 0, "856.07", "10272.84", "272.84"},
        LoanCase{"one_day_term", 10000, 5, 0, 0, 1, "334048.1", "10021.44", "21.44"},
        LoanCase{"seven_digit_total", 100000, 7, 1, 0, 0, "8652.68", "103832.2", "3832.2"},
        LoanCase{"thirty_years", 200000, 6, 30, 0, 0, "1199.1", "431676", "231676"}),
    [](const testing::TestParamInfo<LoanCase>& info) { return info.param.name; });

struct InterestCase {
    const char* name;
    double principal, rate, years, months, days;
    const char* interest;
    const char* total;
};

class SimpleInterestTest : public testing::TestWithParam<InterestCase> {};

TEST_P(SimpleInterestTest, RoundsTheTermToTwoDecimals)
{
    const InterestCase& c = GetParam();
    const auto result = SimpleInterest(c.principal, c.rate, c.years, c.months, c.days);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->interest, c.interest);
    EXPECT_EQ(result->total, c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Terms, SimpleInterestTest,
    testing::Values(InterestCase{"one_year", 1000, 5, 1, 0, 0, "50", "1050"},
                    InterestCase{"one_month_single_term", 1000, 5, 0, 1, 0, "4", "1004"},
                    InterestCase{"months_and_days", 2500, 3, 0, 6, 15, "40.5", "2540.5"}),
    [](const testing::TestParamInfo<InterestCase>& info) { return info.param.name; });

struct CompoundCase {
    const char* name;
    double years, months;
    Frequency frequency;
    const char* interest;
    const char* amount;
};

class CompoundInterestTest : public testing::TestWithParam<CompoundCase> {};

TEST_P(CompoundInterestTest, CountsWholePeriods)
{
    const CompoundCase& c = GetParam();
    const auto result = CompoundInterest(1000, 10, c.years, c.months, 0, c.frequency);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->interest, c.interest);
    EXPECT_EQ(result->total, c.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, CompoundInterestTest,
    testing::Values(
        CompoundCase{"annually", 2, 0, Frequency::Annually, "210", "1210"},
        CompoundCase{"half_yearly", 2, 0, Frequency::HalfYearly, "215.51", "1215.51"},
        CompoundCase{"quarterly", 2, 0, Frequency::Quarterly, "218.4", "1218.4"},
        CompoundCase{"quarter_year_annually_no_period", 0, 3, Frequency::Annually, "0", "1000"},
        CompoundCase{"period_count_ties_to_even", 2, 6, Frequency::Annually, "210", "1210"}),
    [](const testing::TestParamInfo<CompoundCase>& info) { return info.param.name; });

TEST(FinanceFailureTest, ZeroInputsFail)
{
    EXPECT_EQ(SimpleInterest(1000, 5, 0, 0, 1).error(), FinanceError::ZeroInput);
    EXPECT_EQ(CompoundInterest(1000, 5, 0, 0, 1, Frequency::Annually).error(),
              FinanceError::ZeroInput);
    EXPECT_EQ(LoanPayment(0, 5, 1, 0, 0).error(), FinanceError::ZeroInput);
    EXPECT_EQ(LoanPayment(10000, 0, 1, 0, 0).error(), FinanceError::ZeroInput);
    EXPECT_EQ(LoanPayment(10000, 5, 0, 0, 0).error(), FinanceError::ZeroInput);
    EXPECT_EQ(SimpleInterest(0, 5, 1, 0, 0).error(), FinanceError::ZeroInput);
}

TEST(FinanceFailureTest, ValuesBeyondThePrecisionFail)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SimpleInterest(infinity, 5, 1, 0, 0).error(), FinanceError::OutOfRange);
    EXPECT_EQ(CompoundInterest(1000, 5, 1e300, 0, 0, Frequency::Quarterly).error(),
              FinanceError::OutOfRange);
    // 1E+39 is beyond single precision.
    EXPECT_EQ(LoanPayment(1e39, 5, 1, 0, 0).error(), FinanceError::OutOfRange);
    EXPECT_EQ(LoanPayment(10000, 1e-30, 1, 0, 0).error(), FinanceError::OutOfRange);
}

struct SpinCase {
    const char* name;
    const char* text;
    TermPart part;
    SpinDirection direction;
    const char* result;
};

class SpinTermTest : public testing::TestWithParam<SpinCase> {};

TEST_P(SpinTermTest, StepsAndWraps)
{
    const SpinCase& c = GetParam();
    EXPECT_EQ(spinTerm(c.text, c.part, c.direction), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Spinners, SpinTermTest,
    testing::Values(SpinCase{"years_up_unbounded", "99", TermPart::Years, SpinDirection::Up, "100"},
                    SpinCase{"years_down", "3", TermPart::Years, SpinDirection::Down, "2"},
                    SpinCase{"years_down_stops_at_zero", "0", TermPart::Years, SpinDirection::Down,
                             "0"},
                    SpinCase{"months_up", "11", TermPart::Months, SpinDirection::Up, "12"},
                    SpinCase{"months_up_wraps", "12", TermPart::Months, SpinDirection::Up, "0"},
                    SpinCase{"months_down_wraps", "0", TermPart::Months, SpinDirection::Down, "12"},
                    SpinCase{"days_up_wraps", "365", TermPart::Days, SpinDirection::Up, "0"},
                    SpinCase{"days_down_wraps", "0", TermPart::Days, SpinDirection::Down, "365"},
                    SpinCase{"empty_counts_as_zero", "", TermPart::Months, SpinDirection::Up, "1"}),
    [](const testing::TestParamInfo<SpinCase>& info) { return info.param.name; });

TEST(FinancialToolboxTest, OpensInLoanModeWithoutAPanel)
{
    const FinancialToolbox toolbox;
    EXPECT_EQ(toolbox.mode(), FinanceMode::Loan);
    EXPECT_EQ(toolbox.frequency(), Frequency::Annually);
    EXPECT_EQ(toolbox.panel(), FinancePanel::None);
    EXPECT_EQ(toolbox.fields(FinanceMode::SimpleInterest).principal, "0");
    EXPECT_EQ(toolbox.loanMonthly(), "0");
}

TEST(FinancialToolboxTest, FailureShowsTheErrorPanelAndKeepsResults)
{
    FinancialToolbox toolbox;
    FinanceFields& loan = toolbox.fields(FinanceMode::Loan);
    loan.principal = "10000";
    loan.rate = "5";
    loan.years = "1";
    ASSERT_TRUE(toolbox.compute());
    EXPECT_EQ(toolbox.loanMonthly(), "856.07");
    EXPECT_EQ(toolbox.loanTotal(), "10272.84");
    EXPECT_EQ(toolbox.loanInterest(), "272.84");
    EXPECT_FALSE(toolbox.loanCoverShown());

    loan.rate = "abc";
    EXPECT_FALSE(toolbox.compute());
    EXPECT_EQ(toolbox.panel(), FinancePanel::Error);
    EXPECT_TRUE(toolbox.loanCoverShown());
    EXPECT_EQ(toolbox.loanMonthly(), "856.07");
}

TEST(FinancialToolboxTest, ClearResetsAndShowsTheInformationPanel)
{
    FinancialToolbox toolbox;
    toolbox.setMode(FinanceMode::SimpleInterest);
    FinanceFields& simple = toolbox.fields(FinanceMode::SimpleInterest);
    simple.principal = "1000";
    simple.rate = "5";
    simple.years = "1";
    ASSERT_TRUE(toolbox.compute());
    EXPECT_EQ(toolbox.interest(), "50");
    EXPECT_EQ(toolbox.total(), "1050");
    toolbox.clear();
    EXPECT_EQ(toolbox.panel(), FinancePanel::Information);
    EXPECT_FALSE(toolbox.loanCoverShown());
    EXPECT_EQ(toolbox.interest(), "0");
    EXPECT_EQ(toolbox.fields(FinanceMode::SimpleInterest).principal, "0");
}

TEST(FinancialToolboxTest, SpinsTheFieldsOfAPage)
{
    FinancialToolbox toolbox;
    toolbox.spin(FinanceMode::CompoundInterest, TermPart::Months, SpinDirection::Down);
    EXPECT_EQ(toolbox.fields(FinanceMode::CompoundInterest).months, "12");
    EXPECT_EQ(toolbox.fields(FinanceMode::Loan).months, "0");
}

TEST(FinancialToolboxTest, FieldsTakeDigitsOnly)
{
    EXPECT_TRUE(acceptsFinanceKey('7'));
    EXPECT_TRUE(acceptsFinanceKey('\b'));
    EXPECT_FALSE(acceptsFinanceKey('.'));
    EXPECT_FALSE(acceptsFinanceKey('-'));
    EXPECT_FALSE(acceptsFinanceKey('a'));
}

} // namespace
} // namespace nuvra::tools::financial
