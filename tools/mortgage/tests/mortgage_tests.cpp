#include "tools/mortgage/currency.h"
#include "tools/mortgage/currency_format.h"
#include "tools/mortgage/mortgage_schedule.h"

#include <gtest/gtest.h>
#include <limits>

namespace nuvra::tools::mortgage {
namespace {

using calendar::Date;

CurrencyFormatter usDollars()
{
    const LocaleCurrencyFormat format = *LocaleCurrencyFormat::forLocale("en_US");
    return [format](Currency amount) { return format.text(amount); };
}

// Amounts as plain numbers with two decimals, so the rows read like the hand calculation.
std::string plainText(Currency amount)
{
    LocaleCurrencyFormat plain;
    plain.groupSeparator = "";
    plain.negativeInParentheses = false;
    return plain.text(amount);
}

using Cells = std::array<std::string, 6>;

TEST(BuildScheduleTest, TwelveMonthsAtTwelvePercent)
{
    const auto schedule = BuildSchedule(10000, 12, 12, Date{2009, 1, 15}, plainText);
    ASSERT_TRUE(schedule.has_value());
    const auto& rows = *schedule;
    ASSERT_EQ(rows.size(), 15u); // header, 12 payments, one year, totals
    EXPECT_EQ(rows[0].kind, RowKind::Header);
    EXPECT_EQ(rows[0].cells,
              (Cells{"Date", "Number", "Payment", "Interest", "Applied", "Balance"}));
    EXPECT_EQ(rows[1].cells, (Cells{"01/15/2009", "1", "888.49", "100.00", "788.49", "9211.51"}));
    EXPECT_EQ(rows[2].cells, (Cells{"02/15/2009", "2", "888.49", "92.12", "796.37", "8415.14"}));
    EXPECT_EQ(rows[11].cells, (Cells{"11/15/2009", "11", "888.49", "17.51", "870.98", "879.67"}));
    EXPECT_EQ(rows[12].cells, (Cells{"12/15/2009", "12", "888.47", "8.80", "879.67", "0.00"}));
    EXPECT_EQ(rows[13].kind, RowKind::YearTotals);
    EXPECT_EQ(rows[13].cells, (Cells{"Year Totals", "", "10661.86", "661.86", "10000.00", ""}));
    EXPECT_EQ(rows[14].kind, RowKind::Totals);
    EXPECT_EQ(rows[14].cells, (Cells{"", "Totals", "10661.86", "661.86", "", ""}));
}

TEST(BuildScheduleTest, YearTotalsAfterEachCalendarYear)
{
    const auto schedule = BuildSchedule(10000, 12, 12, Date{2009, 6, 1}, plainText);
    ASSERT_TRUE(schedule.has_value());
    const auto& rows = *schedule;
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[7].cells[0], "12/1/2009");
    EXPECT_EQ(rows[8].cells, (Cells{"Year Totals", "", "6219.43", "531.63", "5687.80", ""}));
    EXPECT_EQ(rows[9].cells[0], "01/1/2010");
    EXPECT_EQ(rows[14].cells, (Cells{"Year Totals", "", "4442.43", "130.23", "4312.20", ""}));
}

TEST(BuildScheduleTest, StartInNovemberWithThreeMonths)
{
    const auto schedule = BuildSchedule(1000, 3, 6, Date{2009, 11, 30}, plainText);
    ASSERT_TRUE(schedule.has_value());
    const auto& rows = *schedule;
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[1].cells, (Cells{"11/30/2009", "1", "336.67", "5.00", "331.67", "668.33"}));
    EXPECT_EQ(rows[2].cells, (Cells{"12/30/2009", "2", "336.67", "3.34", "333.33", "335.00"}));
    EXPECT_EQ(rows[3].cells, (Cells{"Year Totals", "", "673.34", "8.34", "665.00", ""}));
    EXPECT_EQ(rows[4].cells, (Cells{"01/30/2010", "3", "336.68", "1.68", "335.00", "0.00"}));
    EXPECT_EQ(rows[5].cells, (Cells{"Year Totals", "", "336.68", "1.68", "335.00", ""}));
    EXPECT_EQ(rows[6].cells, (Cells{"", "Totals", "1010.02", "10.02", "", ""}));
}

