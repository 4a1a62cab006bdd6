#include "core/engine.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace nuvra::core {
namespace {

// Drives the engine the way the keypad buttons do: digits, ".", + - x /, "=", "C" Cancel,
// "b" backspace, "s" sign.
class EngineFixture {
public:
    EngineFixture() : session(sounds), engine(session) {}

    void press(std::string_view keys)
    {
        for (const char key : keys) {
            switch (key) {
            case '+':
                engine.applyOperator(PendingOp::Add);
                break;
            case '-':
                engine.applyOperator(PendingOp::Subtract);
                break;
            case 'x':
                engine.applyOperator(PendingOp::Multiply);
                break;
            case '/':
                engine.applyOperator(PendingOp::Divide);
                break;
            case '=':
                engine.equals();
                break;
            case '.':
                engine.AppendDecimalPoint(KeyPath::Keypad);
                break;
            case 'C':
                engine.CancelAll(CancelVariant::Button);
                break;
            case 'b':
                engine.backspace();
                break;
            case 's':
                engine.ChangeSign();
                break;
            default:
                engine.digit(key - '0', KeyPath::Keypad);
            }
        }
    }

    std::vector<std::string> historyPairs() const
    {
        std::vector<std::string> flat;
        for (std::size_t i = 0; i < session.history.expressions().size(); ++i) {
            flat.push_back(session.history.expressions()[i]);
            if (i < session.history.results().size())
                flat.push_back(session.history.results()[i]);
        }
        return flat;
    }

