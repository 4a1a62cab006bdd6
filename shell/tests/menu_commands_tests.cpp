#include "core/feedback.h"
#include "frame/key_map.h"
#include "frame/rpn_panel.h"
#include "platform/fake_clipboard.h"
#include "platform/fake_settings_backend.h"
#include "shell/menu_commands.h"
#include "shell/settings_store.h"
#include "shell/tests/fake_window_host.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvra::shell {
namespace {

class MenuCommandsTest : public testing::Test {
protected:
    core::CountingFeedback feedback;
    core::Session session{feedback};
    frame::RpnPanel panel{session};
    MenuModel menu;
    FakeToolboxHost toolboxes;
    FakeFrameHost frame;
    sci::ScienceState science;
    platform::FakeClipboard clipboard;
    platform::FakeSettingsBackend backend;
    SettingsStore store{backend};
    MenuCommands commands{menu,  session,   science, panel, toolboxes,
                          frame, clipboard, store,   "https://nuvra.example/"};

    bool enabled(std::string_view name) const { return menu.item(name)->enabled; }
    bool visible(std::string_view name) const { return menu.item(name)->visible; }
    std::string caption(std::string_view name) const { return menu.item(name)->caption; }
};

struct ToggleCase {
    const char* name;
    const char* item;
    Toolbox toolbox;
};

class ToolboxToggleTest : public MenuCommandsTest,
                          public testing::WithParamInterface<ToggleCase> {};

TEST_P(ToolboxToggleTest, OpensThenClosesAndUnloads)
{
    const auto& row = GetParam();

    ASSERT_TRUE(commands.trigger(row.item));
    EXPECT_TRUE(menu.isChecked(row.item));
    EXPECT_TRUE(toolboxes.isVisible(row.toolbox));

    ASSERT_TRUE(commands.trigger(row.item));
    EXPECT_FALSE(menu.isChecked(row.item));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(row.toolbox));
}

INSTANTIATE_TEST_SUITE_P(GenericToolboxes, ToolboxToggleTest,
                         testing::Values(ToggleCase{"equation", "mnufrmfx", Toolbox::Equation},
                                         ToggleCase{"constants", "mnucot", Toolbox::Constants},
                                         ToggleCase{"variables", "mnuvar", Toolbox::Variables},
                                         ToggleCase{"financial", "mnufin", Toolbox::Financial},
                                         ToggleCase{"mortgage", "mnumort", Toolbox::Mortgage},
                                         ToggleCase{"fraction", "mnufrac", Toolbox::Fraction},
                                         ToggleCase{"unit_converter", "mnuconv",
                                                    Toolbox::UnitConverter},
                                         ToggleCase{"format", "mnudec", Toolbox::Format},
                                         ToggleCase{"graph", "mnugra", Toolbox::Graph},
                                         ToggleCase{"wordify", "mnuwrd", Toolbox::Wordify},
                                         ToggleCase{"scientific", "mnusci", Toolbox::Scientific},
                                         ToggleCase{"statistic", "mnustat", Toolbox::Scientific}),
                         [](const auto& info) { return std::string(info.param.name); });

class HiddenToggleTest : public MenuCommandsTest, public testing::WithParamInterface<ToggleCase> {};

TEST_P(HiddenToggleTest, WhileHiddenTheToolboxLoadsInvisiblyAndRestoreShowsIt)
{
    const auto& row = GetParam();
    commands.HideToTray();

    commands.trigger(row.item);

    EXPECT_TRUE(menu.isChecked(row.item));
    EXPECT_TRUE(toolboxes.isToolboxLoaded(row.toolbox));
    EXPECT_FALSE(toolboxes.isVisible(row.toolbox));

    commands.RestoreFromHide();
    EXPECT_TRUE(toolboxes.isVisible(row.toolbox));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HiddenToggleTest,
                         testing::Values(ToggleCase{"equation", "mnufrmfx", Toolbox::Equation},
                                         ToggleCase{"mortgage", "mnumort", Toolbox::Mortgage},
                                         ToggleCase{"constants", "mnucot", Toolbox::Constants},
                                         ToggleCase{"unit_converter", "mnuconv",
                                                    Toolbox::UnitConverter},
                                         ToggleCase{"scientific", "mnusci", Toolbox::Scientific},
                                         ToggleCase{"statistic", "mnustat", Toolbox::Scientific},
                                         ToggleCase{"history", "mnuhis", Toolbox::History},
                                         ToggleCase{"butler", "mnuex", Toolbox::Butler}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandsTest, StatisticWhileScientificSwitchesThePageAndMovesTheCheck)
{
    commands.trigger("mnusci");
    ASSERT_TRUE(menu.isChecked("mnusci"));
    EXPECT_FALSE(menu.isChecked("mnustd"));

    commands.trigger("mnustat");

    EXPECT_TRUE(menu.isChecked("mnustat"));
    EXPECT_FALSE(menu.isChecked("mnusci"));
    EXPECT_FALSE(menu.isChecked("mnustd"));
    // One window with two pages: it was loaded once and is still open.
    EXPECT_EQ(toolboxes.window(Toolbox::Scientific).loads, 1);
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Scientific));
}

