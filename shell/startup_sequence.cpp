#include "shell/startup_sequence.h"

#include "core/number_text.h"
#include "frame/rpn_panel.h"
#include "shell/settings_store.h"
#include "shell/startup_sync.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace nuvra::shell {
namespace {

constexpr float kFrameTopOffsetTwips = 1657.0f;
constexpr float kFrameLeftOffsetTwips = 1455.0f;

// A stored flag into a mark: 1 checks, 0 clears, any other number keeps the mark as it is.
// Returns the mark afterwards.
bool readFlagInto(const SettingsStore& store, MenuModel& menu, std::string_view key,
                  double defaultValue, std::string_view item)
{
    const double value = store.readFlag(kSettingsSection, key, defaultValue);
    if (value == 1.0)
        menu.setChecked(item, true);
    else if (value == 0.0)
        menu.setChecked(item, false);
    return menu.isChecked(item);
}

// The stored angular system as a 16-bit whole number (halves to even); a text that is no number
// or does not fit counts as absent.
std::optional<int> readAngularSystem(const SettingsStore& store)
{
    const double value = store.readFlag(kSettingsSection, "Angular System", 0.0);
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0)
        return 0;
    return static_cast<int>(whole);
}

std::string_view flagText(bool on)
{
    return on ? "1" : "0";
}

bool readDigits(std::string_view text, std::size_t at, std::size_t count, int& value)
{
    if (at + count > text.size())
        return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

int daysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

} // namespace

std::string loadMainWindowSettings(SettingsStore& store, MenuModel& menu, core::Session& session,
                                   std::string_view version)
{
    store.WriteSetting(kApplication, kVersionSection, "Version", version);
    store.WriteSetting(kApplication, kVersionSection, "Build", kBuildStamp);

    std::string variables = store.ReadSetting(kApplication, kSettingsSection, "Variables", "$");

    // 0 to 3 check their item; any other value checks none and the calculator keeps Degrees,
    // the only system it can hold besides the four.
    const std::optional<int> angle = readAngularSystem(store);
    if (angle && *angle >= 0 && *angle <= 3) {
        const auto system = static_cast<core::AngularSystem>(*angle);
        menu.checkInGroup(angularSystemItemName(system));
        session.angularSystem = system;
    } else {
        for (std::string_view item : {"mnuangleD", "mnuangleR", "mnuangleG", "mnuangleT"})
            menu.setChecked(item, false);
        session.angularSystem = core::AngularSystem::Degrees;
    }

    menu.flags().sound = readFlagInto(store, menu, "Sonus", 0.0, "mnuSonus");
    readFlagInto(store, menu, kCheckForUpdatesKey, 0.0, "mnustar8");
    menu.flags().singleAction =
        readFlagInto(store, menu, "Menu Single Action", 1.0, "mnu_menu_singleaction");
    menu.setChecked("mnupop", store.readFlag(kSettingsSection, "Popup Notifications", 1.0) == 1.0);
    return variables;
}

StartMode StartModeFor(const std::vector<std::string>& arguments, bool launchAtStartup,
                       std::string_view splashSetting)
{
    if (arguments.size() == 1 && arguments.front() == kStartedAtLogonArgument)
        return launchAtStartup ? StartMode::HiddenInTray : StartMode::EndAtOnce;
    return splashSetting == "0" ? StartMode::NoSplash : StartMode::Splash;
}

StartMode loadSplashSettings(const SettingsStore& store, MenuModel& menu,
                             const std::vector<std::string>& arguments)
{
    const bool launch = readFlagInto(store, menu, kLaunchAtStartupKey, 0.0, "mnustar");
    readFlagInto(store, menu, "MinNotif", 1.0, "mnutrayn");
    const bool logonStart = arguments.size() == 1 && arguments.front() == kStartedAtLogonArgument;
    const std::string splash =
        logonStart ? std::string()
                   : store.ReadSetting(kApplication, kSettingsSection, "Splash", "1");
    const StartMode mode = StartModeFor(arguments, launch, splash);
    if (!logonStart) {
        // Only the two exact texts change the mark; anything else keeps the design state.
        if (splash == "0")
            menu.setChecked("mnusplash", false);
        else if (splash == "1")
            menu.setChecked("mnusplash", true);
    }
    return mode;
}

namespace {

// Single precision, as the defaults are computed, then whole twips.
int wholeTwips(double twips)
{
    return static_cast<int>(std::lround(static_cast<double>(static_cast<float>(twips))));
}

} // namespace

