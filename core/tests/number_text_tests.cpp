#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nuvra::core {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    double value;
};

class ReadLeadingNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumberTest, ReadsTheLongestLeadingNumber)
{
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLeadingNumberTest,
    testing::Values(ReadCase{"empty", "", 0}, ReadCase{"integer", "42", 42},
                    ReadCase{"leading_blanks", "  \t 7", 7}, ReadCase{"plus_sign", "+5", 5},
                    ReadCase{"negative_fraction", "-.5", -0.5},
                    ReadCase{"letters_after_digits", "12abc", 12},
                    ReadCase{"comma_stops_reading", "1,5", 1},
                    ReadCase{"two_minus_signs", "--5", 0}, ReadCase{"second_point_stops", "1.2.3", 1.2},
                    ReadCase{"lone_point", ".", 0}, ReadCase{"trailing_point", "12.", 12},
                    ReadCase{"exponent", "1.5E3", 1500}, ReadCase{"lower_case_exponent", "2e-2", 0.02},
                    ReadCase{"exponent_with_plus", "1E+15", 1e15},
                    ReadCase{"exponent_without_digits", "12E", 12},
                    ReadCase{"exponent_sign_without_digits", "3e+x", 3},
                    ReadCase{"error_word", "undefined", 0}, ReadCase{"blank_inside", "1 2", 1},
                    ReadCase{"underflow", "1E-999", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLeadingNumber, MagnitudeBeyondTheDoubleRangeIsInfinite)
{
    EXPECT_EQ(ReadLeadingNumber("1E999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingNumber("0.0000001E-400"), 0.0);
}

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

class NumberToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTest, WritesTheShortestText)
{
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberToTextTest,
    testing::Values(TextCase{"zero", 0.0, "0"}, TextCase{"negative_zero", -0.0, "0"},
                    TextCase{"half", 0.5, "0.5"}, TextCase{"thousand", 1000, "1000"},
                    TextCase{"ten_thousandth", 0.0001, "0.0001"},
                    TextCase{"below_plain_range", 0.00001, "1E-05"},
                    TextCase{"negative", -2.25, "-2.25"},
                    TextCase{"binary_fraction_rounded_to_15_digits", 0.1 + 0.2, "0.3"},
                    TextCase{"one_third", 1.0 / 3.0, "0.333333333333333"},
                    TextCase{"two_thirds", 2.0 / 3.0, "0.666666666666667"},
                    TextCase{"largest_plain", 999999999999999.0, "999999999999999"},
                    TextCase{"sixteen_nines_round_up", 9999999999999999.0, "1E+16"},
                    TextCase{"exponent_form", 1e15, "1E+15"},
                    TextCase{"exponent_with_mantissa", 1.5e20, "1.5E+20"},
                    TextCase{"three_digit_exponent", 1e300, "1E+300"},
                    TextCase{"small_exponent", -1.25e-7, "-1.25E-07"},
                    TextCase{"big_integer", 123456789012345.0, "123456789012345"},
                    TextCase{"largest_double", std::numeric_limits<double>::max(),
                             "1.79769313486231E+308"},
                    TextCase{"infinity", std::numeric_limits<double>::infinity(), "infinity"},
                    TextCase{"not_a_number", std::nan(""), "error"}),
    [](const auto& info) { return std::string(info.param.name); });

// Near the largest double the nearest 15 digits can lie beyond the double range; the text is
// then rounded toward zero and must still read back as a finite number.
struct LargeTextCase {
    const char* name;
    double value;
    const char* text;
    double readBack;
};

class LargeNumberToTextTest : public testing::TestWithParam<LargeTextCase> {};

TEST_P(LargeNumberToTextTest, TextReadsBackFinite)
{
    const std::string text = NumberToText(GetParam().value);
    EXPECT_EQ(text, GetParam().text);
    const double back = ReadLeadingNumber(text);
    EXPECT_TRUE(std::isfinite(back)) << text;
    EXPECT_EQ(back, GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(
    NearTheLargestDouble, LargeNumberToTextTest,
    testing::Values(
        LargeTextCase{"largest_double", std::numeric_limits<double>::max(),
                      "1.79769313486231E+308", 1.79769313486231e308},
        LargeTextCase{"largest_negative_double", -std::numeric_limits<double>::max(),
                      "-1.79769313486231E+308", -1.79769313486231e308},
        LargeTextCase{"neighbour_below_the_largest", 1.7976931348623155e308,
                      "1.79769313486231E+308", 1.79769313486231e308},
        LargeTextCase{"lowest_double_nearest_beyond_the_range", 1.7976931348623151e308,
                      "1.79769313486231E+308", 1.79769313486231e308},
        LargeTextCase{"negative_neighbour_above_the_lowest", -1.7976931348623153e308,
                      "-1.79769313486231E+308", -1.79769313486231e308},
        LargeTextCase{"highest_double_rounding_down", 1.797693134862315e308,
                      "1.79769313486231E+308", 1.79769313486231e308},
        LargeTextCase{"highest_double_rounding_up", 1.7976931348623097e308,
                      "1.79769313486231E+308", 1.79769313486231e308},
        LargeTextCase{"below_the_limit_rounds_to_nearest", 1.7976931348623023e308,
                      "1.7976931348623E+308", 1.7976931348623e308},
        LargeTextCase{"fifteen_digits_fit", 1.79769313486231e308, "1.79769313486231E+308",
                      1.79769313486231e308}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberToText, TextReadsBackToTheSameFifteenDigitValue)
{
    for (double value : {1.0 / 7.0, 123.456, -98765.4321, 6.02214076e23, 1.602e-19}) {
        const double back = ReadLeadingNumber(NumberToText(value));
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << NumberToText(value);
    }
}

struct SingleTextCase {
    const char* name;
    float value;
    const char* text;
};

class SingleToTextTest : public testing::TestWithParam<SingleTextCase> {};

TEST_P(SingleToTextTest, WritesSevenSignificantDigits)
{
    EXPECT_EQ(SingleToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SingleToTextTest,
    testing::Values(SingleTextCase{"zero", 0.0f, "0"}, SingleTextCase{"tenth", 0.1f, "0.1"},
                    SingleTextCase{"third", 1.0f / 3.0f, "0.3333333"},
                    SingleTextCase{"whole", 431676.0f, "431676"},
                    SingleTextCase{"seven_digits", 123456.78f, "123456.8"},
                    SingleTextCase{"small_plain", 0.007297352533f, "0.007297352"},
                    SingleTextCase{"exponent_below", 5.6704e-08f, "5.6704E-08"},
                    SingleTextCase{"first_exponent_below", 7.748091695e-05f, "7.748092E-05"},
                    SingleTextCase{"last_plain_below", 0.0001f, "0.0001"},
                    SingleTextCase{"small_exponent_form", 0.00001f, "1E-05"},
                    SingleTextCase{"exponent_above", 10973732.0f, "1.097373E+07"},
                    SingleTextCase{"large_in_exponent_form", 123456789.0f, "1.234568E+08"},
                    SingleTextCase{"last_plain_above", 9999999.0f, "9999999"},
                    SingleTextCase{"negative", -9.28476362e-24f, "-9.284763E-24"},
                    SingleTextCase{"infinity", std::numeric_limits<float>::infinity(), "infinity"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PasteCase {
    const char* name;
    const char* text;
    std::optional<double> value;
};

class ReadPastedNumberTest : public testing::TestWithParam<PasteCase> {};

TEST_P(ReadPastedNumberTest, AcceptsOnlyOneWholeNumber)
{
    const auto value = ReadPastedNumber(GetParam().text);
    ASSERT_EQ(value.has_value(), GetParam().value.has_value());
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadPastedNumberTest,
    testing::Values(PasteCase{"plain", "42", 42.0}, PasteCase{"blanks_around", "  42 ", 42.0},
                    PasteCase{"letters", "abc", std::nullopt},
                    PasteCase{"number_then_letters", "12abc", std::nullopt},
                    PasteCase{"grouped_thousands", "1,234", 1234.0},
                    PasteCase{"grouped_millions_with_fraction", "-1,234,567.5", -1234567.5},
                    PasteCase{"comma_as_decimal_point", "1,5", std::nullopt},
                    PasteCase{"misplaced_group", "12,34,567", std::nullopt},
                    PasteCase{"leading_comma", ",123", std::nullopt},
                    PasteCase{"exponent", "2.5E3", 2500.0}, PasteCase{"empty", "", std::nullopt},
                    PasteCase{"lone_sign", "-", std::nullopt},
                    PasteCase{"two_numbers", "1 2", std::nullopt},
                    PasteCase{"fraction_only", ".5", 0.5}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::core