TEST_F(MenuCommandsTest, CtrlSClosesAnOpenScientificToolboxAndReopensItOnItsPage)
{
    commands.trigger("mnustat");
    commands.trigger("mnusci"); // switches to the scientific page
    ASSERT_TRUE(menu.isChecked("mnusci"));

    commands.trigger("mnusci");
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Scientific));
    EXPECT_FALSE(menu.isChecked("mnusci"));
    EXPECT_FALSE(menu.isChecked("mnustat"));

    commands.trigger("mnusci");
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Scientific));
    EXPECT_TRUE(menu.isChecked("mnusci"));
}

TEST_F(MenuCommandsTest, StandardViewClosesTheScientificWindowWithABalloon)
{
    commands.trigger("mnusci");

    commands.trigger("mnustd");

    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Scientific));
    EXPECT_TRUE(menu.isChecked("mnustd"));
    EXPECT_FALSE(menu.isChecked("mnusci"));
    ASSERT_EQ(frame.balloons.size(), 1u);
    EXPECT_EQ(frame.balloons[0].first, "Nuvra");
    EXPECT_EQ(frame.balloons[0].second, "Scientific and Statistic toolbars have been disabled.");
}

TEST_F(MenuCommandsTest, AltDigitsChooseTheViewWithoutToggling)
{
    core::KeyOutcome outcome;
    outcome.command = core::WindowCommand::StatisticsPage;
    EXPECT_TRUE(commands.runKey(outcome));
    EXPECT_TRUE(menu.isChecked("mnustat"));
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Scientific));

    outcome.command = core::WindowCommand::ScientificPage;
    EXPECT_TRUE(commands.runKey(outcome));
    EXPECT_TRUE(commands.runKey(outcome)); // again: still open, not closed
    EXPECT_TRUE(menu.isChecked("mnusci"));
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Scientific));

    outcome.command = core::WindowCommand::StandardMode;
    EXPECT_TRUE(commands.runKey(outcome));
    EXPECT_TRUE(menu.isChecked("mnustd"));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Scientific));
    EXPECT_TRUE(frame.balloons.empty());
}

TEST_F(MenuCommandsTest, HistoryIsOnlyHiddenSoItsListsSurvive)
{
    commands.trigger("mnuhis");
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::History));

    commands.trigger("mnuhis");
    EXPECT_FALSE(menu.isChecked("mnuhis"));
    EXPECT_TRUE(toolboxes.isToolboxLoaded(Toolbox::History));
    EXPECT_FALSE(toolboxes.isVisible(Toolbox::History));

    commands.trigger("mnuhis");
    EXPECT_EQ(toolboxes.window(Toolbox::History).loads, 1);
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::History));
}

TEST_F(MenuCommandsTest, ButlerIsOnlyHidden)
{
    commands.trigger("mnuex");
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Butler));

    commands.trigger("mnuex");
    EXPECT_FALSE(menu.isChecked("mnuex"));
    EXPECT_TRUE(toolboxes.isToolboxLoaded(Toolbox::Butler));
    EXPECT_FALSE(toolboxes.isVisible(Toolbox::Butler));

    commands.trigger("mnuex");
    EXPECT_EQ(toolboxes.window(Toolbox::Butler).loads, 1);
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Butler));
}

struct AngleCase {
    const char* name;
    const char* item;
    core::AngularSystem system;
};

class SetAngularSystemTest : public MenuCommandsTest,
                             public testing::WithParamInterface<AngleCase> {};

