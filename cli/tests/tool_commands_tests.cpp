#include "cli/commands.h"
#include "cli/tests/cli_run.h"

#include <gtest/gtest.h>
#include <sstream>

namespace nuvra::cli {
namespace {

CliRun runTool(std::string_view name, const std::vector<std::string>& args,
               const std::string& input = "")
{
    const CliRun run = runCommandOf(toolCommands(), name, args, input);
    if (run.status == -1)
        ADD_FAILURE() << "no command " << name;
    return run;
}

struct ToolCase {
    const char* name;
    const char* command;
    std::vector<std::string> args;
    const char* output;
};

class ToolCommandTest : public testing::TestWithParam<ToolCase> {};

constexpr const char* kApril2009 =
    "2009-03-29 2009-03-30 2009-03-31 2009-04-01 2009-04-02 2009-04-03 2009-04-04\n"
    "2009-04-05 2009-04-06 2009-04-07 2009-04-08 2009-04-09 2009-04-10 2009-04-11\n"
    "2009-04-12 2009-04-13 2009-04-14 2009-04-15 2009-04-16 2009-04-17 2009-04-18\n"
    "2009-04-19 2009-04-20 2009-04-21 2009-04-22 2009-04-23 2009-04-24 2009-04-25\n"
    "2009-04-26 2009-04-27 2009-04-28 2009-04-29 2009-04-30 2009-05-01 2009-05-02\n"
    "2009-05-03 2009-05-04 2009-05-05 2009-05-06 2009-05-07 2009-05-08 2009-05-09\n";

TEST_P(ToolCommandTest, PrintsTheModelResult)
{
    const ToolCase& c = GetParam();
    const CliRun run = runTool(c.command, c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ToolCommandTest,
    testing::Values(
        ToolCase{"inch_to_mm", "convert", {"Length", "Inch", "mm", "1"}, "25.4\n"},
        ToolCase{"fahrenheit_json",
                 "convert",
                 {"--json", "Temperature", "Fahrenheit", "Celsius", "-500"},
                 "{\"input\":\"-459.67\",\"output\":\"-273.15\",\"beep\":false}\n"},
        ToolCase{"volume_limit_beeps",
                 "convert",
                 {"--json", "Volume", "Litre", "cl", "20000000"},
                 "{\"input\":\"10000000\",\"output\":\"1.00E+09\",\"beep\":true}\n"},
        ToolCase{"outgassing_limit",
                 "convert",
                 {"--json", "Outgassing Rates", "Pa m/s", "Pa m/s", "5000"},
                 "{\"input\":\"1.00E+03\",\"output\":\"1000.\",\"beep\":false}\n"},
        ToolCase{"pressure_zero_keeps_output",
                 "convert",
                 {"--json", "Pressure", "Atmosphere", "mBar", "0"},
                 "{\"input\":\"0\",\"output\":\"1013.25\",\"beep\":false}\n"},
        ToolCase{"decimal_comma",
                 "convert",
                 {"--decimal-separator", ",", "Length", "Inch", "mm", "1,5"},
                 "38,1\n"},
        ToolCase{"metric_tonne", "convert", {"Mass", "m Tonne", "Kg", "2"}, "2000.\n"},
        ToolCase{"huge_value_limited", "convert", {"Length", "m", "m", "1e400"}, "1.00E+07\n"},
        ToolCase{"loan_acceptance",
                 "finance",
                 {"loan", "10000", "5", "1", "0", "0"},
                 "856.07\t10272.84\t272.84\n"},
        ToolCase{"loan_zero_rate", "finance", {"loan", "10000", "0", "1", "0", "0"}, "error\n"},
        ToolCase{"loan_letters", "finance", {"loan", "abc", "5", "1", "0", "0"}, "error\n"},
        ToolCase{"loan_huge", "finance", {"loan", "1e400", "5", "1", "0", "0"}, "error\n"},
        ToolCase{
            "simple_interest", "finance", {"simple", "1000", "5", "1", "0", "0"}, "50\t1050\n"},
        ToolCase{"simple_one_day", "finance", {"simple", "1000", "5", "0", "0", "1"}, "error\n"},
        ToolCase{"compound_quarterly",
                 "finance",
                 {"compound", "1000", "10", "2", "0", "0", "2"},
                 "218.4\t1218.4\n"},
        ToolCase{"compound_no_period",
                 "finance",
                 {"compound", "1000", "10", "0", "3", "0", "0"},
                 "0\t1000\n"},
        ToolCase{"calendar_april_2009", "calendar", {"2009", "4"}, kApril2009},
        // Whole-number arguments read leading zeros alike in every command.
        ToolCase{"calendar_leading_zeros", "calendar", {"--first-day", "01", "2009", "04"},
                 kApril2009},
        ToolCase{"constant_leading_zero", "constant", {"027"}, "2.997924E+08\n"},
        ToolCase{
            "words_trailing_blank", "words", {"1234"}, "One Thousand Two Hundred Thirty-Four \n"},
        ToolCase{"words_exponent",
                 "words",
                 {"3E-07"},
                 "Three  Times Ten To The Power Minus Zero Seven\n"},
        ToolCase{"words_empty", "words", {""}, "Calculating...\n"},
        ToolCase{"fraction_third", "fraction", {"0.333333333333333"}, "1/3\n"},
        ToolCase{"fraction_whole", "fraction", {"7"}, "7\n"},
        ToolCase{"fraction_letters", "fraction", {"abc"}, "0\n"},
        ToolCase{"constant_light", "constant", {"27"}, "2.997924E+08\n"},
        ToolCase{"constant_negative_moment", "constant", {"18"}, "-9.284763E-24\n"}),
    [](const testing::TestParamInfo<ToolCase>& info) { return info.param.name; });

TEST(CalendarCommandTest, MondayFirst)
{
    const CliRun run = runTool("calendar", {"--first-day", "2", "2009", "3"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 11), "2009-02-23 ");
}

TEST(MortgageCommandTest, AcceptanceScheduleInTabs)
{
    const CliRun run = runTool("mortgage", {"10000", "12", "12", "2009-01-15"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0], "Date\tNumber\tPayment\tInterest\tApplied\tBalance");
    EXPECT_EQ(rows[1], "01/15/2009\t1\t$888.49\t$100.00\t$788.49\t$9,211.51");
    EXPECT_EQ(rows[12], "12/15/2009\t12\t$888.47\t$8.80\t$879.67\t$0.00");
    EXPECT_EQ(rows[13], "Year Totals\t\t$10,661.86\t$661.86\t$10,000.00\t");
    EXPECT_EQ(rows[14], "\tTotals\t$10,661.86\t$661.86\t\t");
}

TEST(MortgageCommandTest, CsvQuotesGroupedAmounts)
{
    const CliRun run = runTool("mortgage", {"--csv", "10000", "12", "12", "2009-01-15"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("01/15/2009,1,$888.49,$100.00,$788.49,\"$9,211.51\"\n"),
              std::string::npos);
}

TEST(MortgageCommandTest, OtherLocale)
{
    const CliRun run =
        runTool("mortgage", {"--locale", "de_DE", "10000", "12", "12", "2009-01-15"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\t9.211,51\u00a0\u20ac\n"), std::string::npos);
}

struct FailureCase {
    const char* name;
    const char* command;
    std::vector<std::string> args;
    int status;
    const char* output;
};

class ToolFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ToolFailureTest, ReportsClearly)
{
    const FailureCase& c = GetParam();
    const CliRun run = runTool(c.command, c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.output);
    if (c.status != 0) {
        EXPECT_FALSE(run.err.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, ToolFailureTest,
    testing::Values(
        FailureCase{"convert_unknown_category", "convert", {"Speed", "m", "m", "1"}, 2, ""},
        FailureCase{"convert_unknown_unit", "convert", {"Mass", "m tonne", "Kg", "1"}, 2, ""},
        FailureCase{"convert_missing_value", "convert", {"Mass", "Kg", "g"}, 2, ""},
        FailureCase{"convert_bad_option", "convert", {"--fast", "Mass", "Kg", "g", "1"}, 2, ""},
        FailureCase{"finance_no_kind", "finance", {}, 2, ""},
        FailureCase{"finance_too_few", "finance", {"loan", "1", "2"}, 2, ""},
        FailureCase{"finance_bad_frequency",
                    "finance",
                    {"compound", "1000", "10", "2", "0", "0", "7"},
                    2,
                    ""},
        FailureCase{
            "mortgage_impossible_date", "mortgage", {"10000", "12", "12", "2009-02-30"}, 2, ""},
        FailureCase{"mortgage_unknown_locale",
                    "mortgage",
                    {"--locale", "xx", "10000", "12", "12", "2009-01-01"},
                    2,
                    ""},
        FailureCase{
            "mortgage_zero_rate", "mortgage", {"10000", "12", "0", "2009-01-01"}, 0, "error\n"},
        FailureCase{"mortgage_negative_months",
                    "mortgage",
                    {"10000", "-12", "5", "2009-01-01"},
                    0,
                    "error\n"},
        FailureCase{
            "mortgage_empty_principal", "mortgage", {"", "12", "5", "2009-01-01"}, 0, "error\n"},
        FailureCase{"calendar_month_thirteen", "calendar", {"2009", "13"}, 2, ""},
        FailureCase{"calendar_letters", "calendar", {"year", "4"}, 2, ""},
        FailureCase{"calendar_bad_first_day", "calendar", {"--first-day", "8", "2009", "4"}, 2, ""},
        FailureCase{"constant_out_of_range", "constant", {"42"}, 2, ""},
        FailureCase{"constant_letters", "constant", {"pi"}, 2, ""},
        FailureCase{"constant_fraction", "constant", {"27.0"}, 2, ""},
        FailureCase{"constant_plus_sign", "constant", {"+27"}, 2, ""},
        FailureCase{"constant_leading_blank", "constant", {" 27"}, 2, ""},
        FailureCase{"words_no_text", "words", {}, 2, ""}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(ToolBatchTest, OneOutputLinePerInputLine)
{
    const CliRun words = runTool("words", {"-"}, "10\n\ninfinity\n");
    EXPECT_EQ(words.status, 0);
    EXPECT_EQ(words.out, "Ten \nCalculating...\nInfinity\n");

    const CliRun convert = runTool("convert", {"Length", "Inch", "mm", "-"}, "1\n2\r\n");
    EXPECT_EQ(convert.out, "25.4\n50.8\n");

    const CliRun loan = runTool("finance", {"loan", "-"}, "10000 5 1 0 0\n0 5 1 0 0\n");
    EXPECT_EQ(loan.out, "856.07\t10272.84\t272.84\nerror\n");

    const CliRun fraction = runTool("fraction", {"-"}, "0.5\n2.5\n");
    EXPECT_EQ(fraction.out, "1/2\n5/2\n");
}

TEST(ToolBatchTest, BadLineKeepsTheLinesInStep)
{
    const CliRun constants = runTool("constant", {"-"}, "41\nx\n27\n");
    EXPECT_EQ(constants.status, 2);
    EXPECT_EQ(constants.out, "1.618034\n\n2.997924E+08\n");
}

TEST(ToolBatchTest, BlocksEndWithAnEmptyLine)
{
    const CliRun calendar = runTool("calendar", {"-"}, "2009 3\n2009 4\n");
    EXPECT_EQ(calendar.status, 0);
    EXPECT_EQ(calendar.out.substr(0, 11), "2009-02-22 ");
    EXPECT_NE(calendar.out.find("\n\n2009-03-29 "), std::string::npos);

    const CliRun mortgage = runTool("mortgage", {"1000", "3", "6", "-"}, "2009-11-30\n");
    EXPECT_NE(mortgage.out.find("01/30/2010\t3\t$336.68\t$1.68\t$335.00\t$0.00\n"),
              std::string::npos);
    EXPECT_EQ(mortgage.out.substr(mortgage.out.size() - 2), "\n\n");
}

} // namespace
} // namespace nuvra::cli
