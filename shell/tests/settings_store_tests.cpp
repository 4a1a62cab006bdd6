#include "platform/fake_settings_backend.h"
#include "shell/settings_store.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nuvra::shell {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    platform::FakeSettingsBackend m_backend;
    SettingsStore m_store{m_backend};
};

TEST_F(SettingsStoreTest, AbsentKeyReadsAsTheDefault)
{
    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Settings", "Splash", "1"), "1");
    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Version", "Build", ""), "");
}

TEST_F(SettingsStoreTest, StoredTextWinsOverTheDefaultEvenWhenEmpty)
{
    m_store.WriteSetting("Nuvra", "Settings", "Variables", "");
    m_store.WriteSetting("Nuvra", "Settings", "Splash", "0");

    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Settings", "Variables", "$"), "");
    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Settings", "Splash", "1"), "0");
    EXPECT_EQ(m_store.ReadSetting("Numbers", "Settings", "Splash", "1"), "1");
}

TEST_F(SettingsStoreTest, FailedWriteIsDroppedQuietlyButReportedByWrite)
{
    m_backend.setWriteFailure(platform::SettingsError::CannotWrite);

    m_store.WriteSetting("Nuvra", "Settings", "Splash", "0");
    const auto written = m_store.write("Nuvra", "Settings", "Splash", "0");

    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, platform::SettingsError::CannotWrite);
    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Settings", "Splash", "1"), "1");
    EXPECT_EQ(m_backend.writeCount(), 2);
}

TEST_F(SettingsStoreTest, FirstFailedWriteIsToldOnceAndLaterWritesStillTry)
{
    std::vector<platform::SettingsError> told;
    m_store.setFailureListener(
        [&](const platform::SettingsFailure& failure) { told.push_back(failure.kind); });
    m_store.WriteSetting("Nuvra", "Settings", "Splash", "0");
    EXPECT_TRUE(told.empty());

    m_backend.setWriteFailure(platform::SettingsError::CannotWrite);
    m_store.WriteSetting("Nuvra", "Settings", "Sonus", "1");
    m_store.WriteSetting("Nuvra", "Settings", "Sonus", "1");
    // A full disk may have room again by the exit: its writes keep trying.
    m_backend.setWriteFailure(std::nullopt);
    m_store.WriteSetting("Nuvra", "Settings", "Sonus", "1");

    EXPECT_EQ(told, std::vector{platform::SettingsError::CannotWrite});
    EXPECT_FALSE(m_store.isReadOnly());
    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Settings", "Sonus", "0"), "1");
    EXPECT_EQ(m_backend.writeCount(), 4);
}

TEST_F(SettingsStoreTest, LockTimeoutMakesTheStoreReadOnlyWithoutFurtherWaits)
{
    int told = 0;
    m_store.setFailureListener([&](const platform::SettingsFailure&) { ++told; });
    m_backend.setWriteFailure(platform::SettingsError::LockTimedOut);
    m_store.WriteSetting("Nuvra", "Version", "Version", "1.4.1");
    m_backend.setWriteFailure(std::nullopt);

    const auto written = m_store.write("Nuvra", "Settings", "Splash", "0");
    m_store.WriteSetting("Nuvra", "Settings", "Sonus", "1");

    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, platform::SettingsError::LockTimedOut);
    EXPECT_TRUE(m_store.isReadOnly());
    EXPECT_EQ(m_backend.writeCount(), 1); // the backend, which would wait, is not asked again
    EXPECT_EQ(told, 1);
    EXPECT_EQ(m_store.ReadSetting("Nuvra", "Settings", "Sonus", "0"), "0");
}

TEST_F(SettingsStoreTest, ListenerSetAfterAFailureHearsOfItAtOnce)
{
    m_backend.setWriteFailure(platform::SettingsError::NotRegularFile);
    m_store.WriteSetting("Nuvra", "Settings", "Splash", "0");
    m_store.WriteSetting("Nuvra", "Settings", "Sonus", "0");

    std::vector<platform::SettingsError> told;
    m_store.setFailureListener(
        [&](const platform::SettingsFailure& failure) { told.push_back(failure.kind); });
    m_store.WriteSetting("Nuvra", "Settings", "MinNotif", "0");

    EXPECT_EQ(told, std::vector{platform::SettingsError::NotRegularFile});
}

struct FlagCase {
    const char* name;
    std::optional<std::string> stored;
    double expected; // with the default 99
};

class SettingsStoreFlag : public SettingsStoreTest,
                          public ::testing::WithParamInterface<FlagCase> {};