TEST_P(SetAngularSystemTest, ChecksOneItemAndSetsTheSystem)
{
    const auto& row = GetParam();
    commands.trigger("mnuangleG");

    commands.trigger(row.item);

    EXPECT_EQ(session.angularSystem, row.system);
    for (const char* item : {"mnuangleD", "mnuangleR", "mnuangleG", "mnuangleT"})
        EXPECT_EQ(menu.isChecked(item), std::string(item) == row.item) << item;
}

INSTANTIATE_TEST_SUITE_P(
    Systems, SetAngularSystemTest,
    testing::Values(AngleCase{"degrees", "mnuangleD", core::AngularSystem::Degrees},
                    AngleCase{"radians", "mnuangleR", core::AngularSystem::Radians},
                    AngleCase{"gradians", "mnuangleG", core::AngularSystem::Gradians},
                    AngleCase{"turns", "mnuangleT", core::AngularSystem::Turns}),
    [](const auto& info) { return std::string(info.param.name); });

struct LogCase {
    const char* name;
    const char* item;
    LogKeyMode mode;
};

class LogKeyTest : public MenuCommandsTest, public testing::WithParamInterface<LogCase> {};

TEST_P(LogKeyTest, SetsTheModeAndTheCheck)
{
    const auto& row = GetParam();
    commands.trigger("mnustat");

    commands.trigger(row.item);

    EXPECT_EQ(science.logKeyMode, row.mode);
    for (const char* item : {"logln", "loglog10", "logantie", "loganti10"})
        EXPECT_EQ(menu.isChecked(item), std::string(item) == row.item) << item;
}

INSTANTIATE_TEST_SUITE_P(Modes, LogKeyTest,
                         testing::Values(LogCase{"natural_log", "logln", LogKeyMode::NaturalLog},
                                         LogCase{"log10", "loglog10", LogKeyMode::Log10},
                                         LogCase{"anti_log10", "loganti10", LogKeyMode::AntiLog10},
                                         LogCase{"anti_log_e", "logantie", LogKeyMode::AntiLogE}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandsTest, FinanceModeAndEquationSchemeLoadNoWindow)
{
    commands.trigger("mnufinF0");
    commands.trigger("frmFXUIL");
    EXPECT_TRUE(menu.isChecked("mnufinF0"));
    EXPECT_FALSE(menu.isChecked("mnufinF2"));
    EXPECT_TRUE(menu.isChecked("frmFXUIL"));
    EXPECT_FALSE(menu.isChecked("frmFXUID"));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Financial));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Equation));

    commands.trigger("mnufin");
    commands.trigger("mnufrmfx");
    commands.trigger("mnufinF1");
    commands.trigger("frmFXUID");
    EXPECT_TRUE(menu.isChecked("frmFXUID"));
    EXPECT_TRUE(menu.isChecked("mnufinF1"));
    EXPECT_FALSE(menu.isChecked("mnufinF0"));
}

constexpr std::array kAllFollowers{
    Toolbox::Equation,   Toolbox::Constants, Toolbox::Variables,     Toolbox::Financial,
    Toolbox::Mortgage,   Toolbox::Fraction,  Toolbox::UnitConverter, Toolbox::Format,
    Toolbox::Graph,      Toolbox::History,   Toolbox::Wordify,       Toolbox::Butler,
    Toolbox::Scientific,
};

