#include "platform/linux/config_paths.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace nuvra::platform {
namespace {

struct PathCase {
    const char* name;
    std::map<std::string, std::string> environment;
    std::filesystem::path settings;
    std::filesystem::path autostart;
};

class ConfigPaths : public ::testing::TestWithParam<PathCase> {
protected:
    EnvironmentLookup lookup() const
    {
        return [this](const char* name) -> const char* {
            const auto& environment = GetParam().environment;
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        };
    }
};

TEST_P(ConfigPaths, SettingsDirectoryFollowsTheEnvironment)
{
    EXPECT_EQ(settingsDirectory(lookup()), GetParam().settings);
}

TEST_P(ConfigPaths, AutostartDirectoryFollowsTheEnvironment)
{
    EXPECT_EQ(autostartDirectory(lookup()), GetParam().autostart);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ConfigPaths,
    ::testing::Values(
        PathCase{"own_folder_wins",
                 {{"NUVRA_CONFIG_DIR", "/tmp/n"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}},
                 "/tmp/n",
                 "/tmp/n/autostart"},
        PathCase{"empty_own_folder_is_unset",
                 {{"NUVRA_CONFIG_DIR", ""}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}},
                 "/x/nuvra",
                 "/x/autostart"},
        PathCase{"xdg_config_home",
                 {{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}},
                 "/x/nuvra",
                 "/x/autostart"},
        PathCase{"relative_xdg_config_home_is_ignored",
                 {{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/h"}},
                 "/h/.config/nuvra",
                 "/h/.config/autostart"},
        PathCase{"empty_xdg_config_home_is_unset",
                 {{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}},
                 "/h/.config/nuvra",
                 "/h/.config/autostart"},
        PathCase{"home_only", {{"HOME", "/h"}}, "/h/.config/nuvra", "/h/.config/autostart"},
        PathCase{"nothing_known", {}, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::platform
