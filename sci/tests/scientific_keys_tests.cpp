#include "core/engine.h"
#include "core/feedback.h"
#include "core/session.h"
#include "sci/science_state.h"
#include "sci/scientific_keys.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace nuvra::sci {
namespace {

using core::AngularSystem;
using History = std::vector<std::pair<std::string, std::string>>;

struct KeyCase {
    const char* name;
    ScientificKey key;
    const char* display;
    const char* shown; // the shown text afterwards
    const char* entry; // the entry text afterwards
    History history;   // expression and result lines
    int clicks = 1;    // FinishKeyAction's click, none after a failure
    AngularSystem angle = AngularSystem::Degrees;
    LogKeyMode logMode = LogKeyMode::NaturalLog;
    int beeps = 0;
};

class ScientificKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ScientificKeyTest, WritesTheDisplayAndTheHistory)
{
    const KeyCase& row = GetParam();
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ScienceState state;
    state.logKeyMode = row.logMode;
    session.angularSystem = row.angle;
    session.display.setEntry(row.display);
    session.engine.operandTaken = false;
    session.engine.clearOnDigit = false;

    pressScientificKey(row.key, session, state);

    EXPECT_EQ(session.display.shown(), row.shown);
    EXPECT_EQ(session.display.entry(), row.entry);
    History history;
    const auto& expressions = session.history.expressions();
    const auto& results = session.history.results();
    ASSERT_EQ(expressions.size(), results.size());
    for (std::size_t i = 0; i < expressions.size(); ++i)
        history.emplace_back(expressions[i], results[i]);
    EXPECT_EQ(history, row.history);
    EXPECT_EQ(feedback.clicks(), row.clicks);
    EXPECT_EQ(feedback.beeps(), row.beeps);
    // A finished key marks the display value as a result; a failed one leaves the flags.
    EXPECT_EQ(session.engine.clearOnDigit, row.clicks > 0);
    EXPECT_EQ(session.engine.operandTaken, row.clicks > 0);
}

std::string keyRowName(const testing::TestParamInfo<KeyCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Trigonometry, ScientificKeyTest,
    testing::Values(
        KeyCase{"sin_30_degrees", ScientificKey::Sin, "30", ".5", ".5", {{" sin (30 )", "0.5"}}},
        KeyCase{"sin_180_degrees", ScientificKey::Sin, "180", "0", "0", {{" sin (180 )", "0"}}},
        KeyCase{"sin_pi_radians_unrounded",
                ScientificKey::Sin,
                "3.14159265358979",
                "3.23108914886517E-15",
                "3.23108914886517E-15",
                {{" sin (3.14159265358979 )", "3.23108914886517E-15"}},
                1,
                AngularSystem::Radians},
        KeyCase{"sin_quarter_turn",
                ScientificKey::Sin,
                "0.25",
                "1",
                "1",
                {{" sin (0.25 )", "1"}},
                1,
                AngularSystem::Turns},
        KeyCase{"cos_100_gradians",
                ScientificKey::Cos,
                "100",
                "0",
                "0",
                {{" cos (100 )", "0"}},
                1,
                AngularSystem::Gradians},
        KeyCase{
            "tan_90_infinity", ScientificKey::Tan, "90", "infinity", "0", {{" tan (90 )", "0"}}},
        KeyCase{
            "tan_270_infinity", ScientificKey::Tan, "270", "infinity", "0", {{" tan (270 )", "0"}}},
        KeyCase{"tan_minus_90_infinity",
                ScientificKey::Tan,
                "-90",
                "infinity",
                "0",
                {{" tan (-90 )", "0"}}},
        KeyCase{"tan_90_4_infinity",
                ScientificKey::Tan,
                "90.4",
                "infinity",
                "0",
                {{" tan (90.4 )", "0"}}},
        KeyCase{"tan_180_zero", ScientificKey::Tan, "180", "0", "0", {{" tan (180 )", "0"}}},
        KeyCase{"tan_0_zero", ScientificKey::Tan, "0", "0", "0", {{" tan (0 )", "0"}}},
        KeyCase{"tan_45_one", ScientificKey::Tan, "45", "1", "1", {{" tan (45 )", "1"}}},
        KeyCase{"tan_quarter_turn_infinity",
                ScientificKey::Tan,
                "0.25",
                "infinity",
                "0",
                {{" tan (0.25 )", "0"}},
                1,
                AngularSystem::Turns},
        KeyCase{"cot_0_infinity", ScientificKey::Cot, "0", "infinity", "0", {}, 0},
        KeyCase{"cot_45", ScientificKey::Cot, "45", "1", "1", {{" cot (45 )", "1"}}},
        KeyCase{"cot_pi_radians_large",
                ScientificKey::Cot,
                "3.14159265358979",
                "-309493162808962",
                "-309493162808962",
                {{" cot (3.14159265358979 )", "-309493162808962"}},
                1,
                AngularSystem::Radians},
        KeyCase{"cot_eighth_turn",
                ScientificKey::Cot,
                "0.125",
                "1",
                "1",
                {{" cot (0.125 )", "1"}},
                1,
                AngularSystem::Turns},
        KeyCase{"sec_90_infinity", ScientificKey::Sec, "90", "infinity", "0", {}, 0},
        KeyCase{"sec_60", ScientificKey::Sec, "60", "2", "2", {{" sec (60 )", "2"}}},
        KeyCase{"cosec_30", ScientificKey::Cosec, "30", "2", "2", {{" cosec (30 )", "2"}}},
        KeyCase{"cosec_0_infinity", ScientificKey::Cosec, "0", "infinity", "0", {}, 0},
        KeyCase{"guarded_key_on_fraction_text", ScientificKey::Sin, "3/4", "3/4", "3/4", {}, 0}),
    keyRowName);

