#pragma once

#include "core/session.h"
#include "platform/twips.h"
#include "shell/menu_model.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::frame {
class RpnPanel;
}
namespace nuvra::platform {
class StartupList;
}

namespace nuvra::shell {

class SettingsStore;

inline constexpr std::string_view kReleaseVersion = "1.4.1";
inline constexpr std::string_view kBuildStamp = "20150511";
inline constexpr std::string_view kLastCheckedNever = "first";

// The main window's settings at load: writes "Version" and "Build", then reads "Angular
// System", "Sonus", "Check for Updates on Startup", "Menu Single Action" and "Popup
// Notifications" into the menu's marks, flags and the session. A flag of 1 checks, 0 clears,
// any other number keeps the mark; a text that is no number counts as absent. Returns the
// stored "Variables" text (default "$") for the Variables window, read at its place in the order.
std::string loadMainWindowSettings(SettingsStore& store, MenuModel& menu, core::Session& session,
                                   std::string_view version = kReleaseVersion);

enum class StartMode {
    Splash,       // the splash fades in and out, then the frame shows
    NoSplash,     // the frame shows at once
    HiddenInTray, // started at logon: the calculator goes straight to the tray
    EndAtOnce,    // started at logon although Launch at Startup was turned off
};

// The splash window's choice. arguments are the words after the program name; the logon start
// is exactly one argument "4". splashSetting is the stored "Splash" text.
StartMode StartModeFor(const std::vector<std::string>& arguments, bool launchAtStartup,
                       std::string_view splashSetting);

// The splash window's load: "Launch at Startup" and "MinNotif" into their marks, then the start
// mode; "Splash" is read only for a normal start, and clears or checks "S&plash Screen".
// For HiddenInTray the caller runs MenuCommands::startInTray.
StartMode loadSplashSettings(const SettingsStore& store, MenuModel& menu,
                             const std::vector<std::string>& arguments);

// The frame's position; an absent or unreadable value gives the centred default, computed in
// single precision from the screen size in twips.
// The stored values may have fractions; the place is rounded to whole twips.
platform::TwipsPoint defaultFramePosition(int screenWidthTwips, int screenHeightTwips);
platform::TwipsPoint readFramePosition(const SettingsStore& store, int screenWidthTwips,
                                       int screenHeightTwips);

struct ExitSettings {
    platform::TwipsPoint framePosition;
    // Saves the Variables list and gives its stored text; it runs at its place in the order
    // (after "Popup Notifications"). Without it "Variables" keeps its stored text.
    std::function<std::string()> variablesText;
    std::filesystem::path programFolder;
};

// The settings part of SaveAndExit, in this order: "Top", "Left", "Popup Notifications",
// "Variables", "Angular System", "Sonus", "Mode State", "Launch at Startup" and "Check for
// Updates on Startup" (each synchronised with the start-up list), "MinNotif", "Menu Single
// Action".
void saveExitSettings(SettingsStore& store, platform::StartupList& startupList,
                      const MenuModel& menu, const core::Session& session,
                      const frame::RpnPanel& panel, const ExitSettings& exit);

// A local calendar date and time.
struct CalendarTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CalendarTime&) const = default;
};

// "Last Checked" is written as ISO 8601 "2026-12-11T05:30:00"; the date alone ("2026-12-11")
// is read as well. Anything else, or an impossible date, is no date.
std::optional<CalendarTime> readDateText(std::string_view text);
std::string dateTimeText(const CalendarTime& time);
// Calendar months from earlier to later by the year and month fields alone.
int calendarMonthsBetween(const CalendarTime& earlier, const CalendarTime& later);

struct UpdateSchedule {
    bool startUpdater = false;
    // The text to store as "Last Checked", when one is to be stored.
    std::optional<std::string> writeLastChecked;

    bool operator==(const UpdateSchedule&) const = default;
};

// The six-monthly update start: "first" (never checked) stores now and starts the updater;
// six or more calendar months since the last check start it, leaving the date to the updater;
// a text that is no date does nothing.
UpdateSchedule CheckForUpdatesSchedule(std::string_view lastChecked, const CalendarTime& now);
// Reads "Last Checked" (default "first"), stores the new date when due, and says whether the
// updater is to be started.
bool runUpdateSchedule(SettingsStore& store, const CalendarTime& now);

} // namespace nuvra::shell
