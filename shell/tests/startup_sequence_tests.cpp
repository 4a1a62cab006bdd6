#include "core/feedback.h"
#include "frame/rpn_panel.h"
#include "platform/fake_clipboard.h"
#include "platform/fake_settings_backend.h"
#include "platform/fake_startup_list.h"
#include "shell/menu_commands.h"
#include "shell/settings_store.h"
#include "shell/startup_sequence.h"
#include "shell/tests/fake_window_host.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace nuvra::shell {
namespace {

// Records the keys in the order they are written, over the in-memory store.
class RecordingBackend final : public platform::SettingsBackend {
public:
    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) const override
    {
        return m_store.read(application, section, key);
    }
    core::Result<void, platform::SettingsFailure> write(std::string_view application,
                                                        std::string_view section,
                                                        std::string_view key,
                                                        std::string_view value) override
    {
        written.push_back(std::string(section) + "/" + std::string(key));
        return m_store.write(application, section, key, value);
    }

    std::vector<std::string> written;

private:
    platform::FakeSettingsBackend m_store;
};

class StartupTest : public testing::Test {
protected:
    void put(std::string_view section, std::string_view key, std::string_view value)
    {
        ASSERT_TRUE(backend.write("Nuvra", section, key, value));
        backend.written.clear();
    }
    std::string stored(std::string_view section, std::string_view key)
    {
        return store.ReadSetting("Nuvra", section, key, "<absent>");
    }

    RecordingBackend backend;
    SettingsStore store{backend};
    core::CountingFeedback feedback;
    core::Session session{feedback};
    frame::RpnPanel panel{session};
    MenuModel menu;
};

// 1920 x 1080 pixels at 15 twips per pixel.
constexpr int kScreenWidth = 28800;
constexpr int kScreenHeight = 16200;

TEST_F(StartupTest, AFirstStartWithAnEmptyStoreUsesEveryDefault)
{
    EXPECT_EQ(loadSplashSettings(store, menu, {}), StartMode::Splash);
    const std::string variables = loadMainWindowSettings(store, menu, session);
    panel.applyModeState(store.ReadSetting("Nuvra", "Settings", "Mode State", "0"));
    menu.checkInGroup(panel.rpnMode() ? "mnumodechange_RPN" : "mnumodechange_alg");

    EXPECT_TRUE(menu.isChecked("mnusplash"));
    EXPECT_FALSE(menu.isChecked("mnuSonus"));
    EXPECT_FALSE(menu.flags().sound);
    EXPECT_TRUE(menu.isChecked("mnupop"));
    EXPECT_TRUE(menu.isChecked("mnutrayn"));
    EXPECT_TRUE(menu.isChecked("mnu_menu_singleaction"));
    EXPECT_TRUE(menu.flags().singleAction);
    EXPECT_FALSE(menu.isChecked("mnustar"));
    EXPECT_FALSE(menu.isChecked("mnustar8"));
    EXPECT_TRUE(menu.isChecked("mnuangleD"));
    EXPECT_EQ(session.angularSystem, core::AngularSystem::Degrees);
    EXPECT_TRUE(menu.isChecked("mnumodechange_alg"));
    EXPECT_FALSE(session.engine.rpnMode);
    EXPECT_EQ(variables, "$");
    EXPECT_EQ(readFramePosition(store, kScreenWidth, kScreenHeight),
              (platform::TwipsPoint{12945, 6443}));
}

TEST_F(StartupTest, EveryStartWritesTheVersionAndBuild)
{
    loadMainWindowSettings(store, menu, session);
    EXPECT_EQ(stored("Version", "Version"), "1.4.1");
    EXPECT_EQ(stored("Version", "Build"), "20150511");
    EXPECT_EQ(backend.written, (std::vector<std::string>{"Version/Version", "Version/Build"}));

    loadMainWindowSettings(store, menu, session, "2.0.3");
    EXPECT_EQ(stored("Version", "Version"), "2.0.3");
}

