#include "platform/fake_settings_backend.h"
#include "platform/fake_startup_list.h"
#include "platform/linux/ini_settings_backend.h"
#include "platform/linux/xdg_autostart.h"
#include "platform/temporary_directory.h"
#include "shell/settings_store.h"
#include "shell/startup_sync.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>

namespace nuvra::shell {
namespace {

const std::filesystem::path kProgramFolder = "/opt/nuvra/bin";

TEST(StartupCommand, CalculatorStartsWithTheLogonArgument)
{
    EXPECT_EQ(startupCommand(StartupOption::LaunchAtStartup, kProgramFolder),
              (platform::StartupCommand{"/opt/nuvra/bin/Nuvra", {"4"}}));
    EXPECT_EQ(startupName(StartupOption::LaunchAtStartup), "Nuvra");
    EXPECT_EQ(startupSettingKey(StartupOption::LaunchAtStartup), "Launch at Startup");
}

TEST(StartupCommand, UpdaterStartsWithoutArguments)
{
    EXPECT_EQ(startupCommand(StartupOption::CheckForUpdates, kProgramFolder),
              (platform::StartupCommand{"/opt/nuvra/bin/Nuvra_Updater", {}}));
    EXPECT_EQ(startupName(StartupOption::CheckForUpdates), "Nuvra Updater");
    EXPECT_EQ(startupSettingKey(StartupOption::CheckForUpdates), "Check for Updates on Startup");
}

TEST(RunAtStartup, StoresTheEntry)
{
    platform::FakeStartupList list;

    EXPECT_TRUE(RunAtStartup(list, "Nuvra", {"/opt/nuvra/bin/Nuvra", {"4"}}));

    EXPECT_EQ(list.entry("Nuvra"), (platform::StartupCommand{"/opt/nuvra/bin/Nuvra", {"4"}}));
    EXPECT_EQ(list.removeCount(), 0);
}

TEST(RunAtStartup, RemovesTheEntryWhenStoringFails)
{
    platform::FakeStartupList list;
    ASSERT_TRUE(list.add("Nuvra", {"/old/Nuvra", {"4"}}));
    list.setAddFailure(platform::StartupError::CannotWrite);

    EXPECT_FALSE(RunAtStartup(list, "Nuvra", {"/opt/nuvra/bin/Nuvra", {"4"}}));

    EXPECT_EQ(list.entry("Nuvra"), std::nullopt);
}

struct SyncCase {
    const char* name;
    StartupOption option;
    std::optional<std::string> stored; // the option's key before the exit
    bool checked;
    bool entryBefore; // an (older) entry exists in the list
    bool addFails;
    bool entryAfter;
    int adds;
    int removes;
    const char* storedAfter;
};

class SyncStartupOptionTest : public ::testing::TestWithParam<SyncCase> {
protected:
    platform::FakeSettingsBackend m_backend;
    SettingsStore m_store{m_backend};
    platform::FakeStartupList m_list;
};

TEST_P(SyncStartupOptionTest, ChangesTheListOnlyWhenTheFlagChanged)
{
    const auto& row = GetParam();
    const std::string key(startupSettingKey(row.option));
    const std::string_view name = startupName(row.option);
    if (row.stored) {
        m_store.WriteSetting("Nuvra", "Settings", key, *row.stored);
    }
    if (row.entryBefore) {
        ASSERT_TRUE(m_list.add(name, {"/old/place", {}}));
    }
    if (row.addFails) {
        m_list.setAddFailure(platform::StartupError::CannotWrite);
    }
    const int addsBefore = m_list.addCount();

    SyncStartupOption(m_store, m_list, row.option, row.checked, kProgramFolder);

    EXPECT_EQ(m_list.entry(name).has_value(), row.entryAfter);
    if (row.entryAfter && row.adds > 0) {
        EXPECT_EQ(m_list.entry(name), startupCommand(row.option, kProgramFolder));
    }
    EXPECT_EQ(m_list.addCount() - addsBefore, row.adds);
    EXPECT_EQ(m_list.removeCount(), row.removes);
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", key), row.storedAfter);
}

constexpr auto kLaunch = StartupOption::LaunchAtStartup;
constexpr auto kUpdates = StartupOption::CheckForUpdates;

INSTANTIATE_TEST_SUITE_P(
    ExitSequence, SyncStartupOptionTest,
    ::testing::Values(
        // name, option, stored, checked, entryBefore, addFails, entryAfter, adds, removes, after
        SyncCase{"updater_off_on_first_exit_removes_entry", kUpdates, std::nullopt, false, true,
                 false, false, 0, 1, "0"},
        SyncCase{"updater_on_on_first_exit_adds_entry", kUpdates, std::nullopt, true, false, false,
                 true, 1, 0, "1"},
        SyncCase{"updater_unchanged_off_leaves_list", kUpdates, "0", false, true, false, true, 0, 0,
                 "0"},
        SyncCase{"updater_garbage_counts_as_never_stored", kUpdates, "garbage", false, true, false,
                 false, 0, 1, "0"},
        SyncCase{"launch_turned_on_adds_entry", kLaunch, "0", true, false, false, true, 1, 0, "1"},
        SyncCase{"launch_turned_off_removes_entry", kLaunch, "1", false, true, false, false, 0, 1,
                 "0"},
        SyncCase{"launch_unchanged_on_leaves_list", kLaunch, "1", true, false, false, false, 0, 0,
                 "1"},
        SyncCase{"launch_unchanged_off_leaves_list", kLaunch, "0", false, true, false, true, 0, 0,
                 "0"},
        SyncCase{"launch_absent_counts_as_off", kLaunch, std::nullopt, false, true, false, true, 0,
                 0, "0"},
        SyncCase{"launch_absent_then_on_adds_entry", kLaunch, std::nullopt, true, false, false,
                 true, 1, 0, "1"},
        SyncCase{"launch_garbage_counts_as_off", kLaunch, "yes", true, false, false, true, 1, 0,
                 "1"},
        SyncCase{"launch_stored_as_decimal_one_is_on", kLaunch, "1.0", true, false, false, false, 0,
                 0, "1"},
        SyncCase{"launch_other_number_differs_from_off", kLaunch, "2", false, true, false, false, 0,
                 1, "0"},
        SyncCase{"failed_add_removes_the_old_entry_and_saves_off", kLaunch, "0", true, true, true,
                 false, 1, 1, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SyncStartupOptionStore, AnEntryTheListRefusesIsSavedAsOff)
{
    platform::FakeSettingsBackend backend;
    SettingsStore store{backend};
    platform::FakeStartupList list;
    list.setAddFailure(platform::StartupError::CannotWrite);

    SyncStartupOption(store, list, StartupOption::CheckForUpdates, true, kProgramFolder);

    EXPECT_EQ(list.size(), 0U);
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Check for Updates on Startup"), "0");
}

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

TEST(SyncStartupOptionOnDisk, WritesAndRemovesFreedesktopEntries)
{
    platform::TemporaryDirectory folder;
    ASSERT_FALSE(folder.path().empty());
    platform::IniSettingsBackend backend(folder.path());
    SettingsStore store{backend};
    platform::XdgAutostart list(folder.path() / "autostart");
    const auto calculatorEntry = folder.path() / "autostart" / "nuvra.desktop";
    const auto updaterEntry = folder.path() / "autostart" / "nuvra-updater.desktop";
    ASSERT_TRUE(list.add("Nuvra Updater", {"/somewhere/else/Nuvra_Updater", {}}));

    SyncStartupOption(store, list, StartupOption::LaunchAtStartup, true, kProgramFolder);
    SyncStartupOption(store, list, StartupOption::CheckForUpdates, false, kProgramFolder);

    const std::string text = fileText(calculatorEntry);
    EXPECT_NE(text.find("\nExec=/opt/nuvra/bin/Nuvra 4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nName=Nuvra\n"), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(updaterEntry));
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Launch at Startup"), "1");
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Check for Updates on Startup"), "0");

    SyncStartupOption(store, list, StartupOption::LaunchAtStartup, false, kProgramFolder);

    EXPECT_FALSE(std::filesystem::exists(calculatorEntry));
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Launch at Startup"), "0");
}

} // namespace
} // namespace nuvra::shell