TEST_F(MenuCommandsTest, HideThenRestoreLeavesEveryCheckedToolboxVisibleAndRevoHidden)
{
    for (const char* item :
         {"mnufrmfx", "mnucot", "mnuvar", "mnufin", "mnumort", "mnufrac", "mnuconv", "mnudec",
          "mnugra", "mnuhis", "mnuwrd", "mnuex", "mnustat", "mnulq"})
        commands.trigger(item);
    menu.setChecked("mnutrayn", true);
    ASSERT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Revo));

    commands.trigger("mnumin");

    EXPECT_TRUE(frame.minimized);
    for (Toolbox toolbox : kAllFollowers) {
        EXPECT_TRUE(toolboxes.isToolboxLoaded(toolbox)) << static_cast<int>(toolbox);
        EXPECT_FALSE(toolboxes.isVisible(toolbox)) << static_cast<int>(toolbox);
    }
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Revo));
    EXPECT_EQ(caption("mnumin"), "&Restore");
    EXPECT_TRUE(visible("mnudiv2"));
    for (const char* item : {"mnucopy", "mnuview", "mnumodechange", "mnupaste", "mnureset"})
        EXPECT_FALSE(enabled(item)) << item;
    EXPECT_TRUE(enabled("mnuedit"));
    EXPECT_TRUE(frame.reminderRunning);
    EXPECT_GE(frame.tooltipHides, 1);
    ASSERT_EQ(frame.balloons.size(), 1u);
    EXPECT_EQ(frame.balloons[0].second, "Hey, I am down here!, Double click on me to pull me "
                                        "back up. Right click to bring up options.");

    const int focusBefore = frame.focusCount;
    commands.trigger("mnumin");

    EXPECT_FALSE(frame.minimized);
    for (Toolbox toolbox : kAllFollowers)
        EXPECT_TRUE(toolboxes.isVisible(toolbox)) << static_cast<int>(toolbox);
    EXPECT_FALSE(toolboxes.isVisible(Toolbox::Revo));
    EXPECT_EQ(caption("mnumin"), "&Hide");
    EXPECT_FALSE(visible("mnudiv2"));
    for (const char* item : {"mnucopy", "mnuview", "mnumodechange", "mnupaste", "mnureset"})
        EXPECT_TRUE(enabled(item)) << item;
    EXPECT_FALSE(frame.reminderRunning);
    EXPECT_EQ(frame.focusCount, focusBefore + 1);
}

TEST_F(MenuCommandsTest, UncheckedToolboxesStayClosedThroughHideAndRestore)
{
    commands.trigger("mnugra");
    commands.HideToTray();
    commands.RestoreFromHide();
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Graph));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Wordify));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Scientific));
    EXPECT_FALSE(toolboxes.isToolboxLoaded(Toolbox::Revo));
}

TEST_F(MenuCommandsTest, BalloonsFollowTrayNotifications)
{
    menu.setChecked("mnutrayn", false);
    commands.HideToTray();
    commands.reminderElapsed();
    EXPECT_TRUE(frame.balloons.empty());
    EXPECT_FALSE(frame.reminderRunning);

    commands.RestoreFromHide();
    menu.setChecked("mnutrayn", true);
    commands.HideToTray();
    commands.reminderElapsed();
    ASSERT_EQ(frame.balloons.size(), 2u);
    EXPECT_EQ(frame.balloons[1].second, "Hey, Just in case you forgot, i am still down here! "
                                        "Double click me to pull me back up.");
    EXPECT_FALSE(frame.reminderRunning);
}

TEST_F(MenuCommandsTest, RestoringWithinTheMinuteStopsTheReminder)
{
    commands.HideToTray();
    ASSERT_TRUE(frame.reminderRunning);
    commands.RestoreFromHide();
    EXPECT_FALSE(frame.reminderRunning);
}

TEST_F(MenuCommandsTest, ALogonStartSitsInTheTrayWithoutTheReminder)
{
    menu.setChecked("mnulq", true);
    commands.startInTray();
    EXPECT_TRUE(frame.minimized);
    EXPECT_EQ(caption("mnumin"), "&Restore");
    EXPECT_TRUE(visible("mnudiv2"));
    EXPECT_FALSE(enabled("mnucopy"));
    EXPECT_FALSE(frame.reminderRunning);
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Revo));
}

TEST_F(MenuCommandsTest, AltRHidesAndBringsBackEachTimeWithThePopup)
{
    commands.hotkeyHideOrRestore();
    EXPECT_TRUE(frame.minimized);
    commands.hotkeyHideOrRestore();
    EXPECT_FALSE(frame.minimized);
    EXPECT_EQ(frame.popups, (std::vector<PopupKind>{PopupKind::Altr, PopupKind::Altr}));
    EXPECT_EQ(menu.flags().popupKind, PopupKind::Altr);
}

TEST_F(MenuCommandsTest, CtrlShiftROnAShownCalculatorOnlyShowsThePopup)
{
    commands.trigger("mnugra");
    commands.hotkeyRestore();
    EXPECT_FALSE(frame.minimized);
    EXPECT_EQ(frame.popups, (std::vector<PopupKind>{PopupKind::Shiftr}));
    EXPECT_EQ(frame.focusCount, 1);

    commands.HideToTray();
    commands.hotkeyRestore();
    EXPECT_FALSE(frame.minimized);
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Graph));
}