TEST_F(StartupTest, TheVariablesTextIsHandedOn)
{
    put("Settings", "Variables", "a$b$");
    EXPECT_EQ(loadMainWindowSettings(store, menu, session), "a$b$");
}

struct FlagCase {
    const char* name;
    const char* key;
    const char* value; // nullptr: absent
    const char* item;
    bool expected;
};

class FlagReadTest : public StartupTest, public testing::WithParamInterface<FlagCase> {};

TEST_P(FlagReadTest, OneChecksZeroClearsOtherNumbersKeepTheDesignState)
{
    const auto& row = GetParam();
    if (row.value)
        put("Settings", row.key, row.value);

    loadSplashSettings(store, menu, {});
    loadMainWindowSettings(store, menu, session);

    EXPECT_EQ(menu.isChecked(row.item), row.expected);
    if (std::string(row.item) == "mnuSonus") {
        EXPECT_EQ(menu.flags().sound, row.expected);
    }
    if (std::string(row.item) == "mnu_menu_singleaction") {
        EXPECT_EQ(menu.flags().singleAction, row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FlagReadTest,
    testing::Values(
        FlagCase{"sound_on", "Sonus", "1", "mnuSonus", true},
        FlagCase{"sound_off", "Sonus", "0", "mnuSonus", false},
        FlagCase{"sound_other_number_keeps_off", "Sonus", "5", "mnuSonus", false},
        FlagCase{"sound_garbage_is_default_off", "Sonus", "loud", "mnuSonus", false},
        FlagCase{"single_action_off", "Menu Single Action", "0", "mnu_menu_singleaction", false},
        FlagCase{"single_action_other_number_keeps_design_off", "Menu Single Action", "7",
                 "mnu_menu_singleaction", false},
        FlagCase{"single_action_garbage_is_default_on", "Menu Single Action", "x1",
                 "mnu_menu_singleaction", true},
        FlagCase{"updates_on", "Check for Updates on Startup", "1", "mnustar8", true},
        FlagCase{"updates_99_keeps_off", "Check for Updates on Startup", "99", "mnustar8", false},
        FlagCase{"popup_on", "Popup Notifications", "1", "mnupop", true},
        FlagCase{"popup_zero_off", "Popup Notifications", "0", "mnupop", false},
        FlagCase{"popup_other_number_off", "Popup Notifications", "2", "mnupop", false},
        FlagCase{"popup_garbage_is_default_on", "Popup Notifications", "yes", "mnupop", true},
        FlagCase{"launch_on", "Launch at Startup", "1", "mnustar", true},
        FlagCase{"launch_decimal_one_on", "Launch at Startup", "1.0", "mnustar", true},
        FlagCase{"tray_off", "MinNotif", "0", "mnutrayn", false},
        FlagCase{"tray_other_number_keeps_design_off", "MinNotif", "3", "mnutrayn", false},
        FlagCase{"tray_garbage_is_default_on", "MinNotif", "?", "mnutrayn", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct AngleReadCase {
    const char* name;
    const char* value;
    const char* checkedItem; // nullptr: none
    core::AngularSystem system;
};

class AngleReadTest : public StartupTest, public testing::WithParamInterface<AngleReadCase> {};

TEST_P(AngleReadTest, ZeroToThreeCheckTheirItem)
{
    const auto& row = GetParam();
    menu.checkInGroup("mnuangleT");
    put("Settings", "Angular System", row.value);

    loadMainWindowSettings(store, menu, session);

    for (const char* item : {"mnuangleD", "mnuangleR", "mnuangleG", "mnuangleT"})
        EXPECT_EQ(menu.isChecked(item), row.checkedItem && std::string(item) == row.checkedItem)
            << item;
    EXPECT_EQ(session.angularSystem, row.system);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AngleReadTest,
    testing::Values(
        AngleReadCase{"degrees", "0", "mnuangleD", core::AngularSystem::Degrees},
        AngleReadCase{"radians", "1", "mnuangleR", core::AngularSystem::Radians},
        AngleReadCase{"gradians", "2", "mnuangleG", core::AngularSystem::Gradians},
        AngleReadCase{"turns", "3", "mnuangleT", core::AngularSystem::Turns},
        AngleReadCase{"half_rounds_to_even", "2.5", "mnuangleG", core::AngularSystem::Gradians},
        AngleReadCase{"fraction_rounds", "0.6", "mnuangleR", core::AngularSystem::Radians},
        AngleReadCase{"garbage_is_default_degrees", "rad", "mnuangleD",
                      core::AngularSystem::Degrees},
        AngleReadCase{"four_checks_none", "4", nullptr, core::AngularSystem::Degrees},
        AngleReadCase{"negative_checks_none", "-1", nullptr, core::AngularSystem::Degrees}),
    [](const auto& info) { return std::string(info.param.name); });

struct StartModeCase {
    const char* name;
    std::vector<std::string> arguments;
    bool launch;
    const char* splash;
    StartMode expected;
};

class StartModeTest : public testing::TestWithParam<StartModeCase> {};

TEST_P(StartModeTest, ChoosesHowTheCalculatorStarts)
{
    const auto& row = GetParam();
    EXPECT_EQ(StartModeFor(row.arguments, row.launch, row.splash), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StartModeTest,
    testing::Values(
        StartModeCase{"normal_with_splash", {}, false, "1", StartMode::Splash},
        StartModeCase{"splash_off", {}, true, "0", StartMode::NoSplash},
        StartModeCase{"other_splash_text_keeps_splash", {}, false, "no", StartMode::Splash},
        StartModeCase{"logon_with_launch_on", {"4"}, true, "0", StartMode::HiddenInTray},
        StartModeCase{"logon_with_launch_off_ends", {"4"}, false, "1", StartMode::EndAtOnce},
        StartModeCase{"other_argument_is_normal", {"5"}, true, "1", StartMode::Splash},
        StartModeCase{"extra_argument_is_normal", {"4", "x"}, true, "0", StartMode::NoSplash}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, SplashZeroShowsTheFrameAtOnceAndClearsTheMark)
{
    put("Settings", "Splash", "0");
    EXPECT_EQ(loadSplashSettings(store, menu, {}), StartMode::NoSplash);
    EXPECT_FALSE(menu.isChecked("mnusplash"));
}

TEST_F(StartupTest, ALogonStartWithLaunchOnSitsInTheTrayReadingRestore)
{
    put("Settings", "Launch at Startup", "1");
    ASSERT_EQ(loadSplashSettings(store, menu, {"4"}), StartMode::HiddenInTray);
    EXPECT_TRUE(menu.isChecked("mnustar"));

    FakeToolboxHost toolboxes;
    FakeFrameHost frame;
    sci::ScienceState science;
    platform::FakeClipboard clipboard;
    MenuCommands commands{menu, session, science, panel, toolboxes, frame, clipboard, store, ""};
    commands.startInTray();
    EXPECT_TRUE(frame.minimized);
    EXPECT_EQ(menu.item("mnumin")->caption, "&Restore");
}

TEST_F(StartupTest, ALogonStartWithLaunchOffEndsAtOnce)
{
    put("Settings", "Launch at Startup", "0");
    EXPECT_EQ(loadSplashSettings(store, menu, {"4"}), StartMode::EndAtOnce);
}

struct PositionCase {
    const char* name;
    const char* top; // nullptr: absent
    const char* left;
    int screenWidth;
    int screenHeight;
    platform::TwipsPoint expected;
};

class FramePositionTest : public StartupTest, public testing::WithParamInterface<PositionCase> {};

TEST_P(FramePositionTest, ReadsTheStoredPositionOrCentres)
{
    const auto& row = GetParam();
    if (row.top)
        put("Position", "Top", row.top);
    if (row.left)
        put("Position", "Left", row.left);
    EXPECT_EQ(readFramePosition(store, row.screenWidth, row.screenHeight), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FramePositionTest,
    testing::Values(
        PositionCase{"absent_is_centred", nullptr, nullptr, 28800, 16200, {12945, 6443}},
        // Halves round to whole twips, away from zero.
        PositionCase{"odd_screen_halves", nullptr, nullptr, 19201, 12001, {8146, 4344}},
        // 2^24 + 1 is not a single-precision number and reads as 2^24.
        PositionCase{"single_precision", nullptr, nullptr, 16777217, 16777217, {8387153, 8386951}},
        PositionCase{"stored", "1500", "-300.5", 28800, 16200, {-301, 1500}},
        PositionCase{"garbage_is_default", "top", "12a", 28800, 16200, {12945, 6443}}),
    [](const auto& info) { return std::string(info.param.name); });

class ExitTest : public StartupTest {
protected:
    platform::FakeStartupList startupList;
};

TEST_F(ExitTest, WritesEveryKeyInOrder)
{
    ExitSettings exit;
    exit.framePosition = {12945, 6443};
    exit.programFolder = "/opt/nuvra/bin";
    exit.variablesText = [this] {
        backend.written.push_back("<variables saved>");
        return std::string("x$y$");
    };
    menu.setChecked("mnuSonus", true);
    menu.setChecked("mnupop", false);
    session.angularSystem = core::AngularSystem::Radians;

    saveExitSettings(store, startupList, menu, session, panel, exit);

    EXPECT_EQ(backend.written,
              (std::vector<std::string>{
                  "Position/Top", "Position/Left", "Settings/Popup Notifications",
                  "<variables saved>", "Settings/Variables", "Settings/Angular System",
                  "Settings/Sonus", "Settings/Mode State", "Settings/Launch at Startup",
                  "Settings/Check for Updates on Startup", "Settings/MinNotif",
                  "Settings/Menu Single Action"}));
    EXPECT_EQ(stored("Position", "Top"), "6443");
    EXPECT_EQ(stored("Position", "Left"), "12945");
    EXPECT_EQ(stored("Settings", "Popup Notifications"), "0");
    EXPECT_EQ(stored("Settings", "Variables"), "x$y$");
    EXPECT_EQ(stored("Settings", "Angular System"), "1");
    EXPECT_EQ(stored("Settings", "Sonus"), "1");
    EXPECT_EQ(stored("Settings", "Mode State"), "0");
    EXPECT_EQ(stored("Settings", "Launch at Startup"), "0");
    EXPECT_EQ(stored("Settings", "Check for Updates on Startup"), "0");
    EXPECT_EQ(stored("Settings", "MinNotif"), "0");
    EXPECT_EQ(stored("Settings", "Menu Single Action"), "0");
}

TEST_F(ExitTest, RpnModeWithTheStackPanelClosedStoresModeState2)
{
    panel.EnterRpnMode();
    panel.togglePanel();
    saveExitSettings(store, startupList, menu, session, panel, {});
    EXPECT_EQ(stored("Settings", "Mode State"), "2");
}

TEST_F(ExitTest, LaunchAtStartupCheckedForTheFirstTimeAddsTheLogonEntry)
{
    menu.setChecked("mnustar", true);
    ExitSettings exit;
    exit.programFolder = "/opt/nuvra/bin";

    saveExitSettings(store, startupList, menu, session, panel, exit);

    const auto entry = startupList.entry("Nuvra");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->arguments, (std::vector<std::string>{"4"}));
    EXPECT_EQ(stored("Settings", "Launch at Startup"), "1");
    // The updater's option was never stored, so its first exit removes any entry.
    EXPECT_EQ(startupList.removeCount(), 1);
}

TEST_F(ExitTest, WithoutAVariablesSaverTheStoredListStays)
{
    put("Settings", "Variables", "kept$");
    saveExitSettings(store, startupList, menu, session, panel, {});
    EXPECT_EQ(stored("Settings", "Variables"), "kept$");
}

struct ScheduleCase {
    const char* name;
    const char* lastChecked;
    CalendarTime now;
    bool start;
    std::optional<std::string> write;
};

class ScheduleTest : public testing::TestWithParam<ScheduleCase> {};

TEST_P(ScheduleTest, StartsTheUpdaterEverySixCalendarMonths)
{
    const auto& row = GetParam();
    const UpdateSchedule schedule = CheckForUpdatesSchedule(row.lastChecked, row.now);
    EXPECT_EQ(schedule.startUpdater, row.start);
    EXPECT_EQ(schedule.writeLastChecked, row.write);
}

constexpr CalendarTime kNow{2026, 12, 11, 5, 30, 0};

INSTANTIATE_TEST_SUITE_P(
    Dates, ScheduleTest,
    testing::Values(
        ScheduleCase{"first_start", "first", kNow, true, "2026-12-11T05:30:00"},
        ScheduleCase{"five_months_ago", "2026-07-11T05:30:00", kNow, false, std::nullopt},
        ScheduleCase{"six_months_ago", "2026-06-11", kNow, true, std::nullopt},
        // Calendar months, not days: 30 June to 1 December is six months by the month fields.
        ScheduleCase{"six_calendar_months_fewer_days", "2026-06-30T23:59:59",
                     CalendarTime{2026, 12, 1, 0, 0, 0}, true, std::nullopt},
        ScheduleCase{"across_the_year", "2025-12-31", CalendarTime{2026, 6, 1, 0, 0, 0}, true,
                     std::nullopt},
        ScheduleCase{"five_across_the_year", "2025-12-01", CalendarTime{2026, 5, 31, 0, 0, 0},
                     false, std::nullopt},
        ScheduleCase{"future_date", "2027-12-11", kNow, false, std::nullopt},
        ScheduleCase{"garbage", "last tuesday", kNow, false, std::nullopt},
        ScheduleCase{"empty", "", kNow, false, std::nullopt},
        ScheduleCase{"impossible_day", "2026-02-30", kNow, false, std::nullopt},
        ScheduleCase{"impossible_hour", "2026-01-01T24:00:00", kNow, false, std::nullopt},
        ScheduleCase{"first_is_case_sensitive", "First", kNow, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, TheScheduleStoresTheFirstCheckOnly)
{
    EXPECT_TRUE(runUpdateSchedule(store, kNow));
    EXPECT_EQ(stored("Version", "Last Checked"), "2026-12-11T05:30:00");

    // Six months later the updater starts and records the date itself.
    EXPECT_TRUE(runUpdateSchedule(store, CalendarTime{2027, 6, 1, 8, 0, 0}));
    EXPECT_EQ(stored("Version", "Last Checked"), "2026-12-11T05:30:00");
    EXPECT_FALSE(runUpdateSchedule(store, CalendarTime{2027, 5, 31, 8, 0, 0}));
}

TEST(DateText, ReadsWhatItWritesAndLeapDays)
{
    EXPECT_EQ(readDateText("2024-02-29"), (CalendarTime{2024, 2, 29, 0, 0, 0}));
    EXPECT_EQ(readDateText("2023-02-29"), std::nullopt);
    EXPECT_EQ(readDateText("1900-02-29"), std::nullopt);
    EXPECT_EQ(readDateText("2000-02-29T23:59:59"), (CalendarTime{2000, 2, 29, 23, 59, 59}));
    EXPECT_EQ(readDateText("2026-1-01"), std::nullopt);
    EXPECT_EQ(readDateText("2026-12-11 05:30:00"), std::nullopt);
    EXPECT_EQ(dateTimeText(CalendarTime{987, 3, 4, 5, 6, 7}), "0987-03-04T05:06:07");
    EXPECT_EQ(calendarMonthsBetween(CalendarTime{2026, 12, 31}, CalendarTime{2027, 1, 1}), 1);
}

} // namespace
} // namespace nuvra::shell
