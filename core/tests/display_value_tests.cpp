#include "core/display_value.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace nuvra::core {
namespace {

DisplayValue displayIn(DecimalsMode mode, bool grouping)
{
    DisplayValue display;
    display.settings().decimalsMode = mode;
    display.settings().digitGrouping = grouping;
    SetFormatPatterns(display.settings());
    return display;
}

struct PipelineCase {
    const char* name;
    DecimalsMode mode;
    bool grouping;
    const char* text;
    EntryEdit edit;
    const char* entry;
    const char* shown;
};

class EntryPipelineTest : public testing::TestWithParam<PipelineCase> {};

TEST_P(EntryPipelineTest, FormatsTheEntryAndTheShownText)
{
    const PipelineCase& c = GetParam();
    DisplayValue display = displayIn(c.mode, c.grouping);
    display.setEntry(c.text, c.edit);
    EXPECT_EQ(display.entry(), c.entry);
    EXPECT_EQ(display.shown(), c.shown);
    EXPECT_EQ(display.typingBox(), c.entry);
}

constexpr auto kAll = DecimalsMode::All;
constexpr auto kTwo = DecimalsMode::Two;
constexpr auto kFour = DecimalsMode::Four;
constexpr auto kNone = DecimalsMode::None;
constexpr auto kTyped = EntryEdit::Typed;
constexpr auto kResult = EntryEdit::Result;

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryPipelineTest,
    testing::Values(
        PipelineCase{"leading_zero_stripped", kAll, false, "07", kTyped, "7", "7"},
        PipelineCase{"zero_point_loses_its_zero", kAll, false, "0.", kTyped, ".", "."},
        PipelineCase{"all_decimals_shows_the_entry", kAll, true, "1234.56789", kResult,
                     "1234.56789", "1234.56789"},
        PipelineCase{"all_decimals_keeps_words", kAll, false, "abc", kResult, "abc", "abc"},
        PipelineCase{"two_decimals_grouped", kTwo, true, "1234.5", kResult, "1234.5", "1,234.5"},
        PipelineCase{"three_decimals_rounded_to_two", kTwo, true, "1234.567", kResult, "1234.57",
                     "1,234.57"},
        PipelineCase{"half_rounds_away_from_zero", kTwo, false, "-2.345", kResult, "-2.35",
                     "-2.35"},
        PipelineCase{"no_leading_zero_under_a_pattern", kTwo, false, "0.5", kResult, ".5", ".5"},
        PipelineCase{"no_decimals_drops_the_point", kNone, false, "12", kResult, "12", "12"},
        PipelineCase{"no_decimals_rounds", kNone, true, "12345.5", kResult, "12346", "12,346"},
        PipelineCase{"four_decimals", kFour, false, "3.14159265", kResult, "3.1416", "3.1416"},
        PipelineCase{"result_zero_is_not_blank", kTwo, false, "0", kResult, "0", "0"},
        PipelineCase{"tiny_result_rounds_to_zero", kTwo, false, "0.001", kResult, "0", "0"},
        PipelineCase{"empty_entry_stays_blank", kTwo, false, "", kTyped, "", ""},
        PipelineCase{"typed_zero_after_point_is_kept", kTwo, false, "1.0", kTyped, "1.0", "1.0"},
        PipelineCase{"typed_digits_after_point_kept", kTwo, false, "1.05", kTyped, "1.05", "1.05"},
        PipelineCase{"typed_entry_grouped_when_shown", kFour, true, "-12345.0", kTyped,
                     "-12345.0", "-12,345.0"},
        PipelineCase{"typed_trailing_point_removed_later", kTwo, false, "12.", kTyped, "12", "12"},
        PipelineCase{"typed_too_many_decimals_rounded", kTwo, false, "1.239", kTyped, "1.24",
                     "1.24"},
        PipelineCase{"beyond_the_range_kept_under_a_pattern", kNone, true, "-1E+999", kResult,
                     "-1E+999", "-1E+999"},
        PipelineCase{"beyond_the_range_kept_under_two_decimals", kTwo, false, "2E+308",
                     kResult, "2E+308", "2E+308"},
        PipelineCase{"exponent_result_printed_in_full", kTwo, true, "1.5E+20", kResult,
                     "150000000000000000000", "150,000,000,000,000,000,000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryPipeline, PointJustTypedSurvivesOneChange)
{
    DisplayValue display = displayIn(DecimalsMode::Two, false);
    display.setEntry("12", EntryEdit::Typed);
    display.markDotJustTyped();
    display.setEntry("12.", EntryEdit::Typed);
    EXPECT_EQ(display.entry(), "12.");
    EXPECT_EQ(display.shown(), "12.");
    display.setEntry("12.", EntryEdit::Result);
    EXPECT_EQ(display.entry(), "12");
}

TEST(EntryPipeline, ZeroThenPointKeepsThePoint)
{
    DisplayValue display = displayIn(DecimalsMode::Four, false);
    display.setEntry("0", EntryEdit::Typed);
    display.markDotJustTyped();
    display.setEntry("0.", EntryEdit::Typed);
    EXPECT_EQ(display.entry(), ".");
    display.setEntry(".5", EntryEdit::Typed);
    EXPECT_EQ(display.shown(), ".5");
}

TEST(EntryPipeline, FractionFlagFollowsTheValue)
{
    DisplayValue display;
    display.setEntry("2.5");
    EXPECT_TRUE(display.entryHasFraction());
    display.setEntry("2.");
    EXPECT_FALSE(display.entryHasFraction());
    display.setEntry("-0.25");
    EXPECT_TRUE(display.entryHasFraction());
}

struct FontCase {
    const char* name;
    std::size_t length;
    int points;
    int top;
};

class FontStepTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontStepTest, ShrinksWithTheEntryLength)
{
    DisplayValue display;
    display.setEntry(std::string(11, '1'));
    display.setEntry(std::string(GetParam().length, '1'));
    EXPECT_EQ(display.font().points, GetParam().points);
    EXPECT_EQ(display.font().topTwips, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FontStepTest,
                         testing::Values(FontCase{"eleven_large", 11, 20, 315},
                                         FontCase{"twelve_medium", 12, 15, 380},
                                         FontCase{"seventeen_medium", 17, 15, 380},
                                         FontCase{"eighteen_small", 18, 10, 430},
                                         FontCase{"twenty_six_small", 26, 10, 430},
                                         FontCase{"longer_keeps_the_last_step", 40, 20, 315}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FontStep, LongEntriesKeepTheSmallStepAfterGrowing)
{
    DisplayValue display;
    display.setEntry(std::string(18, '1'));
    display.setEntry(std::string(27, '1'));
    EXPECT_EQ(display.font().points, 10);
}

struct ErrorCase {
    const char* name;
    const char* code;
    const char* shown;
    bool errorShown;
    bool undefinedFlag;
};

class ShowErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ShowErrorTest, ShowsTheWordAndResetsTheEntry)
{
    DisplayValue display;
    display.setEntry("123");
    display.ShowError(GetParam().code);
    EXPECT_EQ(display.entry(), "0");
    EXPECT_EQ(display.shown(), GetParam().shown);
    EXPECT_EQ(display.IsErrorShown(), GetParam().errorShown);
    EXPECT_EQ(display.undefinedShown(), GetParam().undefinedFlag);
    EXPECT_EQ(display.shownInErrorColour(), GetParam().errorShown);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ShowErrorTest,
    testing::Values(ErrorCase{"lower_e", "e", "error", true, false},
                    ErrorCase{"empty_code", "", "error", true, false},
                    ErrorCase{"upper_e_only_resets", "E", "0", false, false},
                    ErrorCase{"lower_i", "i", "infinity", true, false},
                    ErrorCase{"upper_i", "I", "infinity", true, false},
                    ErrorCase{"lower_u", "u", "undefined", true, true},
                    ErrorCase{"upper_u", "U", "undefined", true, true},
                    ErrorCase{"other_code", "x", "0", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShownText, OverflowIsOrangeButStillANumberForEnter)
{
    DisplayValue display;
    display.setShown("OVERFLOW");
    EXPECT_TRUE(display.shownInErrorColour());
    EXPECT_EQ(display.shownColour().red, 255);
    EXPECT_FALSE(display.IsErrorShown());
    display.setShown("Infinity");
    EXPECT_TRUE(display.IsErrorShown());
    display.setEntry("5");
    EXPECT_FALSE(display.shownInErrorColour());
    EXPECT_EQ(display.shownColour().blue, 240);
}

TEST(ShownText, AChangeClosesTheCopyPasteStrip)
{
    DisplayValue display;
    display.openCopyPasteStrip();
    display.setEntry("0");
    EXPECT_TRUE(display.copyPasteStripOpen());
    display.setEntry("9");
    EXPECT_FALSE(display.copyPasteStripOpen());
}

TEST(TypingBox, TakesNoMoreThanTheEntryBound)
{
    DisplayValue display;
    display.setTypingBox(std::string(450, '7'));
    EXPECT_EQ(display.entry(), std::string(400, '7'));
    EXPECT_EQ(display.typingBox(), std::string(400, '7'));
    EXPECT_TRUE(display.entryFull());
}

TEST(TypingBox, TakesDigitsOnlyAndCopiesToTheEntry)
{
    DisplayValue display;
    EXPECT_FALSE(display.typingBoxAccepts('a'));
    EXPECT_FALSE(display.typingBoxAccepts('.'));
    EXPECT_TRUE(display.typingBoxAccepts('7'));
    EXPECT_TRUE(display.typingBoxAccepts('\b'));
    display.setTypingBox("345");
    EXPECT_EQ(display.entry(), "345");
    EXPECT_EQ(display.shown(), "345");
}

TEST(FormatPatterns, DerivedFromModeAndGrouping)
{
    DisplaySettings settings;
    settings.decimalsMode = DecimalsMode::Two;
    settings.digitGrouping = true;
    SetFormatPatterns(settings);
    EXPECT_EQ(settings.shownPattern, "##,##.##");
    EXPECT_EQ(settings.entryPattern, "####.##");
    settings.decimalsMode = DecimalsMode::None;
    settings.digitGrouping = false;
    SetFormatPatterns(settings);
    EXPECT_EQ(settings.shownPattern, "####.");
    settings.decimalsMode = DecimalsMode::All;
    settings.digitGrouping = true;
    SetFormatPatterns(settings);
    EXPECT_EQ(settings.shownPattern, "####.");
    EXPECT_EQ(settings.entryPattern, "####.");
}

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* text;
};

class FormatWithPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatWithPatternTest, PrintsThePattern)
{
    EXPECT_EQ(FormatWithPattern(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatWithPatternTest,
    testing::Values(PatternCase{"half_without_leading_zero", 0.5, "####.##", ".5"},
                    PatternCase{"integer_keeps_point", 12, "####.", "12."},
                    PatternCase{"zero_is_a_point", 0, "####.##", "."},
                    PatternCase{"grouped", 1234.5, "##,##.##", "1,234.5"},
                    PatternCase{"decimal_half_rounds_up", 1.005, "####.##", "1.01"},
                    PatternCase{"carry_into_integer", 9.999, "####.##", "10."},
                    PatternCase{"carry_into_new_digit_grouped", 999999.999, "##,##.##",
                                "1,000,000."},
                    PatternCase{"negative_rounding_to_zero_has_no_sign", -0.001, "####.##", "."},
                    PatternCase{"long_integer_printed_in_full", 12345678, "####.", "12345678."},
                    PatternCase{"small_value_four_places", 0.00005, "####.####", ".0001"}),
    [](const auto& info) { return std::string(info.param.name); });

// The pattern prints every integer digit, so its 15 rounded digits must not go beyond the
// largest double either.
struct LargePatternCase {
    const char* name;
    double value;
    const char* pattern;
    std::string text;
    double readBack;
};

void PrintTo(const LargePatternCase& c, std::ostream* out)
{
    *out << c.name;
}

class LargeFormatWithPatternTest : public testing::TestWithParam<LargePatternCase> {};

TEST_P(LargeFormatWithPatternTest, TextReadsBackFinite)
{
    const std::string text = FormatWithPattern(GetParam().value, GetParam().pattern);
    EXPECT_EQ(text, GetParam().text);
    const double back = ReadLeadingNumber(text);
    EXPECT_TRUE(std::isfinite(back));
    EXPECT_EQ(back, GetParam().readBack);
}

// 309 integer digits: the 15 significant ones, then 294 zeros.
const std::string kLargestDigits = "179769313486231" + std::string(294, '0');

INSTANTIATE_TEST_SUITE_P(
    NearTheLargestDouble, LargeFormatWithPatternTest,
    testing::Values(
        LargePatternCase{"largest_double", std::numeric_limits<double>::max(), "####.",
                         kLargestDigits + ".", 1.79769313486231e308},
        LargePatternCase{"largest_negative_double", -std::numeric_limits<double>::max(),
                         "####.##", "-" + kLargestDigits + ".", -1.79769313486231e308},
        LargePatternCase{"neighbour_below_the_largest", 1.7976931348623155e308, "####.####",
                         kLargestDigits + ".", 1.79769313486231e308},
        LargePatternCase{"highest_double_rounding_up", 1.7976931348623097e308, "####.",
                         kLargestDigits + ".", 1.79769313486231e308},
        LargePatternCase{"below_the_limit_rounds_to_nearest", 1.7976931348623023e308, "####.",
                         "17976931348623" + std::string(295, '0') + ".", 1.7976931348623e308}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::core
