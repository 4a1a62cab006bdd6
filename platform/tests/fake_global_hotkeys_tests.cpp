#include "platform/fake_global_hotkeys.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace nuvra::platform {
namespace {

using enum HotkeyModifier;

struct ModifierCase {
    std::string name;
    HotkeyModifiers modifiers;
    unsigned value;
    bool alt;
    bool control;
    bool shift;
};

void PrintTo(const ModifierCase& row, std::ostream* out)
{
    *out << row.name;
}

class HotkeyModifiersTest : public testing::TestWithParam<ModifierCase> {};

TEST_P(HotkeyModifiersTest, CarriesTheClassicModifierValue)
{
    const ModifierCase& row = GetParam();
    EXPECT_EQ(row.modifiers.value(), row.value);
    EXPECT_EQ(row.modifiers.has(Alt), row.alt);
    EXPECT_EQ(row.modifiers.has(Control), row.control);
    EXPECT_EQ(row.modifiers.has(Shift), row.shift);
    EXPECT_EQ(row.modifiers.isEmpty(), row.value == 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, HotkeyModifiersTest,
    testing::Values(ModifierCase{"none", HotkeyModifiers(), 0, false, false, false},
                    ModifierCase{"alt_is_one", Alt, 1, true, false, false},
                    ModifierCase{"control_shift_is_six", Control | Shift, 6, false, true, true},
                    ModifierCase{"all_three_is_seven", Alt | Control | Shift, 7, true, true, true},
                    ModifierCase{"repeated_modifier_counts_once", Shift | Shift, 4, false, false,
                                 true}),
    [](const testing::TestParamInfo<ModifierCase>& info) { return info.param.name; });

struct KeyNameCase {
    std::string name;
    char key;
    char expected;
};

void PrintTo(const KeyNameCase& row, std::ostream* out)
{
    *out << row.name;
}

class HotkeyKeyNameTest : public testing::TestWithParam<KeyNameCase> {};

TEST_P(HotkeyKeyNameTest, NamesLettersInUpperCaseAndDigits)
{
    EXPECT_EQ(hotkeyKeyName(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HotkeyKeyNameTest,
    testing::Values(KeyNameCase{"upper_case_letter", 'R', 'R'},
                    KeyNameCase{"lower_case_letter", 'r', 'R'},
                    KeyNameCase{"first_letter", 'a', 'A'}, KeyNameCase{"last_letter", 'z', 'Z'},
                    KeyNameCase{"digit", '7', '7'}, KeyNameCase{"punctuation", '#', 0},
                    KeyNameCase{"blank", ' ', 0}, KeyNameCase{"character_after_z", '{', 0},
                    KeyNameCase{"character_before_a", '`', 0}),
    [](const testing::TestParamInfo<KeyNameCase>& info) { return info.param.name; });

class FakeGlobalHotkeysTest : public testing::Test {
protected:
    FakeGlobalHotkeysTest()
    {
        m_hotkeys.setActivationHandler(
            [this](int identifier) { m_received.push_back(identifier); });
    }

    FakeGlobalHotkeys m_hotkeys;
    std::vector<int> m_received;
};

TEST_F(FakeGlobalHotkeysTest, TheNthRegistrationHasIdentifierN)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    EXPECT_EQ(m_hotkeys.count(), 2);
    EXPECT_EQ(m_hotkeys.registration(1), (FakeGlobalHotkeys::Registration{Alt, 'R'}));
    EXPECT_EQ(m_hotkeys.registration(2), (FakeGlobalHotkeys::Registration{Control | Shift, 'R'}));

    EXPECT_TRUE(m_hotkeys.trigger(2));
    EXPECT_TRUE(m_hotkeys.trigger(1));
    EXPECT_TRUE(m_hotkeys.trigger(1));
    EXPECT_EQ(m_received, (std::vector<int>{2, 1, 1}));
}

TEST_F(FakeGlobalHotkeysTest, AKeyHeldElsewhereFailsAndStillUsesUpItsIdentifier)
{
    m_hotkeys.holdElsewhere(Alt, 'r');
    const auto first = m_hotkeys.AddHotKey(Alt, 'R');
    ASSERT_FALSE(first);
    EXPECT_EQ(first.error(), HotkeyError::KeyTaken);
    EXPECT_EQ(m_hotkeys.count(), 1);

    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    EXPECT_EQ(m_hotkeys.count(), 2);
    EXPECT_FALSE(m_hotkeys.trigger(1));
    EXPECT_TRUE(m_hotkeys.trigger(2));
    EXPECT_EQ(m_received, (std::vector<int>{2}));
}

TEST_F(FakeGlobalHotkeysTest, TheSameCombinationCannotBeRegisteredTwice)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    const auto again = m_hotkeys.AddHotKey(Alt, 'r');
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error(), HotkeyError::KeyTaken);
    EXPECT_EQ(m_hotkeys.count(), 2);
    EXPECT_EQ(m_hotkeys.registeredCount(), 1U);
}

TEST_F(FakeGlobalHotkeysTest, AKeyThatIsNeitherLetterNorDigitIsRefused)
{
    const auto added = m_hotkeys.AddHotKey(Alt, '#');
    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), HotkeyError::UnknownKey);
    EXPECT_EQ(m_hotkeys.count(), 1);
}

TEST_F(FakeGlobalHotkeysTest, AnUnavailableSystemFailsEveryRegistrationButCountsThem)
{
    m_hotkeys.setFailure(HotkeyError::Unavailable);
    const auto first = m_hotkeys.AddHotKey(Alt, 'R');
    const auto second = m_hotkeys.AddHotKey(Control | Shift, 'R');
    ASSERT_FALSE(first);
    ASSERT_FALSE(second);
    EXPECT_EQ(second.error(), HotkeyError::Unavailable);
    EXPECT_EQ(m_hotkeys.count(), 2);
    EXPECT_EQ(m_hotkeys.registeredCount(), 0U);
}

TEST_F(FakeGlobalHotkeysTest, RemovingReleasesEveryKeyAndRestartsTheCount)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    m_hotkeys.RemoveHotKeys();
    EXPECT_EQ(m_hotkeys.count(), 0);
    EXPECT_FALSE(m_hotkeys.trigger(1));
    EXPECT_FALSE(m_hotkeys.trigger(2));
    EXPECT_TRUE(m_received.empty());

    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    EXPECT_EQ(m_hotkeys.count(), 1);
    EXPECT_EQ(m_hotkeys.registration(1), (FakeGlobalHotkeys::Registration{Control | Shift, 'R'}));
}

} // namespace
} // namespace nuvra::platform
