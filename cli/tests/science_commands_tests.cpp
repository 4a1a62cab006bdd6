#include "cli/commands.h"
#include "cli/tests/cli_run.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace nuvra::cli {
namespace {

CliRun runCommand(std::string_view name, const std::vector<std::string>& args,
                  const std::string& input = "")
{
    return runCommandOf(scienceCommands(), name, args, input);
}

struct CommandCase {
    const char* name;
    const char* command;
    std::vector<std::string> args;
    const char* output;
};

class ScienceCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(ScienceCommandTest, PrintsTheResult)
{
    const CliRun run = runCommand(GetParam().command, GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string(GetParam().output) + "\n");
}

std::string caseName(const testing::TestParamInfo<CommandCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Eval, ScienceCommandTest,
    testing::Values(CommandCase{"nested_minus_bracket", "eval", {"2*-(3*(4+5)-1)"}, "-52"},
                    CommandCase{"round_then_fraction", "eval", {"1/3>roundto(2)>frac"}, "33/100"},
                    CommandCase{"sine_of_pi_in_radians",
                                "eval",
                                {"--angle", "rad", "sin(pi)"},
                                "3.23108914886517E-15"},
                    CommandCase{"gradians", "eval", {"--angle", "grad", "sin(100)"}, "1"},
                    CommandCase{"turns", "eval", {"--angle", "turn", "cos(0.5)"}, "-1"},
                    CommandCase{"answer", "eval", {"--ans", "12", "ans * 2"}, "24"},
                    CommandCase{"empty_answer", "eval", {"--ans", "", "ans+1"}, "1"},
                    CommandCase{"formula_with_leading_signs", "eval", {"--5"}, "5"},
                    CommandCase{"syntax_error", "eval", {"2+3)"}, "Syntax error"},
                    CommandCase{"graph_has_no_suffixes", "eval", {"--graph", "1/3>frac"}, "Error"},
                    CommandCase{"graph_in_radians", "eval", {"--graph", "cos(0)"}, "1"},
                    CommandCase{"right_angle_json",
                                "eval",
                                {"--json", "tan(90)"},
                                R"json({"result":"0","shown":"infinity","entry":"0"})json"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Sci, ScienceCommandTest,
    testing::Values(
        CommandCase{"sine", "sci", {"sin", "30"}, ".5"},
        CommandCase{"tangent_json",
                    "sci",
                    {"--json", "tan", "90"},
                    R"json({"shown":"infinity","entry":"0",)json"
                    R"json("history":[[" tan (90 )","0"]],"beeps":0,"clicks":1})json"},
        CommandCase{"cotangent_of_zero", "sci", {"cot", "0"}, "infinity"},
        CommandCase{"turns", "sci", {"--angle", "turn", "sin", "0.25"}, "1"},
        CommandCase{"log_mode_2", "sci", {"--log-mode", "2", "Ln", "1000"}, "3"},
        CommandCase{"log_mode_with_leading_zero", "sci", {"--log-mode", "02", "Ln", "1000"}, "3"},
        CommandCase{"antilog_json",
                    "sci",
                    {"--json", "--log-mode", "3", "Ln", "2"},
                    R"json({"shown":"100","entry":"100",)json"
                    R"json("history":[[" -log (2 )","100"]],"beeps":0,"clicks":1})json"},
        CommandCase{"exp_710_json",
                    "sci",
                    {"--json", "Exp", "710"},
                    R"json({"shown":"710","entry":"710","history":[],"beeps":1,"clicks":1})json"},
        CommandCase{"factorial_overflow", "sci", {"Factorial", "171"}, "OVERFLOW"},
        CommandCase{"factorial_of_negative", "sci", {"Factorial", "-5.7"}, "720"},
        CommandCase{"factorial_reads_the_leading_number", "sci", {"Factorial", "5abc"}, "120"},
        CommandCase{
            "abs_json",
            "sci",
            {"--json", "Abs", "-3"},
            R"json({"shown":"3","entry":"3","history":[[" |-3|","3"]],"beeps":0,"clicks":1})json"},
        CommandCase{"deci", "sci", {"deci", "2.05"}, ".05"},
        CommandCase{"pie", "sci", {"Pie", "7"}, "3.14159265358979"},
        CommandCase{"double_zero_continues", "sci", {"00", "12"}, "1200"},
        CommandCase{"double_zero_after_result", "sci", {"--finished", "00", "12"}, "0"},
        CommandCase{"control_name", "sci", {"cmd3root", "27"}, "3"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Stats, ScienceCommandTest,
    testing::Values(
        CommandCase{"sum", "stats", {"sumx", "3", "-1", "4", "-1.5"}, "4.5"},
        CommandCase{"sum_of_squares", "stats", {"sigmax2", "3", "-1", "4", "-1.5"}, "28.25"},
        CommandCase{"mean", "stats", {"mean", "3", "-1", "4", "-1.5"}, "1.125"},
        CommandCase{"mean_of_squares", "stats", {"meanx2", "3", "-1", "4", "-1.5"}, "7.0625"},
        CommandCase{"positive_sum", "stats", {"sump", "3", "-1", "4", "-1.5"}, "7"},
        CommandCase{"negative_sum", "stats", {"sumn", "3", "-1", "4", "-1.5"}, "-2.5"},
        CommandCase{"largest", "stats", {"high", "3", "-1", "4", "-1.5"}, "4"},
        CommandCase{"smallest", "stats", {"low", "3", "-1", "4", "-1.5"}, "-1.5"},
        CommandCase{"no_input", "stats", {"mean"}, "No Input"},
        CommandCase{"json",
                    "stats",
                    {"--json", "sumx", "", "0.123456789"},
                    R"json({"result":"0.123456789","count":"Count = 2",)json"
                    R"json("items":["0","0.123456789"],"beeps":0})json"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Strip, ScienceCommandTest,
    testing::Values(CommandCase{"power", "strip", {"power", "2", "10"}, "1024"},
                    CommandCase{"root", "strip", {"root", "27", "3"}, "3"},
                    CommandCase{"percent", "strip", {"percent", "200", "15"}, "30"},
                    CommandCase{"tax_rate", "strip", {"tax", "0", "7"}, "7"},
                    CommandCase{"empty_is_invalid", "strip", {"power", "2", ""}, "invalid"},
                    CommandCase{"typed_sign_swallowed", "strip", {"power", "2", "-1"}, "2"},
                    CommandCase{"root_of_zero_waits", "strip", {"root", "27", "0"}, "waiting"},
                    CommandCase{"pasted_fraction", "strip", {"--paste", "power", "4", "0.5"}, "2"},
                    CommandCase{"json",
                                "strip",
                                {"--json", "root", "27", "3"},
                                R"json({"state":"result","entry":"3","taxRate":"5",)json"
                                R"json("history":[["3 root27","3"]],"clicks":1})json"}),
    caseName);

struct FailureCase {
    const char* name;
    const char* command;
    std::vector<std::string> args;
    const char* message;
};

class ScienceCommandFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ScienceCommandFailureTest, SaysWhatIsNoNumber)
{
    const CliRun run = runCommand(GetParam().command, GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    NoNumber, ScienceCommandFailureTest,
    testing::Values(
        FailureCase{"sci_word", "sci", {"Sin", "hello"},
                    "nuvra-cli sci: the display 'hello' is no number\n"},
        FailureCase{"sci_error_word_in_json", "sci", {"--json", "cos", "error"},
                    "nuvra-cli sci: the display 'error' is no number\n"},
        FailureCase{"sci_letters_after_the_number", "sci", {"sqroot", "16abc"},
                    "nuvra-cli sci: the display '16abc' is no number\n"},
        FailureCase{"sci_empty_display", "sci", {"Ln", ""},
                    "nuvra-cli sci: the display '' is no number\n"},
        FailureCase{"sci_grouped_display", "sci", {"Abs", "1,234"},
                    "nuvra-cli sci: the display '1,234' is no number\n"},
        FailureCase{"sci_finished_display", "sci", {"--finished", "Exp", "x"},
                    "nuvra-cli sci: the display 'x' is no number\n"},
        FailureCase{"stats_word_value", "stats", {"sumx", "1", "hello", "2"},
                    "nuvra-cli stats: the value 'hello' is no number\n"},
        FailureCase{"stats_json_letters_after_the_number", "stats", {"--json", "mean", "3", "4x"},
                    "nuvra-cli stats: the value '4x' is no number\n"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ScienceCommandBatch, ALineThatIsNoNumberKeepsTheLinesInStep)
{
    const CliRun sci = runCommand("sci", {"sin", "-"}, "30\nhello\n90\n");
    EXPECT_EQ(sci.status, 2);
    EXPECT_EQ(sci.out, ".5\n\n1\n");
    EXPECT_EQ(sci.err, "nuvra-cli sci: the display 'hello' is no number\n");
    const CliRun stats = runCommand("stats", {"sumx", "-"}, "1 2\n1 x\n3\n");
    EXPECT_EQ(stats.status, 2);
    EXPECT_EQ(stats.out, "3\n\n3\n");
}

TEST(ScienceCommandBatch, OneOutputLinePerInputLine)
{
    EXPECT_EQ(runCommand("eval", {"-"}, "2+3*4\n1/0\n2^10\n").out, "14\nError\n1024\n");
    EXPECT_EQ(runCommand("sci", {"sqroot", "-"}, "16\n81\n").out, "4\n9\n");
    EXPECT_EQ(runCommand("stats", {"sumx", "-"}, "1 2 3\n-1.5 4\n").out, "6\n2.5\n");
    EXPECT_EQ(runCommand("strip", {"percent", "200", "-"}, "15\n50\n").out, "30\n100\n");
}

struct UsageCase {
    const char* name;
    const char* command;
    std::vector<std::string> args;
};

class ScienceCommandUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(ScienceCommandUsageTest, ExitsWithTheUsageStatus)
{
    const CliRun run = runCommand(GetParam().command, GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: nuvra-cli"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Usage, ScienceCommandUsageTest,
    testing::Values(UsageCase{"eval_without_formula", "eval", {}},
                    UsageCase{"eval_bad_angle", "eval", {"--angle", "gon", "1"}},
                    UsageCase{"sci_unknown_key", "sci", {"tanh", "1"}},
                    UsageCase{"sci_bad_log_mode", "sci", {"--log-mode", "4", "Ln", "1"}},
                    UsageCase{"stats_unknown_summary", "stats", {"median", "1"}},
                    UsageCase{"strip_unknown_mode", "strip", {"modulo", "1", "2"}},
                    UsageCase{"strip_missing_operand", "strip", {"power", "2"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::cli