INSTANTIATE_TEST_SUITE_P(
    Powers, ScientificKeyTest,
    testing::Values(
        KeyCase{"exp_0", ScientificKey::Exp, "0", "1", "1", {{" exp (0 )", "1"}}},
        KeyCase{"exp_709",
                ScientificKey::Exp,
                "709",
                "8.21840746155497E+307",
                "8.21840746155497E+307",
                {{" exp (709 )", "8.21840746155497E+307"}}},
        KeyCase{"exp_710_beeps",
                ScientificKey::Exp,
                "710",
                "710",
                "710",
                {},
                1,
                AngularSystem::Degrees,
                LogKeyMode::NaturalLog,
                1},
        KeyCase{
            "exp_overflow_below_710_silent", ScientificKey::Exp, "709.9", "709.9", "709.9", {}, 0},
        KeyCase{"square_root", ScientificKey::SquareRoot, "16", "4", "4", {{" sqrt (16 )", "4"}}},
        KeyCase{
            "square_root_of_negative_error", ScientificKey::SquareRoot, "-4", "error", "0", {}, 0},
        KeyCase{"cube_root", ScientificKey::CubeRoot, "27", "3", "3", {{" cubert (27 )", "3"}}},
        KeyCase{"cube_root_of_negative",
                ScientificKey::CubeRoot,
                "-8",
                "-2",
                "-2",
                {{" cubert (-8 )", "-2"}}},
        KeyCase{"square", ScientificKey::Square, "-3", "9", "9", {{" sqr (-3 )", "9"}}},
        KeyCase{"square_overflow_error", ScientificKey::Square, "1e200", "error", "0", {}, 0},
        KeyCase{"cube", ScientificKey::Cube, "2", "8", "8", {{" cube (2 )", "8"}}},
        KeyCase{"reciprocal",
                ScientificKey::Reciprocal,
                "4",
                ".25",
                ".25",
                {{" reciproc (4 )", "0.25"}}},
        KeyCase{
            "reciprocal_of_zero_infinity", ScientificKey::Reciprocal, "0", "infinity", "0", {}, 0},
        KeyCase{"int_floors", ScientificKey::Int, "-2.5", "-3", "-3", {{" int (-2.5 )", "-3"}}},
        KeyCase{"abs_bars", ScientificKey::Abs, "-3", "3", "3", {{" |-3|", "3"}}},
        KeyCase{"unguarded_key_on_empty_entry", ScientificKey::Square, "", "", "", {}, 0}),
    keyRowName);

INSTANTIATE_TEST_SUITE_P(
    LogKey, ScientificKeyTest,
    testing::Values(
        KeyCase{"ln_of_e",
                ScientificKey::Ln,
                "2.71828182845905",
                "1",
                "1",
                {{" ln (2.71828182845905 )", "1"}}},
        KeyCase{"ln_of_zero_error", ScientificKey::Ln, "0", "error", "0", {{" ln (0 )", "0"}}},
        KeyCase{"ln_of_negative_error", ScientificKey::Ln, "-1", "error", "0", {}, 0},
        KeyCase{"log_mode_2_of_1000",
                ScientificKey::Ln,
                "1000",
                "3",
                "3",
                {{" log (1000 )", "3"}},
                1,
                AngularSystem::Degrees,
                LogKeyMode::Log10},
        KeyCase{"log_mode_2_of_zero_error",
                ScientificKey::Ln,
                "0",
                "error",
                "0",
                {{" ln (0 )", "0"}},
                1,
                AngularSystem::Degrees,
                LogKeyMode::Log10},
        KeyCase{"antilog_mode_3_of_2",
                ScientificKey::Ln,
                "2",
                "100",
                "100",
                {{" -log (2 )", "100"}},
                1,
                AngularSystem::Degrees,
                LogKeyMode::AntiLog10},
        KeyCase{"antilog_mode_3_of_zero_is_one",
                ScientificKey::Ln,
                "0",
                "1",
                "1",
                {{" -log (0 )", "1"}},
                1,
                AngularSystem::Degrees,
                LogKeyMode::AntiLog10}),
    keyRowName);

