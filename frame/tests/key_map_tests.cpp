#include "frame/key_map.h"

#include <gtest/gtest.h>

namespace nuvra::frame {
namespace {

class KeyMapFixture : public testing::Test {
protected:
    KeyMapFixture() : session(sounds), panel(session), keys(session, panel) {}

    void press(KeyCode key, char typed = 0)
    {
        keys.KeyDown(key);
        if (typed)
            keys.KeyPress(typed);
        keys.KeyUp();
    }

    KeyOutcome withModifier(KeyCode modifier, KeyCode key)
    {
        keys.KeyDown(modifier);
        const KeyOutcome outcome = keys.KeyDown(key, modifier == KeyCode::Shift);
        keys.KeyUp();
        return outcome;
    }

    void type(std::string_view text)
    {
        for (const char c : text) {
            keys.KeyPress(c);
            keys.KeyUp();
        }
    }

    core::CountingFeedback sounds;
    core::Session session;
    RpnPanel panel;
    KeyMap keys;
};

TEST_F(KeyMapFixture, TheCKeyCancelsOnceThoughItAlsoTypesC)
{
    type("5+3=");
    session.engine.resultValue = 8;
    press(KeyCode::C, 'c');
    EXPECT_EQ(session.display.shown(), "0");
    EXPECT_EQ(session.display.entry(), "0");
    EXPECT_EQ(session.engine.resultValue, 0);
    EXPECT_EQ(sounds.beeps(), 0);
}

TEST_F(KeyMapFixture, TypedXAndTheXKeyMultiply)
{
    type("6");
    press(KeyCode::X, 'x');
    type("7=");
    EXPECT_EQ(session.display.shown(), "42");
    type("*2=");
    EXPECT_EQ(session.display.shown(), "84");
}

TEST_F(KeyMapFixture, ShiftZDoesNothingInAlgebraicMode)
{
    type("5");
    withModifier(KeyCode::Shift, KeyCode::Z);
    EXPECT_EQ(session.display.entry(), "5");
    EXPECT_EQ(sounds.beeps(), 0);
    panel.EnterRpnMode();
    withModifier(KeyCode::Shift, KeyCode::Z);
    EXPECT_EQ(sounds.beeps(), 1);
}

TEST_F(KeyMapFixture, ShiftMSwitchesModes)
{
    withModifier(KeyCode::Shift, KeyCode::M);
    EXPECT_TRUE(session.engine.rpnMode);
    withModifier(KeyCode::Shift, KeyCode::S);
    EXPECT_FALSE(panel.panelOpen());
    withModifier(KeyCode::Shift, KeyCode::M);
    EXPECT_FALSE(session.engine.rpnMode);
}

TEST_F(KeyMapFixture, SKeyChangesTheSign)
{
    type("5");
    press(KeyCode::S, 's');
    EXPECT_EQ(session.display.entry(), "-5");
    press(KeyCode::S, 's');
    EXPECT_EQ(session.display.entry(), "5");
}

TEST_F(KeyMapFixture, KeyboardDigitsAndPointStartANewNumberAfterAResult)
{
    type("5+3=.5");
    EXPECT_EQ(session.display.entry(), ".5");
    keys.keypad(KeypadButton::Digit1);
    EXPECT_EQ(session.display.entry(), ".51");
}

TEST_F(KeyMapFixture, ModifierFlagsLastUntilAnyKeyUp)
{
    keys.KeyDown(KeyCode::Control);
    EXPECT_TRUE(keys.ctrlHeld());
    keys.KeyDown(KeyCode::Shift);
    EXPECT_TRUE(keys.shiftHeld());
    keys.KeyUp();
    EXPECT_FALSE(keys.ctrlHeld());
    EXPECT_FALSE(keys.shiftHeld());
    // Without the held flag a letter is no shortcut.
    EXPECT_EQ(keys.KeyDown(KeyCode::H).command, WindowCommand::None);
}

struct ToggleCase {
    const char* name;
    KeyCode key;
    char letter;
};

class ToolboxShortcutTest : public KeyMapFixture, public testing::WithParamInterface<ToggleCase> {};

TEST_P(ToolboxShortcutTest, CtrlLetterTogglesTheToolbox)
{
    const KeyOutcome outcome = withModifier(KeyCode::Control, GetParam().key);
    EXPECT_EQ(outcome.command, WindowCommand::ToggleToolbox);
    EXPECT_EQ(outcome.letter, GetParam().letter);
    EXPECT_EQ(outcome.keepFocus, GetParam().letter == 'Q');
}

INSTANTIATE_TEST_SUITE_P(
    Letters, ToolboxShortcutTest,
    testing::Values(ToggleCase{"variables", KeyCode::A, 'A'},
                    ToggleCase{"history", KeyCode::H, 'H'},
                    ToggleCase{"graph", KeyCode::G, 'G'},
                    ToggleCase{"equation_keeps_focus", KeyCode::Q, 'Q'},
                    ToggleCase{"scientific", KeyCode::S, 'S'},
                    ToggleCase{"statistic", KeyCode::T, 'T'},
                    ToggleCase{"constants", KeyCode::N, 'N'},
                    ToggleCase{"fraction", KeyCode::F, 'F'},
                    ToggleCase{"format", KeyCode::K, 'K'},
                    ToggleCase{"financial", KeyCode::J, 'J'},
                    ToggleCase{"wordify", KeyCode::W, 'W'},
                    ToggleCase{"mortgage", KeyCode::O, 'O'},
                    ToggleCase{"converter", KeyCode::U, 'U'}),
    [](const auto& info) { return std::string(info.param.name); });

struct CommandCase {
    const char* name;
    KeyCode modifier;
    KeyCode key;
    WindowCommand command;
};

class WindowCommandTest : public KeyMapFixture, public testing::WithParamInterface<CommandCase> {};

TEST_P(WindowCommandTest, KeyAsksTheWindows)
{
    const KeyCode modifier = GetParam().modifier;
    const KeyOutcome outcome = modifier == KeyCode::Other
                                   ? keys.KeyDown(GetParam().key)
                                   : withModifier(modifier, GetParam().key);
    EXPECT_EQ(outcome.command, GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WindowCommandTest,
    testing::Values(
        CommandCase{"ctrl_c_copies", KeyCode::Control, KeyCode::C, WindowCommand::CopyShownText},
        CommandCase{"ctrl_v_pastes", KeyCode::Control, KeyCode::V, WindowCommand::PasteNumber},
        CommandCase{"ctrl_e_exit_strip", KeyCode::Control, KeyCode::E, WindowCommand::OpenExitStrip},
        CommandCase{"ctrl_m_control_panel", KeyCode::Control, KeyCode::M,
                    WindowCommand::OpenControlPanel},
        CommandCase{"ctrl_z_settings_panel", KeyCode::Control, KeyCode::Z,
                    WindowCommand::ShowSettingsPanel},
        CommandCase{"f1_butler", KeyCode::Other, KeyCode::F1, WindowCommand::ToggleButler},
        CommandCase{"f2_about", KeyCode::Other, KeyCode::F2, WindowCommand::ShowAbout},
        CommandCase{"f5_reset", KeyCode::Other, KeyCode::F5, WindowCommand::ResetEverything},
        CommandCase{"f6_sound", KeyCode::Other, KeyCode::F6, WindowCommand::ToggleSound},
        CommandCase{"f8_update", KeyCode::Other, KeyCode::F8, WindowCommand::ShowUpdateWindow},
        CommandCase{"unlisted_key", KeyCode::Other, KeyCode::Other, WindowCommand::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyMapFixture, CtrlCDoesNotCancel)
{
    type("42");
    withModifier(KeyCode::Control, KeyCode::C);
    EXPECT_EQ(session.display.entry(), "42");
}

TEST_F(KeyMapFixture, EnterActivatesTheOpenExitStripInsteadOfEquals)
{
    type("5+3");
    keys.setExitStripOpen(true);
    EXPECT_EQ(keys.KeyPress('\r').command, WindowCommand::ActivateExitStrip);
    EXPECT_EQ(keys.KeyDown(KeyCode::Left).command, WindowCommand::ExitStripLeft);
    EXPECT_EQ(keys.KeyDown(KeyCode::Right).command, WindowCommand::ExitStripRight);
    EXPECT_EQ(session.display.entry(), "3");
}

TEST_F(KeyMapFixture, PressedButtonMovesDownUntilKeyUp)
{
    keys.KeyPress('7');
    ASSERT_EQ(keys.pressedButton(), KeypadButton::Digit7);
    EXPECT_EQ(keypadRowTopTwips(*keys.pressedButton()) + kPressOffsetTwips, 865);
    keys.KeyUp();
    EXPECT_FALSE(keys.pressedButton().has_value());
    session.display.settings().decimalsMode = core::DecimalsMode::None;
    keys.KeyPress('.');
    EXPECT_FALSE(keys.pressedButton().has_value());
}

TEST_F(KeyMapFixture, AnyKeyDownClearsTheUndefinedFlag)
{
    type("8/0=");
    ASSERT_TRUE(session.display.undefinedShown());
    keys.KeyDown(KeyCode::Shift);
    EXPECT_FALSE(session.display.undefinedShown());
}

TEST_F(KeyMapFixture, ShiftArrowsAskToMoveTheFrame)
{
    const KeyOutcome outcome = keys.KeyDown(KeyCode::Up, true);
    EXPECT_EQ(outcome.command, WindowCommand::MoveFrame);
    EXPECT_EQ(outcome.direction, Direction::Up);
}

struct MoveCase {
    const char* name;
    TwipsRect frame;
    Direction direction;
    std::optional<int> left;
    std::optional<int> top;
};

class FrameMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(FrameMoveTest, MovesWhileTheFrameStaysOnScreen)
{
    const auto moved = movedFrame(GetParam().frame, 19200, 10800, GetParam().direction);
    ASSERT_EQ(moved.has_value(), GetParam().top.has_value());
    if (moved) {
        EXPECT_EQ(moved->top, *GetParam().top);
        EXPECT_EQ(moved->left, *GetParam().left);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, FrameMoveTest,
    testing::Values(MoveCase{"up_in_the_middle", {5000, 5000, 2910, 3300}, Direction::Up, 5000, 4500},
                    MoveCase{"up_stops_near_the_top", {5000, -1300, 2910, 3300}, Direction::Up,
                             std::nullopt, std::nullopt},
                    MoveCase{"up_last_step", {5000, -1200, 2910, 3300}, Direction::Up, 5000, -1700},
                    MoveCase{"down_stops_near_the_bottom", {5000, 8800, 2910, 3300}, Direction::Down,
                             std::nullopt, std::nullopt},
                    MoveCase{"left", {5000, 5000, 2910, 3300}, Direction::Left, 4500, 5000},
                    MoveCase{"right_stops_near_the_edge", {17200, 5000, 2910, 3300},
                             Direction::Right, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::frame
