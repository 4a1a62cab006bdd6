#include "cli/commands.h"
#include "cli/tests/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>

namespace nuvra::cli {
namespace {

CliRun runKeys(const std::vector<std::string>& args, const std::string& input = "")
{
    return runCommandFunction(runKeysCommand, args, input);
}

struct KeysCase {
    const char* name;
    std::vector<std::string> args;
    const char* output;
};

class KeysCommandTest : public testing::TestWithParam<KeysCase> {};

TEST_P(KeysCommandTest, PrintsTheDisplayAfterTheKeys)
{
    const CliRun run = runKeys(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string(GetParam().output) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, KeysCommandTest,
    testing::Values(
        KeysCase{"leading_zero_stripped", {"07"}, "7"},
        KeysCase{"strictly_left_to_right", {"--json", "2+3*4="},
                 R"({"shown":"20","entry":"20","stack":[],"history":[["2 +3","5"],["5 x4","20"]],"beeps":0})"},
        KeysCase{"division_by_zero", {"--json", "8/0="},
                 R"({"shown":"undefined","entry":"0","stack":[],"history":[["8 /0","0"]],"beeps":0})"},
        KeysCase{"digit_after_undefined", {"8/0=3"}, "3"},
        KeysCase{"new_calculation_after_undefined", {"8/0=3+2="}, "5"},
        KeysCase{"undefined_within_the_chain", {"8/0+3="}, "undefined"},
        // A cancel leaves nothing of the division by zero, whichever key gives it.
        KeysCase{"escape_after_undefined", {"--json", "8/0={Esc}5+3="},
                 R"({"shown":"8","entry":"8","stack":[],"history":[["8 /0","0"],["5 +3","8"]],"beeps":0})"},
        KeysCase{"escape_after_undefined_chain_goes_on", {"8/0={Esc}5+3=+2="}, "10"},
        KeysCase{"escape_keeps_the_pending_operator", {"8/0+{Esc}3="}, "3"},
        KeysCase{"delete_after_undefined", {"8/0={Del}5+3="}, "8"},
        KeysCase{"c_key_after_undefined", {"8/0={C}5+3="}, "8"},
        KeysCase{"typed_c_after_undefined", {"8/0=c5+3="}, "8"},
        KeysCase{"equals_after_operator", {"--json", "5+="},
                 R"({"shown":"5","entry":"5","stack":[],"history":[["5 +0","5"]],"beeps":0})"},
        KeysCase{"repeated_equals", {"--json", "7=="},
                 R"({"shown":"7","entry":"7","stack":[],"history":[["7","7"],["7","7"]],"beeps":0})"},
        KeysCase{"new_entry_after_result", {"5+3=4"}, "4"},
        KeysCase{"operator_after_result", {"5+3=+1="}, "9"},
        KeysCase{"sign_twice", {"5{S}{S}"}, "5"},
        KeysCase{"sign_on_negative_result", {"0-5={S}"}, "5"},
        KeysCase{"keypad_sign", {"5{Sign}"}, "-5"},
        KeysCase{"backspace_to_zero_beeps", {"--json", "5{Back}"},
                 R"({"shown":"0","entry":"0","stack":[],"history":[],"beeps":1})"},
        KeysCase{"no_decimals_point_does_nothing", {"--decimals", "0", "12.5"}, "125"},
        KeysCase{"two_decimals_grouped", {"--decimals", "2", "--grouping", "1234.5"}, "1,234.5"},
        KeysCase{"two_decimals_keep_typed_digits", {"--decimals", "2", "1.05"}, "1.05"},
        KeysCase{"two_decimals_result_rounded", {"--decimals", "2", "2/3="}, ".67"},
        KeysCase{"decimals_with_leading_zero", {"--decimals", "02", "2/3="}, ".67"},
        KeysCase{"four_decimals_half_without_zero", {"--decimals", "4", "1/2="}, ".5"},
        KeysCase{"c_key_cancels_once", {"--json", "5+3={C}"},
                 R"({"shown":"0","entry":"0","stack":[],"history":[["5 +3","8"]],"beeps":0})"},
        KeysCase{"delete_key_cancels", {"12{Del}"}, "0"},
        KeysCase{"x_key_multiplies", {"6{X}7="}, "42"},
        KeysCase{"drop_in_algebraic_mode_does_nothing", {"--json", "5{Drop}"},
                 R"({"shown":"5","entry":"5","stack":[],"history":[],"beeps":0})"},
        KeysCase{"rpn_enter_and_lift", {"--json", "--rpn", "5{Enter}3+2"},
                 R"({"shown":"2","entry":"2","stack":["8"],"history":[[" 5 +3","8"]],"beeps":0})"},
        KeysCase{"rpn_keypad_digit_appends", {"--rpn", "5{Enter}3+{k2}"}, "82"},
        KeysCase{"rpn_divide_by_zero", {"--json", "--rpn", "7{Enter}0/"},
                 R"({"shown":"undefined","entry":"0","stack":[],"history":[],"beeps":0})"},
        KeysCase{"rpn_roll", {"--json", "--rpn", "1{Enter}2{Enter}3{Enter}4{Roll}"},
                 R"({"shown":"3","entry":"3","stack":["4","1","2"],"history":[],"beeps":0})"},
        KeysCase{"rpn_swap", {"--json", "--rpn", "1{Enter}2{Enter}3{Enter}4{Swap}"},
                 R"({"shown":"3","entry":"3","stack":["1","2","4"],"history":[],"beeps":0})"},
        KeysCase{"rpn_drop", {"--json", "--rpn", "1{Enter}2{Enter}3{Enter}4{Drop}"},
                 R"({"shown":"3","entry":"3","stack":["1","2"],"history":[],"beeps":0})"},
        KeysCase{"rpn_drop_on_empty_stack_beeps", {"--json", "--rpn", "{Drop}"},
                 R"({"shown":"0","entry":"0","stack":[],"history":[],"beeps":1})"},
        KeysCase{"rpn_c_key_empties_the_stack", {"--json", "--rpn", "5{Enter}6{Enter}{C}"},
                 R"({"shown":"0","entry":"0","stack":[],"history":[],"beeps":0})"},
        KeysCase{"rpn_escape_keeps_the_stack", {"--json", "--rpn", "5{Enter}6{Esc}"},
                 R"({"shown":"0","entry":"0","stack":["5"],"history":[],"beeps":0})"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeysCommand, BatchRunsAFreshSessionPerLine)
{
    const CliRun run = runKeys({"-"}, "2+3*4=\n8/0=\n5\n\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "20\nundefined\n5\n0\n");
}

TEST(KeysCommand, LongTypingStopsAtTheEntryBound)
{
    // 400 nines are kept and 600 refused; Backspace makes room for one more digit.
    const CliRun run = runKeys({"--json", std::string(1000, '9') + "{Back}1"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string entry = std::string(399, '9') + "1";
    EXPECT_EQ(run.out, "{\"shown\":\"" + entry + "\",\"entry\":\"" + entry +
                           "\",\"stack\":[],\"history\":[],\"beeps\":600}\n");
}

TEST(KeysCommand, UsageErrors)
{
    EXPECT_EQ(runKeys({}).status, 2);
    EXPECT_EQ(runKeys({"--decimals", "3", "1"}).status, 2);
    EXPECT_EQ(runKeys({"--decimals", "2.0", "1"}).status, 2);
    EXPECT_EQ(runKeys({"--bogus", "1"}).status, 2);
    const CliRun unknownKey = runKeys({"1{Nope}"});
    EXPECT_EQ(unknownKey.status, 2);
    EXPECT_NE(unknownKey.err.find("{Nope}"), std::string::npos);
    // A bad line in a batch still prints its (empty) line, so the output stays in step.
    const CliRun batch = runKeys({"-"}, "1\n{Open\n2\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.out, "1\n\n2\n");
}

TEST(NumberCommand, PrintsTheNumberTextOfTheLeadingNumber)
{
    std::istringstream in("1.50\n12abc\n1e15\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runNumberCommand({"-"}, in, out, err), 0);
    EXPECT_EQ(out.str(), "1.5\n12\n1E+15\n");
    std::ostringstream single;
    EXPECT_EQ(runNumberCommand({"--5"}, in, single, err), 0);
    EXPECT_EQ(single.str(), "0\n");
    EXPECT_EQ(runNumberCommand({}, in, single, err), 2);
}

} // namespace
} // namespace nuvra::cli