TEST_F(MenuCommandsTest, ReshowToolboxesLeavesTheUnitConverterOut)
{
    for (const char* item : {"mnufrac", "mnuconv", "mnuhis", "mnuex", "mnusci"})
        commands.trigger(item);
    for (Toolbox toolbox : {Toolbox::Fraction, Toolbox::UnitConverter, Toolbox::History,
                            Toolbox::Butler, Toolbox::Scientific})
        toolboxes.setToolboxVisible(toolbox, false);

    commands.ReshowToolboxes();

    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Fraction));
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::History));
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Butler));
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Scientific));
    EXPECT_FALSE(toolboxes.isVisible(Toolbox::UnitConverter));
    EXPECT_EQ(frame.focusCount, 1);
}

TEST_F(MenuCommandsTest, ReshowToolboxesShowsNothingWhileInTheTray)
{
    commands.trigger("mnufrac");
    commands.HideToTray();
    commands.ReshowToolboxes();
    EXPECT_FALSE(toolboxes.isVisible(Toolbox::Fraction));
}

TEST_F(MenuCommandsTest, CopyPutsTheShownTextOnTheClipboard)
{
    session.display.setEntry("12.5");
    clipboard.content = "old";

    commands.trigger("mnucopy");

    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.content, "12.5");
    EXPECT_EQ(frame.popups, (std::vector<PopupKind>{PopupKind::Copy}));
    EXPECT_EQ(menu.flags().popupKind, PopupKind::Copy);
    EXPECT_EQ(frame.focusCount, 1);
}

struct PasteCase {
    const char* name;
    const char* clipboard;
    bool accepted;
    const char* entry;
    int beeps;
};

class PasteTest : public MenuCommandsTest, public testing::WithParamInterface<PasteCase> {};

