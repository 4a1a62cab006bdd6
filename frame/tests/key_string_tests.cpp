#include "frame/key_map.h"
#include "frame/key_string.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvra::frame {
namespace {

class KeyStringTest : public testing::Test {
protected:
    KeyStringTest() : session(sounds), panel(session), keys(session, panel) {}

    core::CountingFeedback sounds;
    core::Session session;
    RpnPanel panel;
    KeyMap keys;
};

TEST_F(KeyStringTest, TypesCharactersAndNamedKeys)
{
    EXPECT_TRUE(typeKeyString(keys, "6{X}7=").has_value());
    EXPECT_EQ(session.display.shown(), "42");
    EXPECT_TRUE(typeKeyString(keys, "{Esc}{k7}{k.}{k5}").has_value());
    EXPECT_EQ(session.display.shown(), "7.5");
}

TEST_F(KeyStringTest, AnEmptyStringTypesNothing)
{
    EXPECT_TRUE(typeKeyString(keys, "").has_value());
    EXPECT_EQ(session.display.shown(), "0");
    EXPECT_EQ(sounds.beeps(), 0);
}

TEST_F(KeyStringTest, NamedStackKeysWorkInRpnMode)
{
    panel.EnterRpnMode();
    EXPECT_TRUE(typeKeyString(keys, "1{Enter}2{Enter}3{Enter}4{Swap}").has_value());
    EXPECT_EQ(session.display.shown(), "3");
    EXPECT_EQ(session.stack.items(), (std::vector<std::string>{"1", "2", "4"}));
}

TEST_F(KeyStringTest, AnUnknownNameStopsAtItsBrace)
{
    const auto typed = typeKeyString(keys, "25{Tab}3");
    ASSERT_FALSE(typed.has_value());
    EXPECT_EQ(typed.error().error, KeyStringError::UnknownKey);
    EXPECT_EQ(typed.error().position, 2u);
    EXPECT_EQ(session.display.shown(), "25");
}

TEST_F(KeyStringTest, ABraceWithoutItsCloseIsAnUnknownKey)
{
    const auto typed = typeKeyString(keys, "7{Back");
    ASSERT_FALSE(typed.has_value());
    EXPECT_EQ(typed.error().position, 1u);
    EXPECT_EQ(session.display.shown(), "7");
}

} // namespace
} // namespace nuvra::frame