INSTANTIATE_TEST_SUITE_P(
    DecimalFactorialConstants, ScientificKeyTest,
    testing::Values(
        KeyCase{"deci_of_whole_number", ScientificKey::Deci, "7", "0", "0", {{" deci (7 )", "0"}}},
        KeyCase{
            "deci_of_7_25", ScientificKey::Deci, "7.25", ".25", ".25", {{" deci (7.25 )", "0.25"}}},
        KeyCase{"deci_keeps_digits",
                ScientificKey::Deci,
                "2.05",
                ".05",
                ".05",
                {{" deci (2.05 )", "0.05"}}},
        KeyCase{"deci_drops_sign",
                ScientificKey::Deci,
                "-3.25",
                ".25",
                ".25",
                {{" deci (-3.25 )", "0.25"}}},
        KeyCase{"deci_of_exponent_form",
                ScientificKey::Deci,
                "1.5E-05",
                "1.5E-05",
                "1.5E-05",
                {{" deci (1.5E-05 )", "1.5E-05"}}},
        KeyCase{"deci_of_exponent_form_above_one",
                ScientificKey::Deci,
                "2.5E+00",
                ".5",
                ".5",
                {{" deci (2.5 )", "0.5"}}},
        KeyCase{"factorial_of_5_7",
                ScientificKey::Factorial,
                "5.7",
                "120",
                "120",
                {{" (5 ) !", "120"}}},
        KeyCase{"factorial_of_minus_5_7",
                ScientificKey::Factorial,
                "-5.7",
                "720",
                "720",
                {{" (6 ) !", "720"}}},
        KeyCase{"factorial_of_170",
                ScientificKey::Factorial,
                "170",
                "7.25741561530799E+306",
                "7.25741561530799E+306",
                {{" (170 ) !", "7.25741561530799E+306"}}},
        KeyCase{
            "factorial_of_171_overflow", ScientificKey::Factorial, "171", "OVERFLOW", "171", {}, 0},
        KeyCase{"factorial_beyond_16_bits_overflow",
                ScientificKey::Factorial,
                "40000",
                "OVERFLOW",
                "40000",
                {},
                0},
        KeyCase{"factorial_reads_leading_number",
                ScientificKey::Factorial,
                "4abc",
                "24",
                "24",
                {{" (4 ) !", "24"}}},
        KeyCase{"pie_writes_the_literal",
                ScientificKey::Pie,
                "5",
                "3.14159265358979",
                "3.14159265358979",
                {}}),
    keyRowName);

TEST(DoubleZeroKey, ContinuesTheNumberBeingTyped)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ScienceState state;
    core::Engine engine(session);
    engine.digit(1, core::KeyPath::Keypad);
    engine.digit(2, core::KeyPath::Keypad);
    pressScientificKey(ScientificKey::DoubleZero, session, state);
    EXPECT_EQ(session.display.entry(), "1200");
    engine.digit(5, core::KeyPath::Keypad);
    EXPECT_EQ(session.display.entry(), "12005");
    EXPECT_TRUE(session.history.expressions().empty());
}

TEST(DoubleZeroKey, AfterAFinishedResultStartsANewNumber)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ScienceState state;
    session.display.setEntry("9");
    pressScientificKey(ScientificKey::Square, session, state);
    ASSERT_EQ(session.display.entry(), "81");
    pressScientificKey(ScientificKey::DoubleZero, session, state);
    // Two presses of 0 on a fresh number: "0", then "00", which the display strips to "0".
    EXPECT_EQ(session.display.entry(), "0");
    core::Engine(session).digit(7, core::KeyPath::Keypad);
    EXPECT_EQ(session.display.entry(), "7");
}

TEST(ScientificKeys, OnlyTheNumberReadingKeysIgnoreADisplayThatIsNoNumber)
{
    using K = ScientificKey;
    for (const K key : {K::Sin, K::Cos, K::Tan, K::Cot, K::Sec, K::Cosec, K::Ln, K::Exp,
                        K::SquareRoot, K::CubeRoot, K::Square, K::Cube, K::Reciprocal, K::Int,
                        K::Abs, K::Deci, K::Factorial, K::Pie, K::DoubleZero}) {
        core::CountingFeedback feedback;
        core::Session session(feedback);
        ScienceState state;
        session.display.setEntry("12abc");
        pressScientificKey(key, session, state);
        const bool unchanged = session.display.entry() == "12abc" &&
                               session.history.expressions().empty() && feedback.clicks() == 0;
        EXPECT_EQ(unchanged, readsDisplayNumber(key)) << scientificKeyName(key);
    }
}

TEST(ScientificKeyNames, RoundTripThroughControlNames)
{
    EXPECT_EQ(scientificKeyName(ScientificKey::CubeRoot), "cmd3root");
    EXPECT_EQ(scientificKeyFromName("cmdcosec"), ScientificKey::Cosec);
    EXPECT_EQ(scientificKeyFromName("sin"), ScientificKey::Sin);
    EXPECT_EQ(scientificKeyFromName("00"), ScientificKey::DoubleZero);
    EXPECT_EQ(scientificKeyFromName("Factorial"), ScientificKey::Factorial);
    EXPECT_EQ(scientificKeyFromName("cmdrx"), std::nullopt);
}

} // namespace
} // namespace nuvra::sci