TEST(BuildScheduleTest, StartDayIsPrintedUnchanged)
{
    const auto schedule = BuildSchedule(1000, 3, 6, Date{2009, 1, 31}, plainText);
    ASSERT_TRUE(schedule.has_value());
    EXPECT_EQ((*schedule)[1].cells[0], "01/31/2009");
    EXPECT_EQ((*schedule)[2].cells[0], "02/31/2009");
    EXPECT_EQ((*schedule)[3].cells[0], "03/31/2009");
}

TEST(BuildScheduleTest, WritesAmountsWithTheFormatter)
{
    const auto schedule = BuildSchedule(10000, 12, 12, Date{2009, 1, 15}, usDollars());
    ASSERT_TRUE(schedule.has_value());
    EXPECT_EQ((*schedule)[1].cells[5], "$9,211.51");
    EXPECT_EQ((*schedule)[14].cells[2], "$10,661.86");
}

TEST(BuildScheduleTest, LongestSchedule)
{
    const auto schedule = BuildSchedule(100000, kMaxPayments, 5, Date{2009, 1, 1}, plainText);
    ASSERT_TRUE(schedule.has_value());
    const auto& last = schedule->back();
    EXPECT_EQ(last.kind, RowKind::Totals);
    // Every payment row ends at a zero balance on the last one.
    EXPECT_EQ((*schedule)[schedule->size() - 3].cells[1], "32767");
    EXPECT_EQ((*schedule)[schedule->size() - 3].cells[5], "0.00");
    EXPECT_EQ(schedule->size(), 1u + 32767u + 2731u + 1u);
}

struct FailureCase {
    const char* name;
    double principal;
    int months;
    double rate;
    Date start;
    ScheduleError error;
};

class BuildScheduleFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(BuildScheduleFailureTest, BuildsNothing)
{
    const FailureCase& c = GetParam();
    const auto schedule = BuildSchedule(c.principal, c.months, c.rate, c.start, plainText);
    ASSERT_FALSE(schedule.has_value());
    EXPECT_EQ(schedule.error(), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, BuildScheduleFailureTest,
    testing::Values(
        FailureCase{"zero_principal", 0, 12, 12, {2009, 1, 1}, ScheduleError::NothingToPlot},
        FailureCase{"zero_months", 10000, 0, 12, {2009, 1, 1}, ScheduleError::NothingToPlot},
        FailureCase{"zero_rate", 10000, 12, 0, {2009, 1, 1}, ScheduleError::NothingToPlot},
        FailureCase{"negative_months", 10000, -3, 12, {2009, 1, 1}, ScheduleError::InvalidMonths},
        FailureCase{
            "too_many_months", 10000, 32768, 12, {2009, 1, 1}, ScheduleError::InvalidMonths},
        FailureCase{"february_thirtieth", 10000, 12, 12, {2009, 2, 30}, ScheduleError::InvalidDate},
        FailureCase{
            "principal_beyond_currency", 1e300, 12, 12, {2009, 1, 1}, ScheduleError::OutOfRange},
        FailureCase{"infinite_rate",
                    10000,
                    12,
                    std::numeric_limits<double>::infinity(),
                    {2009, 1, 1},
                    ScheduleError::OutOfRange},
        FailureCase{"payment_beyond_currency",
                    900000000000000,
                    12,
                    1e6,
                    {2009, 1, 1},
                    ScheduleError::OutOfRange},
        FailureCase{"rate_too_small_for_a_payment",
                    10000,
                    12,
                    1e-300,
                    {2009, 1, 1},
                    ScheduleError::OutOfRange}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(LoanDetailsTest, CopiesTheLoanFields)
{
    const LoanDetails details = CopyLoanValues("10000", "12", "1", "0", "0");
    EXPECT_EQ(details.principal, "10000");
    EXPECT_EQ(details.months, "12");
    EXPECT_EQ(details.rate, "12");
    // 1 year and 6 days: 12 + 72 / 365 rounds to 12; 2 years 5 months 20 days to 30.
    EXPECT_EQ(CopyLoanValues("1", "1", "1", "0", "6").months, "12");
    EXPECT_EQ(CopyLoanValues("1", "1", "2", "5", "20").months, "30");
    EXPECT_EQ(CopyLoanValues("abc", "", "", "", "").principal, "0");
}

TEST(LoanDetailsTest, BuildsFromTheFieldTexts)
{
    const auto schedule =
        BuildSchedule(LoanDetails{"10000", "12.7", "12"}, Date{2009, 1, 15}, plainText);
    ASSERT_TRUE(schedule.has_value());
    EXPECT_EQ(schedule->size(), 15u);
    EXPECT_EQ(BuildSchedule(LoanDetails{"10000", "1e9", "12"}, Date{2009, 1, 1}, plainText).error(),
              ScheduleError::InvalidMonths);
    EXPECT_EQ(BuildSchedule(LoanDetails{"x", "12", "12"}, Date{2009, 1, 1}, plainText).error(),
              ScheduleError::NothingToPlot);
}

struct RoundCase {
    const char* name;
    std::int64_t units;
    std::int64_t rounded;
};

class MyRoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(MyRoundTest, RoundsHalfUpToCents)
{
    const auto result = MyRound(Currency::fromUnits(GetParam().units));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->units(), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, MyRoundTest,
    testing::Values(RoundCase{"below_half", 8884879, 8884900},
                    RoundCase{"exact_half_up", 10050, 10100},
                    RoundCase{"large_exact_half", 92115050, 92115100},
                    RoundCase{"just_below_half", 10049, 10000},
                    RoundCase{"whole_cents_unchanged", 921151 * 100, 921151 * 100},
                    RoundCase{"negative_half_goes_up", -50, 0},
                    RoundCase{"negative_below_half", -51, -100}),
    [](const testing::TestParamInfo<RoundCase>& info) { return info.param.name; });

TEST(CurrencyTest, ConvertsDoublesToTenThousandths)
{
    EXPECT_EQ(Currency::fromDouble(888.487886783417)->units(), 8884879);
    EXPECT_EQ(Currency::fromDouble(-1.23456)->units(), -12346);
    EXPECT_FALSE(Currency::fromDouble(1e15).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()).has_value());
    const Currency top = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(top.plus(Currency::fromUnits(1)).has_value());
    EXPECT_FALSE(MyRound(top).has_value());
}

struct FormatCase {
    const char* name;
    const char* locale;
    std::int64_t units;
    const char* text;
};

class LocaleCurrencyFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(LocaleCurrencyFormatTest, WritesTheRegionalForm)
{
    const auto format = LocaleCurrencyFormat::forLocale(GetParam().locale);
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->text(Currency::fromUnits(GetParam().units)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleCurrencyFormatTest,
    testing::Values(FormatCase{"us_grouping", "en_US", 12345000, "$1,234.50"},
                    FormatCase{"us_negative_parentheses", "en_US", -12345000, "($1,234.50)"},
                    FormatCase{"us_zero", "en_US", 0, "$0.00"},
                    FormatCase{"us_rounds_half_away", "en_US", 50, "$0.01"},
                    FormatCase{"us_tiny_negative_is_zero", "en_US", -40, "$0.00"},
                    FormatCase{"us_millions", "en_US", 12345678900000, "$1,234,567,890.00"},
                    FormatCase{"gb_pound", "en_GB", 12345000, "\u00a31,234.50"},
                    FormatCase{"de_euro_after", "de_DE", -12345000, "-1.234,50\u00a0\u20ac"},
                    FormatCase{"fr_narrow_space", "fr_FR", 106618600, "10\u202f661,86\u00a0\u20ac"},
                    FormatCase{"ja_no_decimals", "ja_JP", 12345000, "\uffe51,235"},
                    FormatCase{"ja_negative", "ja_JP", -12345000, "(\uffe51,235)"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(LocaleCurrencyFormatTest, UnknownLocale)
{
    EXPECT_FALSE(LocaleCurrencyFormat::forLocale("xx_XX").has_value());
    const LocaleCurrencyFormat us = *LocaleCurrencyFormat::forLocale("en_US");
    EXPECT_EQ(us.text(Currency::fromUnits(std::numeric_limits<std::int64_t>::min())),
              "($922,337,203,685,477.58)");
}

TEST(PaymentDateTextTest, PadsTheMonthOnly)
{
    EXPECT_EQ(paymentDateText(2, 31, 2010), "02/31/2010");
    EXPECT_EQ(paymentDateText(11, 5, 2009), "11/5/2009");
}

} // namespace
} // namespace nuvra::tools::mortgage
