#include "core/feedback.h"
#include "core/session.h"
#include "eval/expression_evaluator.h"

#include <gtest/gtest.h>
#include <string>

namespace nuvra::eval {
namespace {

using core::AngularSystem;

struct EvalCase {
    const char* name;
    const char* formula;
    const char* expected;
    AngularSystem angle = AngularSystem::Degrees;
    const char* answer = "0";
};

std::string evaluate(const EvalCase& row)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    session.angularSystem = row.angle;
    session.display.setEntry(row.answer);
    return EvaluateExpression(row.formula, session);
}

class EvaluateExpressionTest : public testing::TestWithParam<EvalCase> {};

TEST_P(EvaluateExpressionTest, GivesTheResultText)
{
    EXPECT_EQ(evaluate(GetParam()), GetParam().expected) << GetParam().formula;
}

std::string rowName(const testing::TestParamInfo<EvalCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Precedence, EvaluateExpressionTest,
                         testing::Values(EvalCase{"product_before_sum", "2 + 3 * 4", "14"},
                                         EvalCase{"power_right_associative", "2^3^2", "512"},
                                         EvalCase{"sign_outside_power", "-2^2", "-4"},
                                         EvalCase{"bracketed_negative_base", "(-2)^2", "4"},
                                         EvalCase{"negative_exponent", "2^-1", "0.5"},
                                         EvalCase{"subtraction_left_to_right", "10-4-3", "3"},
                                         EvalCase{"division_left_to_right", "100/10/5", "2"},
                                         EvalCase{"leading_plus_sign", "+5+3", "8"},
                                         EvalCase{"double_minus_folds", "5--3", "8"},
                                         EvalCase{"grouping_commas", "1,234+1", "1235"},
                                         EvalCase{"example_formula", "2(3+4)^2 - sin(30) + 15%",
                                                  "97.65"}),
                         rowName);

INSTANTIATE_TEST_SUITE_P(ImplicitMultiplication, EvaluateExpressionTest,
                         testing::Values(EvalCase{"digit_before_bracket", "2(3)", "6"},
                                         EvalCase{"bracket_before_bracket", "(2)(3)", "6"},
                                         EvalCase{"bracket_before_digit", "(2)3", "6"},
                                         EvalCase{"leading_minus_bracket", "-(2+3)", "-5"},
                                         EvalCase{"minus_bracket_after_times", "2 * -(3+4)", "-14"},
                                         EvalCase{"nested_minus_bracket", "2 * -(3 * (4+5) - 1)",
                                                  "-52"},
                                         EvalCase{"digit_before_function", "2sin(30)", "1"},
                                         EvalCase{"digit_before_pi", "2pi", "6.28318530717958"},
                                         EvalCase{"pi_before_digit", "pi2", "6.28318530717958"}),
                         rowName);

INSTANTIATE_TEST_SUITE_P(ModPercentFactorial, EvaluateExpressionTest,
                         testing::Values(EvalCase{"mod", "10mod3", "1"},
                                         EvalCase{"mod_sign_of_left_operand", "-7 mod 3", "-1"},
                                         EvalCase{"percent_operand", "50% * 200", "100"},
                                         EvalCase{"percent_of_addend", "200+10%", "200.1"},
                                         EvalCase{"factorial", "5!", "120"},
                                         EvalCase{"factorial_then_percent", "5!%", "1.2"},
                                         EvalCase{"factorial_operand", "3!*2", "12"},
                                         EvalCase{"half_factorial_is_half_root_pi", "0.5!",
                                                  "0.886226925452758"},
                                         EvalCase{"negative_factorial_fails", "-5!", "Error"},
                                         EvalCase{"factorial_overflow_fails", "171!", "Error"},
                                         EvalCase{"zero_factorial", "0!", "1"}),
                         rowName);

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluateExpressionTest,
    testing::Values(EvalCase{"sine_in_degrees", "sin(30)", "0.5"},
                    EvalCase{"tangent_at_right_angle_is_zero", "tan(90)", "0"},
                    EvalCase{"sine_of_pi_in_radians", "sin(pi)", "3.23108914886517E-15",
                             AngularSystem::Radians},
                    EvalCase{"cosine_in_gradians", "cos(100)", "0", AngularSystem::Gradians},
                    EvalCase{"sine_in_turns", "sin(0.25)", "1", AngularSystem::Turns},
                    EvalCase{"arcsine_in_degrees", "asn(0.5)", "30"},
                    EvalCase{"arcsine_out_of_domain", "asn(2)", "Error"},
                    EvalCase{"arccosine_of_minus_one", "acs(-1)", "180"},
                    EvalCase{"arctangent_of_one", "atn(1)", "45"},
                    EvalCase{"cosecant_of_zero_fails", "csc(0)", "Error"},
                    EvalCase{"secant_of_sixty", "sec(60)", "2"},
                    EvalCase{"cotangent_of_45", "cot(45)", "1"},
                    EvalCase{"square_roots", "sqr(16)+sqr(9)", "7"},
                    EvalCase{"nested_square_roots", "sqr(sqr(16))", "2"},
                    EvalCase{"root_of_negative_fails", "sqr(-4)", "Error"},
                    EvalCase{"int_truncates", "int(-2.5)", "-2"},
                    EvalCase{"absolute_value", "abs(-3)", "3"},
                    EvalCase{"ten_based_log", "log(1000)", "3"},
                    EvalCase{"natural_log_of_zero_fails", "ln(0)", "Error"},
                    EvalCase{"exp_of_zero", "exp(0)", "1"},
                    EvalCase{"exp_overflow_fails", "exp(1000)", "Error"},
                    EvalCase{"function_of_expression", "sqr(3*3+16)", "5"},
                    EvalCase{"function_value_in_power", "sin(30)^2", "0.25"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(NumberTexts, EvaluateExpressionTest,
                         testing::Values(EvalCase{"exponent_form_read_back", "2^70+1",
                                                  "1.18059162071741E+21"},
                                         EvalCase{"typed_exponent", "2e-3+1", "1.002"},
                                         EvalCase{"upper_case_and_blanks", "  SQR( 16 ) ", "4"},
                                         EvalCase{"beyond_double_range_fails", "1e308*10", "Error"},
                                         EvalCase{"plain_number_normalised", "--5.0", "5"}),
                         rowName);

INSTANTIATE_TEST_SUITE_P(Brackets, EvaluateExpressionTest,
                         testing::Values(EvalCase{"missing_close_added", "(2+3", "5"},
                                         EvalCase{"extra_close", "2+3)", "Syntax error"},
                                         EvalCase{"close_before_open", ")(", "Syntax error"},
                                         EvalCase{"crossed_groups", "2)+(3", "Syntax error"},
                                         EvalCase{"empty_group_fails", "()", "Error"},
                                         EvalCase{"nested_groups", "((2+3)*(4-1))^2", "225"}),
                         rowName);

INSTANTIATE_TEST_SUITE_P(
    Failures, EvaluateExpressionTest,
    testing::Values(EvalCase{"division_by_zero", "1/0", "Error"},
                    EvalCase{"mod_by_zero", "5mod0", "Error"},
                    EvalCase{"empty_formula", "", "Error"},
                    EvalCase{"unknown_word", "abc", "Error"}, EvalCase{"letter_x", "2x", "Error"},
                    EvalCase{"missing_operand", "5*", "Error"},
                    EvalCase{"negative_base_fractional_exponent", "(-8)^0.5", "Error"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    Suffixes, EvaluateExpressionTest,
    testing::Values(EvalCase{"third_as_fraction", "1/3>frac", "1/3"},
                    EvalCase{"rounded_to_two", "2/3>roundto(2)", "0.67"},
                    EvalCase{"half_rounds_away_from_zero", "-2.5>roundto(0)", "-3"},
                    EvalCase{"rounded_then_fraction", "1/3>roundto(2)>frac", "33/100"},
                    EvalCase{"negative_digits", "1234>roundto(-2)", "1200"},
                    EvalCase{"digits_rounded_to_even", "2/3>roundto(2.5)", "0.67"},
                    EvalCase{"roundto_without_close", "2/3>roundto(1", "0.7"},
                    EvalCase{"bad_digits", "2/3>roundto(x)", "Error"},
                    EvalCase{"other_suffix_ignored", "2+2>hello", "4"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    Answer, EvaluateExpressionTest,
    testing::Values(EvalCase{"answer_times_two", "ans * 2", "24", AngularSystem::Degrees, "12"},
                    EvalCase{"empty_answer_is_zero", "ans+1", "1", AngularSystem::Degrees, ""},
                    EvalCase{"digit_before_answer", "2ans", "24", AngularSystem::Degrees, "12"},
                    EvalCase{"fraction_answer", "ans*4", "3", AngularSystem::Degrees, "3/4"}),
    rowName);

TEST(EvaluateExpressionSideEffects, RightAngleTangentShowsInfinity)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    session.display.setEntry("7");
    EXPECT_EQ(EvaluateExpression("tan(90)", session), "0");
    EXPECT_EQ(session.display.shown(), "infinity");
    EXPECT_EQ(session.display.entry(), "0");
}

TEST(EvaluateExpressionSideEffects, SuccessMarksTheNextDigitAsNewNumber)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    session.engine.clearOnDigit = false;
    EXPECT_EQ(EvaluateExpression("1+1", session), "2");
    EXPECT_TRUE(session.engine.clearOnDigit);
}

TEST(EvaluateExpressionSideEffects, FailureLeavesTheFlagAlone)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    session.engine.clearOnDigit = false;
    EXPECT_EQ(EvaluateExpression("sqr(4)+abc", session), "Error");
    EXPECT_FALSE(session.engine.clearOnDigit);
}

struct GraphCase {
    const char* name;
    const char* formula;
    const char* expected;
};

class EvaluateGraphExpressionTest : public testing::TestWithParam<GraphCase> {};

TEST_P(EvaluateGraphExpressionTest, GivesTheResultText)
{
    core::DisplayValue display;
    EXPECT_EQ(EvaluateGraphExpression(GetParam().formula, display), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Graph, EvaluateGraphExpressionTest,
    testing::Values(GraphCase{"sine_in_radians", "sin((1))", "0.841470984807897"},
                    GraphCase{"cosine_unrounded", "cos(1)", "0.54030230586814"},
                    GraphCase{"arctangent_in_radians", "atn(1)", "0.785398163397448"},
                    GraphCase{"reciprocal", "1/(0.5)", "2"},
                    GraphCase{"no_answer_constant", "ans+1", "Error"},
                    GraphCase{"no_suffixes", "1/3>frac", "Error"},
                    GraphCase{"negative_root_fails", "sqr((-1))", "Error"},
                    GraphCase{"exp_of_bracketed_value", "exp((0))", "1"}),
    [](const testing::TestParamInfo<GraphCase>& info) { return std::string(info.param.name); });

TEST(EvaluateGraphExpressionSideEffects, TangentInRadiansLeavesTheDisplay)
{
    // Rounded to 10 decimals; pi/2 written with 15 digits is no exact right angle.
    core::DisplayValue display;
    display.setEntry("5");
    EXPECT_EQ(EvaluateGraphExpression("tan((1))", display), "1.5574077247");
    EXPECT_EQ(EvaluateGraphExpression("tan(pi/2)", display), "-286411383293069");
    EXPECT_EQ(display.shown(), "5");
}

struct RoundCase {
    const char* name;
    double value;
    int digits;
    double expected;
};

class RoundToDigitsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToDigitsTest, RoundsHalfAwayFromZero)
{
    EXPECT_DOUBLE_EQ(RoundToDigits(GetParam().value, GetParam().digits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rounding, RoundToDigitsTest,
                         testing::Values(RoundCase{"two_decimals", 2.0 / 3.0, 2, 0.67},
                                         RoundCase{"half_up", 2.5, 0, 3.0},
                                         RoundCase{"half_down_negative", -2.5, 0, -3.0},
                                         RoundCase{"below_half", 1.49, 0, 1.0},
                                         RoundCase{"negative_digits", 1250.0, -2, 1300.0},
                                         RoundCase{"zero", 0.0, 3, 0.0}),
                         [](const testing::TestParamInfo<RoundCase>& info) {
                             return std::string(info.param.name);
                         });

struct FractionCase {
    const char* name;
    double value;
    const char* expected;
};

class FractionTextTest : public testing::TestWithParam<FractionCase> {};

TEST_P(FractionTextTest, FindsTheFraction)
{
    EXPECT_EQ(FractionText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fractions, FractionTextTest,
    testing::Values(FractionCase{"three_quarters", 0.75, "3/4"},
                    FractionCase{"five_halves", 2.5, "5/2"},
                    FractionCase{"a_third", 1.0 / 3.0, "1/3"},
                    FractionCase{"minus_a_half", -0.5, "-1/2"},
                    FractionCase{"whole_number", 3.0, "3"}, FractionCase{"zero", 0.0, "0/2"},
                    FractionCase{"seventh", 1.0 / 7.0, "1/7"},
                    FractionCase{"no_fraction_matches", 1.4142135623731, "1.4142135623731"}),
    [](const testing::TestParamInfo<FractionCase>& info) { return std::string(info.param.name); });

struct ScanCase {
    const char* name;
    const char* text;
    std::size_t start;
    ScanDirection direction;
    const char* operand;
    bool percent;
    bool factorial;
    bool parenthesised;
};

class ScanOperandTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanOperandTest, FindsTheOperandAndItsFlags)
{
    const ScanCase& row = GetParam();
    const std::string text = row.text;
    const Operand operand = ScanOperand(text, row.start, row.direction);
    EXPECT_EQ(text.substr(operand.begin, operand.end - operand.begin), row.operand);
    EXPECT_EQ(operand.percent, row.percent);
    EXPECT_EQ(operand.factorial, row.factorial);
    EXPECT_EQ(operand.parenthesised, row.parenthesised);
}

INSTANTIATE_TEST_SUITE_P(
    Operands, ScanOperandTest,
    testing::Values(
        ScanCase{"left_digits", "12+3", 2, ScanDirection::Leftwards, "12", false, false, false},
        ScanCase{"right_digits", "12+3", 2, ScanDirection::Rightwards, "3", false, false, false},
        ScanCase{"left_leading_sign", "-2^2", 2, ScanDirection::Leftwards, "-2", false, false,
                 false},
        ScanCase{"left_bracketed_negative", "(-2)^2", 4, ScanDirection::Leftwards, "(-2)", false,
                 false, true},
        ScanCase{"right_sign", "2^-1", 1, ScanDirection::Rightwards, "-1", false, false, false},
        ScanCase{"minus_after_digit_stops", "5-2*3", 3, ScanDirection::Leftwards, "2", false, false,
                 false},
        ScanCase{"left_exponent", "1E+21+1", 5, ScanDirection::Leftwards, "1E+21", false, false,
                 false},
        ScanCase{"right_exponent", "2*1E-05", 1, ScanDirection::Rightwards, "1E-05", false, false,
                 false},
        ScanCase{"percent_and_factorial", "5!%*2", 3, ScanDirection::Leftwards, "5!%", true, true,
                 false},
        ScanCase{"empty_right", "5*", 1, ScanDirection::Rightwards, "", false, false, false}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST(PlainNumber, AcceptsOneNumberOnly)
{
    EXPECT_TRUE(IsPlainNumber("-1.5E+20"));
    EXPECT_TRUE(IsPlainNumber("1,234,567"));
    EXPECT_FALSE(IsPlainNumber("(5)"));
    EXPECT_FALSE(IsPlainNumber("1+2"));
    EXPECT_FALSE(IsPlainNumber(""));
    EXPECT_FALSE(IsPlainNumber("1e999"));
}

// Bad input ends in a failure text: no crash, no runaway recursion or work.
struct BoundCase {
    const char* name;
    std::string formula;
    const char* expected;
};

class EvaluationBoundsTest : public testing::TestWithParam<BoundCase> {};

TEST_P(EvaluationBoundsTest, EndsInAFailureText)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    EXPECT_EQ(EvaluateExpression(GetParam().formula, session), GetParam().expected);
}

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, EvaluationBoundsTest,
    testing::Values(BoundCase{"deep_brackets", repeated("(", 100000) + "1", "Error"},
                    BoundCase{"deep_functions", repeated("sqr(", 25000) + "16", "Error"},
                    BoundCase{"long_sum", repeated("1+", 50000) + "1", "Error"},
                    BoundCase{"many_functions", repeated("sin(1)+", 14285) + "1", "Error"},
                    BoundCase{"many_groups", repeated("(1)", 33333), "Error"},
                    BoundCase{"many_signs", repeated("-", 100000) + "1", "1"},
                    BoundCase{"nesting_within_bound", repeated("(", 100) + "1" + repeated(")", 100),
                              "1"},
                    BoundCase{"sum_within_budget", repeated("1+", 999) + "1", "1000"}),
    [](const testing::TestParamInfo<BoundCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::eval
