#include "platform/fake_settings_backend.h"
#include "shell/settings_store.h"
#include "tools/wordify/wordify.h"

#include <gtest/gtest.h>
#include <string>

namespace nuvra::tools::wordify {
namespace {

struct WordsCase {
    const char* name;
    const char* shown;
    const char* words;
};

class WordifyDisplayTest : public testing::TestWithParam<WordsCase> {};

TEST_P(WordifyDisplayTest, WordsTheShownText)
{
    const WordifyText result = WordifyDisplay(GetParam().shown);
    EXPECT_EQ(result.text, GetParam().words);
    EXPECT_EQ(result.alignment, WordifyAlignment::Left);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, WordifyDisplayTest,
    testing::Values(
        WordsCase{"zero", "0", "Zero "}, WordsCase{"ten", "10", "Ten "},
        WordsCase{"nineteen", "19", "Nineteen "}, WordsCase{"hundred", "100", "One Hundred "},
        WordsCase{"hyphenated_tens", "42", "Forty-Two "}, WordsCase{"round_tens", "90", "Ninety "},
        WordsCase{"thousands", "1234", "One Thousand Two Hundred Thirty-Four "},
        WordsCase{"empty_groups_add_nothing", "1000000", "One Million "},
        WordsCase{"million_one", "1000001", "One Million One "},
        WordsCase{"twenty_thousand", "20000", "Twenty Thousand "},
        WordsCase{"decimal_part", "0.25", "Zero Point Two Five"},
        WordsCase{"decimal_after_integer", "1234.5",
                  "One Thousand Two Hundred Thirty-Four Point Five"},
        WordsCase{"decimal_trailing_zero_spoken", "1.50", "One Point Five Zero"},
        WordsCase{"zero_decimals_silent", "12.000", "Twelve "},
        WordsCase{"trailing_point", "12.", "Twelve "},
        WordsCase{"leading_point", ".5", "Zero Point Five"},
        WordsCase{"positive_exponent", "1.5E+20", "One Point Five Times Ten To The Power Two Zero"},
        WordsCase{"negative_exponent", "3E-07", "Three  Times Ten To The Power Minus Zero Seven"},
        WordsCase{"negative_value", "-5", "Minus Five "},
        WordsCase{"negative_fraction", "-0.5", "Minus Zero Point Five"},
        WordsCase{"negative_exponent_form", "-1.5E-05",
                  "Minus One Point Five Times Ten To The Power Minus Zero Five"},
        WordsCase{"minus_zero_is_zero", "-0", "Zero "},
        WordsCase{"grouping_commas_skipped", "1,234,567.5",
                  "One Million Two Hundred Thirty-Four Thousand Five Hundred Sixty-Seven Point "
                  "Five"},
        WordsCase{"typed_seventeen_digits", "12345678901234567",
                  "Twelve Quadrillion Three Hundred Forty-Five Trillion Six Hundred Seventy-Eight "
                  "Billion Nine Hundred One Million Two Hundred Thirty-Four Thousand Five Hundred "
                  "Sixty-Seven "},
        WordsCase{"exponent_without_sign", "2E5", "Two  Times Ten To The Power Five"}),
    [](const testing::TestParamInfo<WordsCase>& info) { return info.param.name; });

TEST(WordifyScaleTest, TwentySecondGroupIsVigintillion)
{
    const std::string display = std::string("1") + std::string(63, '0');
    EXPECT_EQ(WordifyDisplay(display).text, "One Vigintillion ");
    EXPECT_EQ(WordifyDisplay(std::string("1") + std::string(60, '0')).text, "One Novemdecillion ");
    EXPECT_EQ(WordifyDisplay(std::string("1") + std::string(65, '0')).text,
              "One Hundred Vigintillion ");
    EXPECT_EQ(WordifyDisplay(std::string("1") + std::string(66, '0')).text,
              "Nuvra can only Wordify numbers upto 66 digits.");
}

struct MessageCase {
    const char* name;
    const char* shown;
    const char* message;
};

class WordifyMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(WordifyMessageTest, ShowsACentredMessage)
{
    const WordifyText result = WordifyDisplay(GetParam().shown);
    EXPECT_EQ(result.text, GetParam().message);
    EXPECT_EQ(result.alignment, WordifyAlignment::Centre);
}

INSTANTIATE_TEST_SUITE_P(
    Words, WordifyMessageTest,
    testing::Values(MessageCase{"empty_display", "", "Calculating..."},
                    MessageCase{"infinity", "infinity", "Infinity"},
                    MessageCase{"negative_infinity", "-infinity", "Minus Infinity"},
                    MessageCase{"error_word", "error", "Error"},
                    MessageCase{"undefined_word", "undefined", "Undefined"},
                    MessageCase{"overflow_word", "OVERFLOW", "Overflow"},
                    MessageCase{"letters", "abc", "Not a number"},
                    MessageCase{"lone_point", ".", "Not a number"},
                    MessageCase{"exponent_without_digits", "1E+", "Not a number"},
                    MessageCase{"two_points", "1.2.3", "Not a number"}),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

TEST(AppendDigitWordsTest, DecimalAndExponentKinds)
{
    std::string text = "One ";
    AppendDigitWords(text, "07", DigitWordsKind::Decimal);
    EXPECT_EQ(text, "One Point Zero Seven");
    std::string exponent;
    AppendDigitWords(exponent, "15", DigitWordsKind::Exponent);
    EXPECT_EQ(exponent, " One Five");
}

TEST(WordifyClipboardTest, CopiesWordsButNotTheMessages)
{
    EXPECT_EQ(wordifyClipboardText("Ten "), "Ten ");
    EXPECT_EQ(wordifyClipboardText("Infinity"), "Infinity");
    EXPECT_FALSE(wordifyClipboardText("Calculating...").has_value());
    EXPECT_FALSE(
        wordifyClipboardText("Nuvra can only Wordify numbers upto 66 digits.").has_value());
}

TEST(WordifyUsageTest, CountsEveryOpening)
{
    platform::FakeSettingsBackend backend;
    shell::SettingsStore store(backend);
    EXPECT_EQ(countWordifyUsage(store), 1);
    EXPECT_EQ(countWordifyUsage(store), 2);
    EXPECT_EQ(store.ReadSetting("Numbers", "values", "usage", "0"), "2");
    store.WriteSetting("Numbers", "values", "usage", "garbage");
    EXPECT_EQ(countWordifyUsage(store), 1);
}

} // namespace
} // namespace nuvra::tools::wordify
