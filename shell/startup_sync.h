#pragma once

#include "platform/startup_list.h"

#include <filesystem>
#include <string_view>

namespace nuvra::shell {

class SettingsStore;

enum class StartupOption { LaunchAtStartup, CheckForUpdates };

inline constexpr std::string_view kCalculatorStartupName = "Nuvra";
inline constexpr std::string_view kUpdaterStartupName = "Nuvra Updater";
// Tells the calculator that it was started at logon.
inline constexpr std::string_view kStartedAtLogonArgument = "4";

inline constexpr std::string_view kLaunchAtStartupKey = "Launch at Startup";
inline constexpr std::string_view kCheckForUpdatesKey = "Check for Updates on Startup";

// The start-up value name of the option.
std::string_view startupName(StartupOption option);
// The option's key in section "Settings" of application "Nuvra".
std::string_view startupSettingKey(StartupOption option);
// The calculator with the argument "4", or the updater without arguments.
platform::StartupCommand startupCommand(StartupOption option,
                                        const std::filesystem::path& programFolder);

// Stores the entry; when that fails the entry is removed instead, so that no stale command
// starts at logon. Returns whether the entry is in the list.
bool RunAtStartup(platform::StartupList& list, std::string_view name,
                  const platform::StartupCommand& command);
void RemoveFromStartup(platform::StartupList& list, std::string_view name);

// The exit sequence's step for one option: the start-up list is changed only when the check
// mark differs from the stored flag, and the flag is then saved as "1" or "0" ("0" when the
// entry could not be added). The updater's
// stored flag defaults to 99, so that the first exit always adds or removes its entry.
void SyncStartupOption(SettingsStore& store, platform::StartupList& list, StartupOption option,
                       bool checked, const std::filesystem::path& programFolder);

} // namespace nuvra::shell
