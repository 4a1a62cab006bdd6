#include "platform/linux/config_paths.h"

#include <cstdlib>
#include <optional>

namespace nuvra::platform {

namespace {

std::optional<std::filesystem::path> lookupFolder(const EnvironmentLookup& environment,
                                                  const char* name, bool mustBeAbsolute)
{
    const char* value = environment ? environment(name) : nullptr;
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    std::filesystem::path folder(value);
    if (mustBeAbsolute && !folder.is_absolute()) {
        return std::nullopt;
    }
    return folder;
}

// The user's configuration folder, without the project's own override.
std::filesystem::path userConfigFolder(const EnvironmentLookup& environment)
{
    if (auto xdg = lookupFolder(environment, "XDG_CONFIG_HOME", true)) {
        return *xdg;
    }
    if (auto home = lookupFolder(environment, "HOME", false)) {
        return *home / ".config";
    }
    return {};
}

} // namespace

const char* systemEnvironment(const char* name)
{
    return std::getenv(name);
}

std::filesystem::path settingsDirectory(const EnvironmentLookup& environment)
{
    if (auto own = lookupFolder(environment, "NUVRA_CONFIG_DIR", false)) {
        return *own;
    }
    const auto config = userConfigFolder(environment);
    return config.empty() ? config : config / "nuvra";
}

std::filesystem::path autostartDirectory(const EnvironmentLookup& environment)
{
    if (auto own = lookupFolder(environment, "NUVRA_CONFIG_DIR", false)) {
        return *own / "autostart";
    }
    const auto config = userConfigFolder(environment);
    return config.empty() ? config : config / "autostart";
}

} // namespace nuvra::platform
