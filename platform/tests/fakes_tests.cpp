#include "platform/fake_settings_backend.h"
#include "platform/fake_startup_list.h"

#include <gtest/gtest.h>

namespace nuvra::platform {
namespace {

TEST(FakeSettingsBackend, StoresTextsPerApplicationSectionAndKey)
{
    FakeSettingsBackend backend;
    ASSERT_TRUE(backend.write("Nuvra", "Settings", "Splash", "1"));
    ASSERT_TRUE(backend.write("Numbers", "Settings", "Splash", "0"));

    EXPECT_EQ(backend.read("Nuvra", "Settings", "Splash"), "1");
    EXPECT_EQ(backend.read("Numbers", "Settings", "Splash"), "0");
    EXPECT_EQ(backend.read("Nuvra", "Position", "Splash"), std::nullopt);
    EXPECT_EQ(backend.writeCount(), 2);
}

TEST(FakeSettingsBackend, RefusedWriteChangesNothing)
{
    FakeSettingsBackend backend;
    ASSERT_TRUE(backend.write("Nuvra", "Settings", "Splash", "1"));
    backend.setWriteFailure(SettingsError::CannotLock);

    const auto written = backend.write("Nuvra", "Settings", "Splash", "0");

    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, SettingsError::CannotLock);
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Splash"), "1");
}

TEST(FakeStartupList, AddsReplacesAndRemovesEntries)
{
    FakeStartupList list;
    ASSERT_TRUE(list.add("Nuvra", {"/a/Nuvra", {"4"}}));
    ASSERT_TRUE(list.add("Nuvra", {"/b/Nuvra", {"4"}}));
    EXPECT_EQ(list.entry("Nuvra"), (StartupCommand{"/b/Nuvra", {"4"}}));

    EXPECT_TRUE(list.remove("Nuvra"));
    EXPECT_TRUE(list.remove("Nuvra Updater"));
    EXPECT_EQ(list.size(), 0U);
    EXPECT_EQ(list.addCount(), 2);
    EXPECT_EQ(list.removeCount(), 2);
}

TEST(FakeStartupList, RefusedAddLeavesTheOldEntry)
{
    FakeStartupList list;
    ASSERT_TRUE(list.add("Nuvra", {"/a/Nuvra", {"4"}}));
    list.setAddFailure(StartupError::CannotWrite);

    const auto added = list.add("Nuvra", {"/b/Nuvra", {"4"}});

    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), StartupError::CannotWrite);
    EXPECT_EQ(list.entry("Nuvra"), (StartupCommand{"/a/Nuvra", {"4"}}));
}

} // namespace
} // namespace nuvra::platform
