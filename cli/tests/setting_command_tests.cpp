#include "cli/setting_command.h"
#include "platform/linux/ini_settings_backend.h"
#include "platform/temporary_directory.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace nuvra::cli {
namespace {

// Points NUVRA_CONFIG_DIR at a temporary folder for the test and restores it afterwards.
class SettingCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_folder.path().empty());
        if (const char* previous = std::getenv("NUVRA_CONFIG_DIR")) {
            m_previous = previous;
        }
        ASSERT_EQ(::setenv("NUVRA_CONFIG_DIR", m_folder.path().c_str(), 1), 0);
    }

    void TearDown() override
    {
        if (m_previous) {
            ::setenv("NUVRA_CONFIG_DIR", m_previous->c_str(), 1);
        } else {
            ::unsetenv("NUVRA_CONFIG_DIR");
        }
    }

    int run(const std::vector<std::string>& args, const std::string& input = {})
    {
        std::istringstream in(input);
        m_out.str({});
        m_err.str({});
        return runSettingCommand(args, in, m_out, m_err);
    }

    platform::TemporaryDirectory m_folder;
    platform::IniSettingsBackend m_backend{m_folder.path()};
    std::optional<std::string> m_previous;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(SettingCommandTest, ReadPrintsTheValueAndANewline)
{
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Launch at Startup", "1"));

    EXPECT_EQ(run({"Nuvra", "Settings", "Launch at Startup"}), 0);
    EXPECT_EQ(m_out.str(), "1\n");
    EXPECT_EQ(m_err.str(), "");
}

TEST_F(SettingCommandTest, AbsentKeyPrintsNothingAndFails)
{
    EXPECT_EQ(run({"Nuvra", "Settings", "Splash"}), 1);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(m_err.str(), "");
}

TEST_F(SettingCommandTest, WriteStoresTheValueInTheConfiguredFolder)
{
    EXPECT_EQ(run({"Nuvra", "Version", "Downlink", "http://example.invalid/setup"}), 0);
    EXPECT_EQ(m_out.str(), "");

    EXPECT_EQ(m_backend.read("Nuvra", "Version", "Downlink"), "http://example.invalid/setup");
    EXPECT_EQ(run({"Nuvra", "Version", "Downlink"}), 0);
    EXPECT_EQ(m_out.str(), "http://example.invalid/setup\n");
}

TEST_F(SettingCommandTest, RefusedWriteReportsOnErrorStream)
{
    EXPECT_EQ(run({"../Nuvra", "Settings", "Splash", "1"}), 1);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_NE(m_err.str(), "");
}

TEST_F(SettingCommandTest, BatchReadPrintsOneLinePerKey)
{
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Splash", "1"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Mode State", "2"));

    EXPECT_EQ(run({"Nuvra", "Settings", "-"}, "Splash\nSonus\nMode State\n"), 0);
    EXPECT_EQ(m_out.str(), "1\n\n2\n");
}

TEST_F(SettingCommandTest, BatchWriteStoresEachValueInTurn)
{
    EXPECT_EQ(run({"Numbers", "values", "usage", "-"}, "1\n2\n3"), 0);
    EXPECT_EQ(m_out.str(), "1\n2\n3\n");
    EXPECT_EQ(m_backend.read("Numbers", "values", "usage"), "3");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

class SettingCommandUsage : public SettingCommandTest,
                            public ::testing::WithParamInterface<UsageCase> {};

TEST_P(SettingCommandUsage, WrongNumberOfWordsPrintsUsage)
{
    EXPECT_EQ(run(GetParam().args), 2);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(m_err.str().rfind("usage: ", 0), 0U) << m_err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SettingCommandUsage,
    ::testing::Values(UsageCase{"no_words", {}}, UsageCase{"application_only", {"Nuvra"}},
                      UsageCase{"no_key", {"Nuvra", "Settings"}},
                      UsageCase{"five_words", {"Nuvra", "Settings", "Splash", "1", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::cli
