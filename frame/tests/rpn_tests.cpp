#include "frame/key_map.h"
#include "frame/rpn_panel.h"

#include <gtest/gtest.h>

namespace nuvra::frame {
namespace {

class RpnFixture : public testing::Test {
protected:
    RpnFixture() : session(sounds), panel(session), keys(session, panel) { panel.EnterRpnMode(); }

    // Typed characters go through KeyPress; "E" is Enter.
    void type(std::string_view text)
    {
        for (const char c : text) {
            keys.KeyPress(c == 'E' ? '\r' : c);
            keys.KeyUp();
        }
    }

    void setStack(std::vector<std::string> items, std::string x)
    {
        session.stack.clear();
        for (auto& item : items)
            ASSERT_TRUE(session.stack.push(std::move(item)));
        session.display.setEntry(std::move(x));
    }

    core::CountingFeedback sounds;
    core::Session session;
    RpnPanel panel;
    KeyMap keys;
};

TEST_F(RpnFixture, EnterThenOperatorThenADigitLiftsTheResult)
{
    type("5E3+");
    EXPECT_EQ(session.display.shown(), "8");
    EXPECT_TRUE(session.stack.empty());
    EXPECT_EQ(session.history.expressions(), std::vector<std::string>{" 5 +3"});
    EXPECT_EQ(session.history.results(), std::vector<std::string>{"8"});
    type("2");
    EXPECT_EQ(session.stack.items(), std::vector<std::string>{"8"});
    EXPECT_EQ(session.display.entry(), "2");
}

TEST_F(RpnFixture, KeypadDigitsDoNotLiftTheStack)
{
    type("5E3+");
    keys.keypad(KeypadButton::Digit2);
    EXPECT_EQ(session.display.entry(), "82");
    EXPECT_TRUE(session.stack.empty());
}

TEST_F(RpnFixture, DivisionByZeroIsUndefinedAndDropsY)
{
    type("7E0/");
    EXPECT_EQ(session.display.shown(), "undefined");
    EXPECT_EQ(session.display.entry(), "0");
    EXPECT_TRUE(session.stack.empty());
    EXPECT_TRUE(session.history.expressions().empty());
    EXPECT_FALSE(session.engine.stackLiftPending);
}

TEST_F(RpnFixture, NonCommutativeOperatorsTakeYFirst)
{
    type("9E4-");
    EXPECT_EQ(session.display.entry(), "5");
    type("E2/");
    EXPECT_EQ(session.display.entry(), "2.5");
    EXPECT_EQ(session.history.expressions().back(), " 5 /2");
}

TEST_F(RpnFixture, EnterRefusesAnErrorWord)
{
    type("1E0/");
    ASSERT_EQ(session.display.shown(), "undefined");
    type("E");
    EXPECT_TRUE(session.stack.empty());
    EXPECT_EQ(sounds.beeps(), 1);
}

TEST_F(RpnFixture, OverflowLeavesYAndKeepsTheHistoryInStep)
{
    setStack({"1E308"}, "10");
    keys.KeyDown(KeyCode::X);
    keys.KeyUp();
    EXPECT_EQ(session.display.shown(), "error");
    EXPECT_EQ(session.stack.items(), std::vector<std::string>{"1E308"});
    EXPECT_TRUE(session.history.expressions().empty());
    EXPECT_TRUE(session.history.results().empty());
}

struct StackCase {
    const char* name;
    KeyCode key;
    std::vector<std::string> stack;
    const char* x;
    const char* startX = "4";
};

class StackCommandTest : public RpnFixture, public testing::WithParamInterface<StackCase> {};

TEST_P(StackCommandTest, MovesValuesBetweenStackAndDisplay)
{
    setStack({"1", "2", "3"}, GetParam().startX);
    keys.KeyDown(KeyCode::Shift);
    keys.KeyDown(GetParam().key, true);
    EXPECT_NE(panel.litCommand(), StackCommand::None);
    keys.KeyUp();
    EXPECT_EQ(panel.litCommand(), StackCommand::None);
    EXPECT_EQ(session.stack.items(), GetParam().stack);
    EXPECT_EQ(session.display.entry(), GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(Commands, StackCommandTest,
                         testing::Values(StackCase{"roll", KeyCode::Q, {"4", "1", "2"}, "3"},
                                         StackCase{"swap", KeyCode::A, {"1", "2", "4"}, "3"},
                                         StackCase{"drop", KeyCode::Z, {"1", "2"}, "3"},
                                         StackCase{"roll_keeps_an_x_beyond_the_range", KeyCode::Q,
                                                   {"1E+999", "1", "2"}, "3", "1E+999"},
                                         StackCase{"swap_keeps_an_x_beyond_the_range", KeyCode::A,
                                                   {"1", "2", "1E+999"}, "3", "1E+999"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RpnFixture, EveryStackOperationOnAnEmptyStackBeeps)
{
    for (const char op : std::string_view("+-*/")) {
        keys.KeyPress(op);
        keys.KeyUp();
    }
    for (const KeyCode key : {KeyCode::A, KeyCode::Q, KeyCode::Z}) {
        keys.KeyDown(KeyCode::Shift);
        keys.KeyDown(key, true);
        keys.KeyUp();
    }
    EXPECT_EQ(sounds.beeps(), 7);
    EXPECT_EQ(session.display.entry(), "0");
}

TEST_F(RpnFixture, CancelVariantsAndTheStack)
{
    type("5E6E");
    keys.KeyDown(KeyCode::Delete);
    keys.KeyUp();
    EXPECT_EQ(session.stack.size(), 2u);
    keys.KeyDown(KeyCode::C);
    keys.KeyPress('c');
    keys.KeyUp();
    EXPECT_TRUE(session.stack.empty());
}

TEST(StackPanel, ShowsTwentyFiveLabelledRowsTopFirst)
{
    core::OperandStack stack;
    for (int i = 1; i <= 30; ++i)
        ASSERT_TRUE(stack.push(std::to_string(i)));
    const StackPanelView view = RefreshStackPanel(stack);
    ASSERT_EQ(view.rows.size(), 25u);
    EXPECT_EQ(view.rows.front(), "Y:\t30");
    EXPECT_EQ(view.rows[1], "Z:\t29");
    EXPECT_EQ(view.rows[2], "A:\t28");
    EXPECT_EQ(view.rows.back(), "W:\t6");
    EXPECT_FALSE(view.showEmptyLabel);
    EXPECT_TRUE(RefreshStackPanel(core::OperandStack{}).showEmptyLabel);
}

TEST(StackPanel, TheBottomEntriesBeyondTheRowsAreStillUsed)
{
    core::CountingFeedback sounds;
    core::Session session(sounds);
    RpnPanel panel(session);
    KeyMap keys(session, panel);
    panel.EnterRpnMode();
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(session.stack.push("1"));
    for (int i = 0; i < 30; ++i) {
        keys.KeyPress('+');
        keys.KeyUp();
    }
    EXPECT_EQ(session.display.entry(), "30");
    EXPECT_TRUE(session.stack.empty());
}

TEST(RpnMode, SwitchingToAlgebraicEmptiesTheStack)
{
    core::CountingFeedback sounds;
    core::Session session(sounds);
    RpnPanel panel(session);
    panel.EnterRpnMode();
    EXPECT_EQ(panel.frameWidthTwips(), 4770);
    ASSERT_TRUE(session.stack.push("5"));
    panel.EnterAlgebraicMode();
    EXPECT_FALSE(session.engine.rpnMode);
    EXPECT_EQ(panel.frameWidthTwips(), 2910);
    panel.EnterRpnMode();
    EXPECT_TRUE(RefreshStackPanel(session.stack).showEmptyLabel);
}

TEST(RpnMode, PanelToggleOnlyInRpnMode)
{
    core::CountingFeedback sounds;
    core::Session session(sounds);
    RpnPanel panel(session);
    panel.togglePanel();
    EXPECT_FALSE(panel.panelOpen());
    panel.EnterRpnMode();
    panel.togglePanel();
    EXPECT_FALSE(panel.panelOpen());
    EXPECT_EQ(panel.frameWidthTwips(), 2910);
    EXPECT_EQ(panel.SaveModeState(), "2");
}

struct ModeStateCase {
    const char* name;
    const char* stored;
    bool rpn;
    bool panelOpen;
    const char* saved;
};

class ModeStateTest : public testing::TestWithParam<ModeStateCase> {};

TEST_P(ModeStateTest, RoundTrips)
{
    core::CountingFeedback sounds;
    core::Session session(sounds);
    RpnPanel panel(session);
    panel.applyModeState(GetParam().stored);
    EXPECT_EQ(session.engine.rpnMode, GetParam().rpn);
    EXPECT_EQ(panel.panelOpen(), GetParam().panelOpen);
    EXPECT_EQ(panel.SaveModeState(), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Values, ModeStateTest,
                         testing::Values(ModeStateCase{"algebraic", "0", false, false, "0"},
                                         ModeStateCase{"rpn_panel_open", "1", true, true, "1"},
                                         ModeStateCase{"rpn_panel_closed", "2", true, false, "2"},
                                         ModeStateCase{"garbage_is_algebraic", "x1", false, false, "0"},
                                         ModeStateCase{"empty_is_algebraic", "", false, false, "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::frame

#include "frame/gear_dialog.h"

namespace nuvra::frame {
namespace {

TEST(GearSlide, OpensToTheFramesRightEdgeAndClosesBehindTheMainWindow)
{
    GearSlide slide;
    EXPECT_FALSE(slide.step());
    slide.open();
    int steps = 0;
    while (slide.step())
        ++steps;
    EXPECT_EQ(slide.leftTwips(), 2910);
    EXPECT_EQ(steps, 208); // 840 + 208 x 10 = 2920, the first left above 2910
    EXPECT_TRUE(slide.visible());
    slide.close();
    while (slide.step()) {
    }
    EXPECT_EQ(slide.leftTwips(), 840);
    EXPECT_FALSE(slide.visible());
}

TEST(GearSlide, OfferedOnlyWhileTheStoredChoiceIsOne)
{
    EXPECT_TRUE(gearDialogOffered("1"));
    EXPECT_FALSE(gearDialogOffered("0"));
    EXPECT_FALSE(gearDialogOffered("yes"));
}

} // namespace
} // namespace nuvra::frame