    CountingFeedback sounds;
    Session session;
    Engine engine;
};

struct SequenceCase {
    const char* name;
    const char* keys;
    const char* shown;
    const char* entry;
    std::vector<std::string> history;
    int beeps;
};

class AlgebraicSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(AlgebraicSequenceTest, GivesTheDisplayAndTheHistory)
{
    EngineFixture f;
    f.press(GetParam().keys);
    EXPECT_EQ(f.session.display.shown(), GetParam().shown);
    EXPECT_EQ(f.session.display.entry(), GetParam().entry);
    EXPECT_EQ(f.historyPairs(), GetParam().history);
    EXPECT_EQ(f.sounds.beeps(), GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, AlgebraicSequenceTest,
    testing::Values(
        SequenceCase{"strictly_left_to_right", "2+3x4=", "20", "20", {"2 +3", "5", "5 x4", "20"}, 0},
        SequenceCase{"equals_after_operator_uses_zero", "5+=", "5", "5", {"5 +0", "5"}, 0},
        SequenceCase{"division_by_zero_is_undefined", "8/0=", "undefined", "0", {"8 /0", "0"}, 0},
        SequenceCase{"digit_after_undefined_starts_fresh", "8/0=3", "3", "3", {"8 /0", "0"}, 0},
        SequenceCase{"new_calculation_after_undefined_is_clean", "8/0=3+2=", "5", "5",
                     {"8 /0", "0", "3 +2", "5"}, 0},
        SequenceCase{"undefined_stays_within_the_chain", "8/0+3=", "undefined", "0",
                     {"8 /0", "0", "0 +3", "3"}, 0},
        SequenceCase{"repeated_equals_records_twice", "7==", "7", "7", {"7", "7", "7", "7"}, 0},
        SequenceCase{"digit_after_result_starts_new_entry", "5+3=4", "4", "4", {"5 +3", "8"}, 0},
        SequenceCase{"operator_after_result_continues", "5+3=+1=", "9", "9",
                     {"5 +3", "8", "8 +1", "9"}, 0},
        SequenceCase{"cancel_keeps_the_pending_operator", "5+C3=", "3", "3", {"0 +3", "3"}, 0},
        SequenceCase{"operator_blanks_the_display", "12+", "", "", {}, 0},
        SequenceCase{"sign_prefix_then_negation", "5ss", "5", "5", {}, 0},
        SequenceCase{"sign_on_a_negative_result_makes_it_positive", "0-5=s", "5", "5",
                     {"0 -5", "-5"}, 0},
        SequenceCase{"sign_on_empty_entry_prefixes", "3-s2=", "5", "5", {"3 --2", "5"}, 0},
        SequenceCase{"backspace_to_zero_beeps", "5b", "0", "0", {}, 1},
        SequenceCase{"backspace_removes_the_last_digit", "123b", "12", "12", {}, 0},
        SequenceCase{"second_point_is_refused", "1.5.", "1.5", "1.5", {}, 1},
        SequenceCase{"point_then_point_is_refused", "1..5", "1.5", "1.5", {}, 1},
        SequenceCase{"keypad_point_after_result_is_cleared_by_the_digit", "5+3=.5", "5", "5",
                     {"5 +3", "8"}, 0},
        SequenceCase{"result_below_one_loses_its_leading_zero", ".1+.2=", ".3", ".3",
                     {"0.1 +0.2", "0.3"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlgebraicEngine, DigitsWithoutLimitShrinkTheFont)
{
    EngineFixture f;
    f.press("123456789012345678901234567890");
    EXPECT_EQ(f.session.display.entry().size(), 30u);
    EXPECT_EQ(f.session.display.font().points, 10);
}

// n typed digits: "1234567890123...".
std::string countingDigits(std::size_t n)
{
    std::string digits;
    for (std::size_t i = 1; i <= n; ++i)
        digits += static_cast<char>('0' + i % 10);
    return digits;
}

struct LongEntryCase {
    const char* name;
    std::string keys;
    std::string entry;
    int beeps;
};

void PrintTo(const LongEntryCase& c, std::ostream* out)
{
    *out << c.name;
}

class LongEntryTest : public testing::TestWithParam<LongEntryCase> {};

TEST_P(LongEntryTest, StopsAtTheBoundWithABeep)
{
    EngineFixture f;
    f.press(GetParam().keys);
    EXPECT_EQ(f.session.display.entry(), GetParam().entry);
    EXPECT_EQ(f.session.display.shown(), GetParam().entry);
    EXPECT_EQ(f.sounds.beeps(), GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, LongEntryTest,
    testing::Values(
        LongEntryCase{"digits_past_400_beep", countingDigits(405), countingDigits(400), 5},
        LongEntryCase{"point_on_a_full_entry_beeps", countingDigits(400) + ".",
                      countingDigits(400), 1},
        LongEntryCase{"the_point_counts", "." + countingDigits(400), "." + countingDigits(399), 1},
        LongEntryCase{"backspace_makes_room", countingDigits(400) + "b7",
                      countingDigits(399) + "7", 0},
        LongEntryCase{"the_sign_does_not_count", countingDigits(400) + "s5",
                      "-" + countingDigits(400), 1},
        LongEntryCase{"sign_twice_beyond_the_doubles_range", std::string(400, '9') + "ss",
                      std::string(400, '9'), 0},
        LongEntryCase{"sign_thrice_beyond_the_doubles_range", std::string(400, '9') + "sss",
                      "-" + std::string(400, '9'), 0},
        LongEntryCase{"largest_integer_digits_fit", "1" + std::string(308, '0'),
                      "1" + std::string(308, '0'), 0},
        LongEntryCase{"smallest_double_digits_fit", "." + std::string(323, '0') + "5",
                      "." + std::string(323, '0') + "5", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongEntry, KeepsItsValueForTheCalculation)
{
    EngineFixture f;
    f.press("1" + std::string(308, '0') + "/1" + std::string(300, '0') + "=");
    EXPECT_EQ(f.session.display.shown(), "100000000");
    f.press("C." + std::string(323, '0') + "5");
    EXPECT_EQ(ReadLeadingNumber(f.session.display.entry()),
              std::numeric_limits<double>::denorm_min());
    f.press("C." + countingDigits(410) + "x2=");
    EXPECT_EQ(f.session.display.shown(), ".246913578024691");
    EXPECT_EQ(f.sounds.beeps(), 11);
}

TEST(AlgebraicEngine, OverflowShowsErrorAndKeepsThePendingOperator)
{
    EngineFixture f;
    f.session.display.setEntry("1E308");
    f.press("x");
    f.session.display.setEntry("1E308");
    f.press("+");
    EXPECT_EQ(f.session.display.shown(), "error");
    EXPECT_EQ(f.session.display.entry(), "0");
    EXPECT_EQ(f.session.engine.pendingOp, PendingOp::Multiply);
    EXPECT_TRUE(f.session.history.expressions().empty());
    f.press("0=");
    EXPECT_EQ(f.session.display.shown(), "0");
    EXPECT_EQ(f.session.history.expressions(), std::vector<std::string>{"1E+308 x0"});
}

TEST(AlgebraicEngine, OverflowOnEqualsShowsError)
{
    EngineFixture f;
    f.session.display.setEntry("1E308");
    f.press("x");
    f.session.display.setEntry("10");
    f.press("=");
    EXPECT_EQ(f.session.display.shown(), "error");
    EXPECT_TRUE(f.session.display.IsErrorShown());
}

TEST(AlgebraicEngine, DivisionByZeroSetsTheUndefinedFlag)
{
    EngineFixture f;
    f.press("8/0=");
    EXPECT_TRUE(f.session.display.undefinedShown());
    EXPECT_TRUE(f.session.engine.divideByZero);
    f.press("C");
    EXPECT_FALSE(f.session.engine.divideByZero);
}

TEST(AlgebraicEngine, PointDoesNothingWithoutDecimals)
{
    EngineFixture f;
    f.session.display.settings().decimalsMode = DecimalsMode::None;
    SetFormatPatterns(f.session.display.settings());
    f.press("12");
    const int clicks = f.sounds.clicks();
    f.press(".");
    EXPECT_EQ(f.session.display.entry(), "12");
    EXPECT_EQ(f.sounds.clicks(), clicks);
    EXPECT_EQ(f.sounds.beeps(), 0);
}

TEST(AlgebraicEngine, TwoDecimalsKeepTypedZerosAndRefuseAThirdDecimal)
{
    EngineFixture f;
    f.session.display.settings().decimalsMode = DecimalsMode::Two;
    SetFormatPatterns(f.session.display.settings());
    f.press("1.0");
    EXPECT_EQ(f.session.display.shown(), "1.0");
    f.press("5");
    EXPECT_EQ(f.session.display.entry(), "1.05");
    f.press("7");
    EXPECT_EQ(f.session.display.entry(), "1.05");
    EXPECT_EQ(f.sounds.beeps(), 1);
    f.press("x3=");
    EXPECT_EQ(f.session.display.entry(), "3.15");
}

struct CancelCase {
    const char* name;
    CancelVariant variant;
    bool resultKept;
    bool stackKept;
    bool divisionFlagKept;
    const char* shown;
};

class CancelVariantTest : public testing::TestWithParam<CancelCase> {};

TEST_P(CancelVariantTest, ResetsItsOwnSet)
{
    EngineFixture f;
    f.press("8/0=");
    f.session.engine.resultValue = 42;
    f.session.engine.firstOperand = 7;
    f.session.engine.pendingOp = PendingOp::Add;
    f.session.engine.clearOnDigit = true;
    f.session.engine.stackLiftPending = true;
    f.session.engine.operandTaken = false;
    ASSERT_TRUE(f.session.stack.push("3"));
    f.session.display.setShown("stale");

    f.engine.CancelAll(GetParam().variant);

    const EngineState& e = f.session.engine;
    EXPECT_EQ(e.resultValue, GetParam().resultKept ? 42 : 0);
    EXPECT_EQ(e.firstOperand, 0);
    EXPECT_EQ(e.pendingOp, PendingOp::Add);
    EXPECT_TRUE(e.operandTaken);
    EXPECT_FALSE(e.clearOnDigit);
    EXPECT_FALSE(e.stackLiftPending);
    EXPECT_EQ(f.session.stack.empty(), !GetParam().stackKept);
    EXPECT_EQ(e.divideByZero, GetParam().divisionFlagKept);
    EXPECT_EQ(f.session.display.entry(), "0");
    EXPECT_EQ(f.session.display.typingBox(), "0");
    EXPECT_EQ(f.session.display.shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, CancelVariantTest,
    testing::Values(CancelCase{"button", CancelVariant::Button, false, false, false, "0"},
                    CancelCase{"c_key_keeps_the_result", CancelVariant::CKey, true, false, false, "0"},
                    CancelCase{"typed_c_shown_follows_entry", CancelVariant::TypedC, false, false,
                               false, "0"},
                    CancelCase{"delete_keeps_stack_clears_division", CancelVariant::DeleteKey,
                               false, true, false, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasteNumber, AcceptsNumbersOnly)
{
    EngineFixture f;
    f.press("9");
    EXPECT_FALSE(f.engine.PasteNumber("letters"));
    EXPECT_EQ(f.session.display.entry(), "9");
    EXPECT_EQ(f.sounds.beeps(), 1);
    EXPECT_TRUE(f.engine.PasteNumber("  42 "));
    EXPECT_EQ(f.session.display.entry(), "42");
    EXPECT_TRUE(f.engine.PasteNumber("1,234"));
    EXPECT_EQ(f.session.display.entry(), "1234");
    EXPECT_TRUE(f.engine.PasteNumber("007.50"));
    EXPECT_EQ(f.session.display.entry(), "7.5");
}

TEST(PasteNumber, UnreadableClipboardAndHugeNumbersChangeNothing)
{
    EngineFixture f;
    f.press("9");
    f.session.display.openCopyPasteStrip();
    EXPECT_FALSE(f.engine.PasteNumber(std::nullopt));
    EXPECT_FALSE(f.session.display.copyPasteStripOpen());
    EXPECT_EQ(f.sounds.beeps(), 0);
    EXPECT_FALSE(f.engine.PasteNumber("1E999"));
    EXPECT_EQ(f.session.display.entry(), "9");
}

TEST(DeliverResult, MarksTheEntryComplete)
{
    EngineFixture f;
    f.press("5");
    f.engine.deliverResult("0.5");
    EXPECT_TRUE(f.session.engine.operandTaken);
    f.press("7");
    EXPECT_EQ(f.session.display.entry(), "7");
}

} // namespace
} // namespace nuvra::core