TEST_P(PasteTest, PutsANumberIntoTheEntryOrBeeps)
{
    const auto& row = GetParam();
    session.display.setEntry("42");
    clipboard.content = row.clipboard;

    EXPECT_EQ(commands.paste(), row.accepted);

    EXPECT_EQ(session.display.entry(), row.entry);
    EXPECT_EQ(feedback.beeps(), row.beeps);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteTest,
                         testing::Values(PasteCase{"decimal", "12.5", true, "12.5", 0},
                                         PasteCase{"letters_beep", "abc", false, "42", 1},
                                         PasteCase{"leading_zeros_dropped", "007", true, "7", 0},
                                         PasteCase{"leading_zero_stripped", "0.5", true, ".5", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandsTest, AnUnreadableClipboardEndsPasteSilently)
{
    session.display.setEntry("42");
    clipboard.content = "5";
    clipboard.unreachable = true;
    EXPECT_FALSE(commands.paste());
    EXPECT_EQ(session.display.entry(), "42");
    EXPECT_EQ(feedback.beeps(), 0);
}

TEST_F(MenuCommandsTest, ExitRestoresTheCalculatorThenAsks)
{
    commands.trigger("mnuvar");
    commands.HideToTray();

    commands.trigger("mnusysexit");

    EXPECT_FALSE(frame.minimized);
    EXPECT_TRUE(toolboxes.isVisible(Toolbox::Variables));
    EXPECT_EQ(caption("mnumin"), "&Hide");
    EXPECT_EQ(frame.exitStripShows, 1);
}

struct OptionCase {
    const char* name;
    const char* item;
    bool designChecked;
};

class OptionTest : public MenuCommandsTest, public testing::WithParamInterface<OptionCase> {};

TEST_P(OptionTest, FlipsTheMarkWithoutWritingTheStore)
{
    const auto& row = GetParam();
    ASSERT_EQ(menu.isChecked(row.item), row.designChecked);
    commands.trigger(row.item);
    EXPECT_EQ(menu.isChecked(row.item), !row.designChecked);
    commands.trigger(row.item);
    EXPECT_EQ(menu.isChecked(row.item), row.designChecked);
    EXPECT_EQ(backend.writeCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Options, OptionTest,
                         testing::Values(OptionCase{"popup_notifications", "mnupop", true},
                                         OptionCase{"tray_notifications", "mnutrayn", false},
                                         OptionCase{"launch_at_startup", "mnustar", false},
                                         OptionCase{"check_for_updates", "mnustar8", false},
                                         OptionCase{"digit_grouping", "mnudg", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandsTest, SoundAndSingleActionSetTheirFlags)
{
    commands.trigger("mnuSonus");
    EXPECT_TRUE(menu.isChecked("mnuSonus"));
    EXPECT_TRUE(menu.flags().sound);
    EXPECT_EQ(frame.focusCount, 1);
    commands.trigger("mnu_menu_singleaction");
    EXPECT_TRUE(menu.flags().singleAction);

    commands.trigger("mnuSonus");
    commands.trigger("mnu_menu_singleaction");
    EXPECT_FALSE(menu.flags().sound);
    EXPECT_FALSE(menu.flags().singleAction);
    EXPECT_EQ(backend.writeCount(), 0);
}

TEST_F(MenuCommandsTest, SplashScreenIsSavedAtOnce)
{
    commands.trigger("mnusplash");
    EXPECT_FALSE(menu.isChecked("mnusplash"));
    EXPECT_EQ(store.ReadSetting("Nuvra", "Settings", "Splash", "?"), "0");
    commands.trigger("mnusplash");
    EXPECT_EQ(store.ReadSetting("Nuvra", "Settings", "Splash", "?"), "1");
}

TEST_F(MenuCommandsTest, DonateOpensTheDonationPage)
{
    commands.trigger("mnudonate");
    EXPECT_EQ(frame.urls, (std::vector<std::string>{"https://nuvra.example/donate.htm"}));
}

TEST_F(MenuCommandsTest, ModeItemsSwitchTheCalculatorAndTheirMarks)
{
    commands.trigger("mnumodechange_RPN");
    EXPECT_TRUE(session.engine.rpnMode);
    EXPECT_TRUE(menu.isChecked("mnumodechange_RPN"));
    EXPECT_FALSE(menu.isChecked("mnumodechange_alg"));

    commands.trigger("mnumodechange_alg");
    EXPECT_FALSE(session.engine.rpnMode);
    EXPECT_TRUE(menu.isChecked("mnumodechange_alg"));
    EXPECT_FALSE(menu.isChecked("mnumodechange_RPN"));
}

TEST_F(MenuCommandsTest, ShiftMKeepsTheModeMarksInStep)
{
    frame::KeyMap keys{session, panel};
    keys.KeyDown(core::KeyCode::Shift);
    const core::KeyOutcome outcome = keys.KeyDown(core::KeyCode::M);
    ASSERT_TRUE(session.engine.rpnMode);

    EXPECT_FALSE(commands.runKey(outcome));
    EXPECT_TRUE(menu.isChecked("mnumodechange_RPN"));
    EXPECT_FALSE(menu.isChecked("mnumodechange_alg"));
}

struct LetterCase {
    const char* name;
    core::KeyCode key;
    const char* item;
    const char* popupName;
};

class CtrlLetterTest : public MenuCommandsTest, public testing::WithParamInterface<LetterCase> {};

TEST_P(CtrlLetterTest, TogglesTheToolboxAndShowsTheShortcutPopup)
{
    const auto& row = GetParam();
    frame::KeyMap keys{session, panel};
    keys.KeyDown(core::KeyCode::Control);

    EXPECT_TRUE(commands.runKey(keys.KeyDown(row.key)));

    EXPECT_TRUE(menu.isChecked(row.item));
    ASSERT_EQ(frame.shortcutPopups.size(), 1u);
    EXPECT_EQ(frame.shortcutPopups[0].first, row.popupName);
    EXPECT_EQ(frame.shortcutPopups[0].second, static_cast<char>(row.key));

    EXPECT_TRUE(commands.runKey(keys.KeyDown(row.key)));
    EXPECT_FALSE(menu.isChecked(row.item));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, CtrlLetterTest,
    testing::Values(LetterCase{"variables", core::KeyCode::A, "mnuvar", "Variable Toolbox"},
                    LetterCase{"history", core::KeyCode::H, "mnuhis", "History Toolbox"},
                    LetterCase{"graph", core::KeyCode::G, "mnugra", "Graphing Toolbox"},
                    LetterCase{"equation", core::KeyCode::Q, "mnufrmfx", "Equation Toolbox"},
                    LetterCase{"scientific", core::KeyCode::S, "mnusci", "Scientific Toolbox"},
                    LetterCase{"statistic", core::KeyCode::T, "mnustat", "Statistic Toolbox"},
                    LetterCase{"constants", core::KeyCode::N, "mnucot", "Constant Toolbox"},
                    LetterCase{"fraction", core::KeyCode::F, "mnufrac", "Fractional Toolbox"},
                    LetterCase{"format", core::KeyCode::K, "mnudec", "Format Toolbox"},
                    LetterCase{"financial", core::KeyCode::J, "mnufin", "Financial Toolbox"},
                    LetterCase{"wordify", core::KeyCode::W, "mnuwrd", "Wordify"},
                    LetterCase{"mortgage", core::KeyCode::O, "mnumort", "Mortgage"},
                    LetterCase{"unit_converter", core::KeyCode::U, "mnuconv", "Unit Converter"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandsTest, TheShortcutPopupObeysPopupNotifications)
{
    menu.setChecked("mnupop", false);
    frame::KeyMap keys{session, panel};
    keys.KeyDown(core::KeyCode::Control);
    EXPECT_TRUE(commands.runKey(keys.KeyDown(core::KeyCode::G)));
    EXPECT_TRUE(menu.isChecked("mnugra"));
    EXPECT_TRUE(frame.shortcutPopups.empty());
}

struct KeyCommandCase {
    const char* name;
    core::KeyCode key;
    bool ctrl;
    int FakeFrameHost::*counter;
};

class KeyCommandTest : public MenuCommandsTest,
                       public testing::WithParamInterface<KeyCommandCase> {};

TEST_P(KeyCommandTest, ReachesItsWindow)
{
    const auto& row = GetParam();
    frame::KeyMap keys{session, panel};
    if (row.ctrl)
        keys.KeyDown(core::KeyCode::Control);

    EXPECT_TRUE(commands.runKey(keys.KeyDown(row.key)));
    EXPECT_EQ(frame.*row.counter, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCommandTest,
    testing::Values(
        KeyCommandCase{"about_f2", core::KeyCode::F2, false, &FakeFrameHost::aboutShows},
        KeyCommandCase{"reset_f5", core::KeyCode::F5, false, &FakeFrameHost::resets},
        KeyCommandCase{"update_f8", core::KeyCode::F8, false, &FakeFrameHost::updateWindowShows},
        KeyCommandCase{"exit_strip_ctrl_e", core::KeyCode::E, true, &FakeFrameHost::exitStripShows},
        KeyCommandCase{"control_panel_ctrl_m", core::KeyCode::M, true,
                       &FakeFrameHost::controlPanelOpens},
        KeyCommandCase{"sound_f6_focuses", core::KeyCode::F6, false, &FakeFrameHost::focusCount}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandsTest, KeysForButlerSoundAndSettingsChangeTheirMarks)
{
    frame::KeyMap keys{session, panel};
    EXPECT_TRUE(commands.runKey(keys.KeyDown(core::KeyCode::F1)));
    EXPECT_TRUE(menu.isChecked("mnuex"));
    EXPECT_TRUE(commands.runKey(keys.KeyDown(core::KeyCode::F6)));
    EXPECT_TRUE(menu.flags().sound);
    keys.KeyDown(core::KeyCode::Control);
    EXPECT_TRUE(commands.runKey(keys.KeyDown(core::KeyCode::Z)));
    EXPECT_TRUE(frame.settingsPanelVisible);
}

TEST_F(MenuCommandsTest, KeysThatAreNoMenuCommandAreLeftToTheWindow)
{
    frame::KeyMap keys{session, panel};
    EXPECT_FALSE(commands.runKey(keys.KeyDown(core::KeyCode::Up, true)));
    EXPECT_FALSE(commands.runKey(keys.KeyDown(core::KeyCode::Other)));
    EXPECT_FALSE(commands.trigger("mnudiv1"));
    EXPECT_FALSE(commands.trigger("mnuview"));
    EXPECT_FALSE(commands.trigger("no such item"));
}

TEST_F(MenuCommandsTest, AToolboxsOwnCloseClearsItsMark)
{
    commands.trigger("mnuwrd");
    commands.trigger("mnustat");
    commands.trigger("mnuex");

    commands.toolboxClosed(Toolbox::Wordify);
    commands.toolboxClosed(Toolbox::Scientific);
    commands.toolboxClosed(Toolbox::Butler);

    EXPECT_FALSE(menu.isChecked("mnuwrd"));
    EXPECT_FALSE(menu.isChecked("mnustat"));
    EXPECT_FALSE(menu.isChecked("mnusci"));
    EXPECT_TRUE(menu.isChecked("mnustd")) << "the scientific window's close is the Standard view";
    EXPECT_FALSE(menu.isChecked("mnuex"));
}

} // namespace
} // namespace nuvra::shell
