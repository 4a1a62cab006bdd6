#pragma once

#include <filesystem>
#include <functional>

namespace nuvra::platform {

// Looks up an environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The process environment.
const char* systemEnvironment(const char* name);

// Where the settings files live: $NUVRA_CONFIG_DIR, else $XDG_CONFIG_HOME/nuvra, else
// $HOME/.config/nuvra. Empty and relative values count as unset (a relative
// XDG_CONFIG_HOME is invalid); the result is empty when no folder can be named.
std::filesystem::path settingsDirectory(const EnvironmentLookup& environment = systemEnvironment);

// Where the per-user start-up entries live: $NUVRA_CONFIG_DIR/autostart, else
// $XDG_CONFIG_HOME/autostart, else $HOME/.config/autostart, with the same rules.
std::filesystem::path autostartDirectory(const EnvironmentLookup& environment = systemEnvironment);

} // namespace nuvra::platform