TEST_P(SettingsStoreFlag, ReadsNumbersAndTreatsGarbageAsAbsent)
{
    if (GetParam().stored) {
        m_store.WriteSetting("Nuvra", "Settings", "Sonus", *GetParam().stored);
    }
    EXPECT_EQ(m_store.readFlag("Settings", "Sonus", 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsStoreFlag,
    ::testing::Values(FlagCase{"absent", std::nullopt, 99}, FlagCase{"on", "1", 1},
                      FlagCase{"off", "0", 0}, FlagCase{"other_number", "2", 2},
                      FlagCase{"negative", "-1", -1}, FlagCase{"explicit_plus", "+1", 1},
                      FlagCase{"blanks_around", " \t1 ", 1}, FlagCase{"decimal_one", "1.0", 1},
                      FlagCase{"fraction", "0.5", 0.5}, FlagCase{"leading_point", ".5", 0.5},
                      FlagCase{"exponent", "1e0", 1}, FlagCase{"empty", "", 99},
                      FlagCase{"word", "yes", 99}, FlagCase{"trailing_text", "1abc", 99},
                      FlagCase{"comma_decimal", "1,5", 99}, FlagCase{"hexadecimal", "0x1", 99},
                      FlagCase{"point_only", ".", 99}, FlagCase{"two_points", "1.2.3", 99},
                      FlagCase{"bare_exponent", "1e", 99}, FlagCase{"blank_inside", "1 0", 99},
                      FlagCase{"sign_only", "-", 99}, FlagCase{"too_large", "1e999", 99},
                      FlagCase{"parenthesised", "(1)", 99}),
    [](const auto& info) { return std::string(info.param.name); });

struct GraphCase {
    const char* name;
    std::map<std::string, std::string> stored; // section "Graph"
    GraphRange expected;
};

class SettingsStoreGraph : public SettingsStoreTest,
                           public ::testing::WithParamInterface<GraphCase> {};

TEST_P(SettingsStoreGraph, AppliesTheRangeRules)
{
    for (const auto& [key, value] : GetParam().stored) {
        m_store.WriteSetting("Nuvra", "Graph", key, value);
    }
    EXPECT_EQ(m_store.readGraphRange(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SettingsStoreGraph,
    ::testing::Values(
        GraphCase{"empty_store", {}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"valid_values",
                  {{"XMin", "-5"},
                   {"XMax", "20"},
                   {"YMin", "-3"},
                   {"YMax", "4"},
                   {"XScale", "2"},
                   {"YScale", "5"}},
                  {-5, 20, -3, 4, 2, 5}},
        GraphCase{"xmin_beyond_range_and_xmax_in_parentheses",
                  {{"XMin", "1500"}, {"XMax", "(5)"}},
                  {-10, 10, -10, 10, 1, 1}},
        GraphCase{"xmin_truncated", {{"XMin", "3.9"}}, {3, 10, -10, 10, 1, 1}},
        GraphCase{"negative_truncated_toward_zero", {{"YMin", "-3.9"}}, {-10, 10, -3, 10, 1, 1}},
        GraphCase{"closing_parenthesis_only", {{"YMax", "5)"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"garbage", {{"XMax", "wide"}, {"YScale", "2x"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"range_limits_accepted",
                  {{"XMin", "-1000"}, {"XMax", "1000"}, {"XScale", "1000"}, {"YScale", "1"}},
                  {-1000, 1000, -10, 10, 1000, 1}},
        GraphCase{"just_beyond_limits",
                  {{"XMin", "-1000.5"}, {"XMax", "1000.1"}, {"XScale", "1001"}},
                  {-10, 10, -10, 10, 1, 1}},
        GraphCase{"min_equal_to_max", {{"XMin", "5"}, {"XMax", "5"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"min_above_max", {{"YMin", "8"}, {"YMax", "2"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"min_above_default_max", {{"XMin", "20"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"axis_collapsed_by_truncation",
                  {{"XMin", "3.2"}, {"XMax", "3.9"}},
                  {-10, 10, -10, 10, 1, 1}},
        GraphCase{"zero_scale", {{"XScale", "0"}, {"YScale", "0"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"scale_below_one", {{"XScale", "0.5"}}, {-10, 10, -10, 10, 1, 1}},
        GraphCase{"scale_truncated", {{"YScale", "2.9"}}, {-10, 10, -10, 10, 1, 2}},
        GraphCase{"exponent_accepted", {{"XMax", "1e2"}}, {-10, 100, -10, 10, 1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, GraphRangeReadsOnlyApplicationNuvra)
{
    m_store.WriteSetting("Numbers", "Graph", "XMin", "-2");
    m_store.WriteSetting("Nuvra", "Settings", "XMax", "2");

    EXPECT_EQ(m_store.readGraphRange(), (GraphRange{-10, 10, -10, 10, 1, 1}));
}

} // namespace
} // namespace nuvra::shell
