#include "core/feedback.h"
#include "core/session.h"
#include "sci/operand_strip.h"
#include "sci/science_state.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace nuvra::sci {
namespace {

using History = std::vector<std::pair<std::string, std::string>>;

class OperandStripTest : public testing::Test {
protected:
    void open(OperandMode mode, const char* display)
    {
        session.display.setEntry(display);
        strip().OpenOperandStrip(mode, state.taxRate);
    }

    void type(std::string_view keys)
    {
        for (char key : keys)
            strip().typeKey(key);
    }

    void enter() { strip().ApplyOperand(session, state.taxRate, ApplyTrigger::EnterKey, false); }

    void pressContinue()
    {
        strip().ApplyOperand(session, state.taxRate, ApplyTrigger::ContinueButton, false);
    }

    History history() const
    {
        History lines;
        for (std::size_t i = 0; i < session.history.expressions().size(); ++i)
            lines.emplace_back(session.history.expressions()[i], session.history.results()[i]);
        return lines;
    }

    OperandStrip& strip() { return state.operandStrip; }

    core::CountingFeedback feedback;
    core::Session session{feedback};
    ScienceState state;
};

struct StripCase {
    const char* name;
    OperandMode mode;
    const char* display;
    const char* typed;
    const char* entry;
    History history;
};

class OperandStripResultTest : public OperandStripTest,
                               public testing::WithParamInterface<StripCase> {};

TEST_P(OperandStripResultTest, DeliversTheResult)
{
    const StripCase& row = GetParam();
    open(row.mode, row.display);
    type(row.typed);
    enter();
    EXPECT_EQ(strip().state(), StripState::Result);
    EXPECT_EQ(session.display.entry(), row.entry);
    EXPECT_EQ(history(), row.history);
    EXPECT_EQ(feedback.clicks(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Results, OperandStripResultTest,
    testing::Values(StripCase{"power", OperandMode::Power, "2", "10", "1024", {{"2 ^ 10", "1024"}}},
                    StripCase{"root", OperandMode::Root, "27", "3", "3", {{"3 root27", "3"}}},
                    StripCase{
                        "percent", OperandMode::Percent, "200", "15", "30", {{"15% (200 )", "30"}}},
                    StripCase{"minus_and_point_are_swallowed",
                              OperandMode::Power,
                              "2",
                              "-1.5",
                              "32768",
                              {{"2 ^ 15", "32768"}}}),
    [](const testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

TEST_F(OperandStripTest, OpeningShowsTheWaitingStrip)
{
    open(OperandMode::Root, "27");
    const StripView& view = strip().view();
    EXPECT_EQ(strip().state(), StripState::Waiting);
    EXPECT_EQ(view.panel, OperandMode::Root);
    EXPECT_TRUE(view.entryShown);
    EXPECT_TRUE(view.awaitShown);
    EXPECT_TRUE(view.continueShown);
    EXPECT_FALSE(view.doneShown);
    EXPECT_FALSE(view.errorShown);
    EXPECT_TRUE(view.windowShown);
    EXPECT_EQ(view.focus, StripFocus::Entry);
    EXPECT_EQ(strip().entryText(), "");
    EXPECT_EQ(operandModeTexts(OperandMode::Root).instruction, "In the 'n'th root of 'x',      ");
}

TEST_F(OperandStripTest, ResultLeavesTheEngineFlags)
{
    session.engine.operandTaken = false;
    session.engine.clearOnDigit = false;
    open(OperandMode::Power, "3");
    type("2");
    enter();
    EXPECT_EQ(session.display.entry(), "9");
    EXPECT_FALSE(session.engine.operandTaken);
    EXPECT_FALSE(session.engine.clearOnDigit);
    EXPECT_FALSE(strip().view().helpPanelShown);
    EXPECT_EQ(strip().view().focus, StripFocus::ContinueButton);
}

TEST_F(OperandStripTest, TaxRateReplacesTheSelectedRate)
{
    open(OperandMode::TaxRate, "100");
    EXPECT_EQ(strip().entryText(), "5");
    EXPECT_TRUE(strip().view().entrySelected);
    type("7");
    enter();
    EXPECT_EQ(state.taxRate, 7.0f);
    EXPECT_EQ(strip().state(), StripState::Result);
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(session.display.entry(), "100");
}

TEST_F(OperandStripTest, EntryFieldFilter)
{
    EXPECT_TRUE(OperandStrip::acceptsKey('7'));
    EXPECT_TRUE(OperandStrip::acceptsKey('\b'));
    EXPECT_FALSE(OperandStrip::acceptsKey('-'));
    EXPECT_FALSE(OperandStrip::acceptsKey('.'));
    open(OperandMode::Power, "2");
    type("12\b3");
    EXPECT_EQ(strip().entryText(), "13");
}

TEST_F(OperandStripTest, EmptyEntryIsInvalidAndContinueCloses)
{
    open(OperandMode::Percent, "50");
    enter();
    EXPECT_EQ(strip().state(), StripState::Invalid);
    EXPECT_TRUE(strip().view().errorShown);
    EXPECT_FALSE(strip().view().awaitShown);
    EXPECT_EQ(session.display.entry(), "50");
    EXPECT_EQ(feedback.clicks(), 1);
    pressContinue();
    EXPECT_EQ(strip().state(), StripState::Closed);
    EXPECT_FALSE(strip().view().windowShown);
    EXPECT_EQ(feedback.clicks(), 2);
}

TEST_F(OperandStripTest, ResetKeepsTheWindowWhenTheButlerCommandIsOn)
{
    open(OperandMode::Power, "2");
    type("3");
    enter();
    strip().pressEnterOnContinue(true);
    EXPECT_EQ(strip().state(), StripState::Closed);
    EXPECT_TRUE(strip().view().windowShown);
    EXPECT_TRUE(strip().view().helpPanelShown);
}

TEST_F(OperandStripTest, InvalidThenValidShowsBothIndicators)
{
    open(OperandMode::Power, "2");
    enter();
    ASSERT_EQ(strip().state(), StripState::Invalid);
    type("4");
    enter();
    EXPECT_EQ(strip().state(), StripState::Result);
    EXPECT_TRUE(strip().view().errorShown);
    EXPECT_EQ(session.display.entry(), "16");
}

TEST_F(OperandStripTest, RootOfZeroLeavesTheStripWaiting)
{
    open(OperandMode::Root, "27");
    type("0");
    enter();
    EXPECT_EQ(strip().state(), StripState::Waiting);
    EXPECT_TRUE(strip().view().awaitShown);
    EXPECT_EQ(strip().entryText(), "0");
    EXPECT_EQ(session.display.entry(), "27");
    EXPECT_EQ(feedback.clicks(), 0);
}

TEST_F(OperandStripTest, OverflowByEnterKeepsTheTypedText)
{
    open(OperandMode::Power, "10");
    type("400");
    enter();
    EXPECT_EQ(strip().state(), StripState::Invalid);
    EXPECT_TRUE(strip().view().entryShown);
    EXPECT_EQ(strip().entryText(), "400");
    EXPECT_EQ(session.display.entry(), "10");
    EXPECT_EQ(feedback.clicks(), 0);
}

TEST_F(OperandStripTest, OverflowByContinueEmptiesTheEntry)
{
    open(OperandMode::Power, "10");
    type("400");
    pressContinue();
    EXPECT_EQ(strip().state(), StripState::Invalid);
    EXPECT_FALSE(strip().view().entryShown);
    EXPECT_EQ(strip().entryText(), "");
}

TEST_F(OperandStripTest, PastedNumberIsUsedUnchanged)
{
    open(OperandMode::Power, "4");
    strip().pasteText("0.5");
    enter();
    EXPECT_EQ(session.display.entry(), "2");
    EXPECT_EQ(history(), (History{{"4 ^ 0.5", "2"}}));
}

TEST_F(OperandStripTest, PastedTextThatIsNoNumberIsInvalid)
{
    open(OperandMode::Power, "4");
    strip().pasteText("abc");
    enter();
    EXPECT_EQ(strip().state(), StripState::Invalid);
}

TEST_F(OperandStripTest, NegativeBaseWithFractionalExponentIsSilent)
{
    open(OperandMode::Power, "-8");
    strip().pasteText("0.5");
    enter();
    EXPECT_EQ(strip().state(), StripState::Waiting);
    EXPECT_EQ(session.display.entry(), "-8");
}

TEST_F(OperandStripTest, DisplayThatIsNoNumberCountsAsInvalid)
{
    open(OperandMode::Percent, "3/4");
    type("10");
    enter();
    EXPECT_EQ(strip().state(), StripState::Invalid);
    EXPECT_EQ(session.display.entry(), "3/4");
}

TEST_F(OperandStripTest, OpeningAgainFromAResultWaitsAfresh)
{
    open(OperandMode::Power, "2");
    type("2");
    enter();
    ASSERT_EQ(strip().state(), StripState::Result);
    strip().OpenOperandStrip(OperandMode::Percent, state.taxRate);
    EXPECT_EQ(strip().state(), StripState::Waiting);
    EXPECT_TRUE(strip().view().helpPanelShown);
    EXPECT_EQ(strip().view().panel, OperandMode::Percent);
}

} // namespace
} // namespace nuvra::sci
