#include "graph/plane_settings.h"

#include <gtest/gtest.h>
#include <variant>

namespace nuvra::graph {
namespace {

TEST(PlaneFieldsOfTest, WritesTheDefaultPlaneAsWholeNumbers)
{
    EXPECT_EQ(PlaneFieldsOf(Plane{}), (PlaneFieldTexts{"-10", "10", "-10", "10", "1", "1"}));
    EXPECT_EQ(PlaneFieldsOf(Plane{-1000, 1000, 0, 5, 1000, 25}),
              (PlaneFieldTexts{"-1000", "1000", "0", "5", "1000", "25"}));
}

struct NormaliseCase {
    const char* name;
    PlaneFieldTexts fields; // XMin, XMax, YMin, YMax, XScale, YScale
    PlaneFieldTexts expected;
};

class NormaliseSettingsTest : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseSettingsTest, CorrectsTheNumericFields)
{
    PlaneFieldTexts fields = GetParam().fields;
    NormaliseSettings(fields);
    EXPECT_EQ(fields, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NormaliseSettingsTest,
    testing::Values(NormaliseCase{"defaults_unchanged",
                                  {"-10", "10", "-10", "10", "1", "1"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"valid_range_unchanged",
                                  {"5", "10", "-3", "4", "2", "5"},
                                  {"5", "10", "-3", "4", "2", "5"}},
                    NormaliseCase{"limits_kept",
                                  {"-1000", "1000", "-1000", "1000", "1000", "1000"},
                                  {"-1000", "1000", "-1000", "1000", "1000", "1000"}},
                    NormaliseCase{"min_beyond_top_becomes_default",
                                  {"2000", "10", "1001", "10", "1", "1"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"max_beyond_top_becomes_default",
                                  {"-10", "1001", "-10", "1001", "1", "1"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"beyond_bottom_becomes_default",
                                  {"-1001", "-1001", "-1001", "-5000", "1", "1"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"fractions_cut_toward_zero",
                                  {"-2.7", "2.7", "-0.9", "9.99", "1", "1"},
                                  {"-2", "2", "0", "9", "1", "1"}},
                    NormaliseCase{"min_above_max_moves_max",
                                  {"5", "3", "8", "-2", "1", "1"},
                                  {"5", "6", "8", "9", "1", "1"}},
                    NormaliseCase{"min_equal_to_max_moves_max",
                                  {"5", "5", "-7", "-7", "1", "1"},
                                  {"5", "6", "-7", "-6", "1", "1"}},
                    NormaliseCase{"equal_at_the_top_steps_down",
                                  {"1000", "1000", "1000", "10", "1", "1"},
                                  {"999", "1000", "999", "1000", "1", "1"}},
                    NormaliseCase{"cut_fractions_then_compared",
                                  {"5.9", "5.2", "-1.5", "-1.2", "1", "1"},
                                  {"5", "6", "-1", "0", "1", "1"}},
                    NormaliseCase{"out_of_range_min_replaced_before_comparing",
                                  {"2000", "5", "-10", "10", "1", "1"},
                                  {"-10", "5", "-10", "10", "1", "1"}},
                    NormaliseCase{"scales_outside_range_become_one",
                                  {"-10", "10", "-10", "10", "0", "1001"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"negative_scale_becomes_one",
                                  {"-10", "10", "-10", "10", "-3", "1"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"scales_cut_toward_zero",
                                  {"-10", "10", "-10", "10", "2.7", "999.9"},
                                  {"-10", "10", "-10", "10", "2", "999"}},
                    NormaliseCase{"scale_below_one_becomes_one",
                                  {"-10", "10", "-10", "10", "0.5", "1"},
                                  {"-10", "10", "-10", "10", "1", "1"}},
                    NormaliseCase{"text_fields_left_alone",
                                  {"abc", "2000", "", "5.5", "x", "1/2"},
                                  {"abc", "10", "", "5", "x", "1/2"}},
                    NormaliseCase{"no_comparison_with_a_text_field",
                                  {"50", "abc", "9", "(3)", "1", "1"},
                                  {"50", "abc", "9", "(3)", "1", "1"}}),
    [](const testing::TestParamInfo<NormaliseCase>& info) { return info.param.name; });

TEST(ApplySettingsTest, GivesThePlaneOfTheNormalisedFields)
{
    PlaneFieldTexts fields{"-5", "20", "-3.5", "4", "2", "5"};

    const auto result = ApplySettings(fields);

    ASSERT_TRUE(std::holds_alternative<Plane>(result));
    EXPECT_EQ(std::get<Plane>(result), (Plane{-5, 20, -3, 4, 2, 5}));
    EXPECT_EQ(fields, (PlaneFieldTexts{"-5", "20", "-3", "4", "2", "5"}));
}

TEST(ApplySettingsTest, MovesTheMaximumAboveTheMinimum)
{
    PlaneFieldTexts fields{"1000", "1000", "5", "3", "0", "1"};

    const auto result = ApplySettings(fields);

    ASSERT_TRUE(std::holds_alternative<Plane>(result));
    EXPECT_EQ(std::get<Plane>(result), (Plane{999, 1000, 5, 6, 1, 1}));
    EXPECT_EQ(fields, (PlaneFieldTexts{"999", "1000", "5", "6", "1", "1"}));
}

struct FieldErrorCase {
    const char* name;
    PlaneFieldTexts fields;
    PlaneField expected;
};

class ApplySettingsErrorTest : public testing::TestWithParam<FieldErrorCase> {};

TEST_P(ApplySettingsErrorTest, NamesTheFirstFieldThatIsNotANumber)
{
    PlaneFieldTexts fields = GetParam().fields;
    const auto result = ApplySettings(fields);
    ASSERT_TRUE(std::holds_alternative<PlaneField>(result));
    EXPECT_EQ(std::get<PlaneField>(result), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ApplySettingsErrorTest,
    testing::Values(
        FieldErrorCase{"word_in_x_max", {"-10", "abc", "-10", "10", "1", "1"}, PlaneField::XMax},
        FieldErrorCase{"empty_x_min", {"", "10", "-10", "10", "1", "1"}, PlaneField::XMin},
        FieldErrorCase{"bracketed_y_min", {"-10", "10", "(1)", "10", "1", "1"}, PlaneField::YMin},
        FieldErrorCase{
            "letter_after_y_max", {"-10", "10", "-10", "10x", "1", "1"}, PlaneField::YMax},
        FieldErrorCase{
            "fraction_x_scale", {"-10", "10", "-10", "10", "1/2", "1"}, PlaneField::XScale},
        FieldErrorCase{"word_y_scale", {"-10", "10", "-10", "10", "1", "one"}, PlaneField::YScale},
        FieldErrorCase{
            "first_of_two_in_field_order", {"-10", "abc", "-10", "10", "1", "q"}, PlaneField::XMax},
        FieldErrorCase{"x_max_before_y_min", {"-10", "?", "?", "10", "1", "1"}, PlaneField::XMax}),
    [](const testing::TestParamInfo<FieldErrorCase>& info) { return info.param.name; });

} // namespace
} // namespace nuvra::graph