platform::TwipsPoint defaultFramePosition(int screenWidthTwips, int screenHeightTwips)
{
    const float top = static_cast<float>(screenHeightTwips) / 2.0f - kFrameTopOffsetTwips;
    const float left = static_cast<float>(screenWidthTwips) / 2.0f - kFrameLeftOffsetTwips;
    return {wholeTwips(left), wholeTwips(top)};
}

platform::TwipsPoint readFramePosition(const SettingsStore& store, int screenWidthTwips,
                                       int screenHeightTwips)
{
    const platform::TwipsPoint centred = defaultFramePosition(screenWidthTwips, screenHeightTwips);
    return {wholeTwips(store.readNumber(kApplication, kPositionSection, "Left", centred.left)),
            wholeTwips(store.readNumber(kApplication, kPositionSection, "Top", centred.top))};
}

void saveExitSettings(SettingsStore& store, platform::StartupList& startupList,
                      const MenuModel& menu, const core::Session& session,
                      const frame::RpnPanel& panel, const ExitSettings& exit)
{
    store.WriteSetting(kApplication, kPositionSection, "Top",
                       core::NumberToText(exit.framePosition.top));
    store.WriteSetting(kApplication, kPositionSection, "Left",
                       core::NumberToText(exit.framePosition.left));
    store.WriteSetting(kApplication, kSettingsSection, "Popup Notifications",
                       flagText(menu.isChecked("mnupop")));
    if (exit.variablesText)
        store.WriteSetting(kApplication, kSettingsSection, "Variables", exit.variablesText());
    store.WriteSetting(kApplication, kSettingsSection, "Angular System",
                       std::to_string(static_cast<int>(session.angularSystem)));
    store.WriteSetting(kApplication, kSettingsSection, "Sonus",
                       flagText(menu.isChecked("mnuSonus")));
    store.WriteSetting(kApplication, kSettingsSection, "Mode State", panel.SaveModeState());
    SyncStartupOption(store, startupList, StartupOption::LaunchAtStartup, menu.isChecked("mnustar"),
                      exit.programFolder);
    SyncStartupOption(store, startupList, StartupOption::CheckForUpdates,
                      menu.isChecked("mnustar8"), exit.programFolder);
    store.WriteSetting(kApplication, kSettingsSection, "MinNotif",
                       flagText(menu.isChecked("mnutrayn")));
    store.WriteSetting(kApplication, kSettingsSection, "Menu Single Action",
                       flagText(menu.isChecked("mnu_menu_singleaction")));
}

std::optional<CalendarTime> readDateText(std::string_view text)
{
    CalendarTime time;
    if (text.size() != 10 && text.size() != 19)
        return std::nullopt;
    if (!readDigits(text, 0, 4, time.year) || text[4] != '-' ||
        !readDigits(text, 5, 2, time.month) || text[7] != '-' || !readDigits(text, 8, 2, time.day))
        return std::nullopt;
    if (time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > daysInMonth(time.year, time.month))
        return std::nullopt;
    if (text.size() == 19) {
        if (text[10] != 'T' || !readDigits(text, 11, 2, time.hour) || text[13] != ':' ||
            !readDigits(text, 14, 2, time.minute) || text[16] != ':' ||
            !readDigits(text, 17, 2, time.second))
            return std::nullopt;
        if (time.hour > 23 || time.minute > 59 || time.second > 59)
            return std::nullopt;
    }
    return time;
}

std::string dateTimeText(const CalendarTime& time)
{
    std::array<char, 80> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02dT%02d:%02d:%02d", time.year,
                  time.month, time.day, time.hour, time.minute, time.second);
    return buffer.data();
}

int calendarMonthsBetween(const CalendarTime& earlier, const CalendarTime& later)
{
    return (later.year - earlier.year) * 12 + (later.month - earlier.month);
}

UpdateSchedule CheckForUpdatesSchedule(std::string_view lastChecked, const CalendarTime& now)
{
    if (lastChecked == kLastCheckedNever)
        return {true, dateTimeText(now)};
    const std::optional<CalendarTime> last = readDateText(lastChecked);
    if (!last)
        return {};
    return {calendarMonthsBetween(*last, now) >= 6, std::nullopt};
}

bool runUpdateSchedule(SettingsStore& store, const CalendarTime& now)
{
    const std::string last =
        store.ReadSetting(kApplication, kVersionSection, "Last Checked", kLastCheckedNever);
    const UpdateSchedule schedule = CheckForUpdatesSchedule(last, now);
    if (schedule.writeLastChecked)
        store.WriteSetting(kApplication, kVersionSection, "Last Checked",
                           *schedule.writeLastChecked);
    return schedule.startUpdater;
}

} // namespace nuvra::shell
