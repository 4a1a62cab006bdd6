#include "tools/fraction/fraction_finder.h"

#include <gtest/gtest.h>
#include <limits>

namespace nuvra::tools::fraction {
namespace {

struct FindCase {
    const char* name;
    double value;
    std::optional<Fraction> fraction;
};

class FindFractionTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindFractionTest, FindsTheSmallestMatchingDenominator)
{
    EXPECT_EQ(FindFraction(GetParam().value), GetParam().fraction);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FindFractionTest,
    testing::Values(
        FindCase{"half", 0.5, Fraction{1, 2}}, FindCase{"two_and_a_half", 2.5, Fraction{5, 2}},
        FindCase{"negative_half", -0.5, Fraction{-1, 2}},
        FindCase{"three_quarters", 0.75, Fraction{3, 4}},
        FindCase{"display_of_one_third", 0.333333333333333, Fraction{1, 3}},
        FindCase{"two_sevenths", 0.285714285714286, Fraction{2, 7}},
        FindCase{"negative_improper", -2.75, Fraction{-11, 4}},
        FindCase{"one_tenth", 0.1, Fraction{1, 10}},
        FindCase{"display_of_one_seventh", 0.142857142857143, Fraction{1, 7}},
        FindCase{"eleven_tenths", 1.1, Fraction{11, 10}},
        FindCase{"three_decimals", 123.456, Fraction{15432, 125}},
        FindCase{"negative_third", -0.333333333333333, Fraction{-1, 3}},
        FindCase{"nine_decimals_beyond_the_bound", 0.123456789, std::nullopt},
        FindCase{"nearly_one", 0.999999999999999, std::nullopt},
        FindCase{"whole_number", 7, std::nullopt},
        FindCase{"negative_whole_number", -3, std::nullopt}, FindCase{"zero", 0, std::nullopt},
        FindCase{"pi_beyond_the_bound", 3.14159265358979, std::nullopt},
        FindCase{"numerator_beyond_32_bits", 10000000000.5, std::nullopt},
        FindCase{"huge", 1e300, std::nullopt},
        FindCase{"infinity", std::numeric_limits<double>::infinity(), std::nullopt},
        FindCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), std::nullopt}),
    [](const testing::TestParamInfo<FindCase>& info) { return info.param.name; });

struct ShowCase {
    const char* name;
    const char* shown;
    FractionTexts texts;
    const char* clipboard;
};

class ShowFractionTest : public testing::TestWithParam<ShowCase> {};

TEST_P(ShowFractionTest, ShowsAndCopies)
{
    const FractionTexts texts = ShowFraction(GetParam().shown);
    EXPECT_EQ(texts, GetParam().texts);
    EXPECT_EQ(fractionClipboardText(texts), GetParam().clipboard);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, ShowFractionTest,
    testing::Values(ShowCase{"zero_display", "0", {"0", ""}, "0"},
                    ShowCase{"empty_display", "", {"0", ""}, "0"},
                    ShowCase{"error_word", "error", {"0", ""}, "0"},
                    ShowCase{"infinity_word", "infinity", {"0", ""}, "0"},
                    ShowCase{"half", "0.5", {"1", "2"}, "1/2"},
                    ShowCase{"negative_half", "-0.5", {"-1", "2"}, "-1/2"},
                    ShowCase{"leading_point_display", ".75", {"3", "4"}, "3/4"},
                    ShowCase{"whole_number", "7", {"7", ""}, "7"},
                    ShowCase{"negative_whole_number", "-3", {"-3", ""}, "-3"},
                    ShowCase{"grouped_display", "1,234.5", {"2469", "2"}, "2469/2"},
                    ShowCase{"no_fraction_found",
                             "3.14159265358979",
                             {"3.14159265358979", ""},
                             "3.14159265358979"}),
    [](const testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

TEST(FractionClipboardTest, ReadsTheLabelTexts)
{
    EXPECT_EQ(fractionClipboardText({"5", "0"}), "5");
    EXPECT_EQ(fractionClipboardText({"abc", ""}), "0");
}

} // namespace
} // namespace nuvra::tools::fraction
