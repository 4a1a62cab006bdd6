#include "shell/startup_sync.h"

#include "shell/settings_store.h"

#include <string>

namespace nuvra::shell {

std::string_view startupName(StartupOption option)
{
    switch (option) {
    case StartupOption::LaunchAtStartup:
        return kCalculatorStartupName;
    case StartupOption::CheckForUpdates:
        return kUpdaterStartupName;
    }
    return kCalculatorStartupName;
}

std::string_view startupSettingKey(StartupOption option)
{
    switch (option) {
    case StartupOption::LaunchAtStartup:
        return kLaunchAtStartupKey;
    case StartupOption::CheckForUpdates:
        return kCheckForUpdatesKey;
    }
    return kLaunchAtStartupKey;
}

platform::StartupCommand startupCommand(StartupOption option,
                                        const std::filesystem::path& programFolder)
{
    switch (option) {
    case StartupOption::LaunchAtStartup:
        return {(programFolder / "Nuvra").string(), {std::string(kStartedAtLogonArgument)}};
    case StartupOption::CheckForUpdates:
        return {(programFolder / "Nuvra_Updater").string(), {}};
    }
    return {};
}

bool RunAtStartup(platform::StartupList& list, std::string_view name,
                  const platform::StartupCommand& command)
{
    if (!list.add(name, command)) {
        RemoveFromStartup(list, name);
        return false;
    }
    return true;
}

void RemoveFromStartup(platform::StartupList& list, std::string_view name)
{
    static_cast<void>(list.remove(name));
}

void SyncStartupOption(SettingsStore& store, platform::StartupList& list, StartupOption option,
                       bool checked, const std::filesystem::path& programFolder)
{
    const double flag = checked ? 1.0 : 0.0;
    const double storedDefault = option == StartupOption::CheckForUpdates ? 99.0 : 0.0;
    const std::string_view key = startupSettingKey(option);
    const double stored = store.readFlag(kSettingsSection, key, storedDefault);
    bool on = checked;
    if (stored != flag) {
        if (checked) {
            on = RunAtStartup(list, startupName(option), startupCommand(option, programFolder));
        } else {
            RemoveFromStartup(list, startupName(option));
        }
    }
    // An entry that could not be stored is saved as off, so the option does not claim a start
    // at logon that will not happen.
    store.WriteSetting(kApplication, kSettingsSection, key, on ? "1" : "0");
}

} // namespace nuvra::shell
