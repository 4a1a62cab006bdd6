#include "core/display_value.h"
#include "core/number_text.h"
#include "sci/md_graph.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace nuvra::sci {
namespace {

using core::AngularSystem;

// A library result as the display would write it, or the name of its error.
std::string describe(const MathResult& result)
{
    if (result)
        return core::NumberToText(*result);
    switch (result.error()) {
    case MathError::DivideByZero:
        return "divide-by-zero";
    case MathError::Domain:
        return "domain";
    case MathError::Overflow:
        return "overflow";
    }
    return "?";
}

struct LibraryCase {
    const char* name;
    std::function<MathResult()> call;
    const char* expected;
};

class MathLibraryTest : public testing::TestWithParam<LibraryCase> {};

TEST_P(MathLibraryTest, GivesTheValueOrTheError)
{
    EXPECT_EQ(describe(GetParam().call()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Library, MathLibraryTest,
    testing::Values(
        LibraryCase{"sine_30_degrees_exact", [] { return Sine(30, AngularSystem::Degrees); },
                    "0.5"},
        LibraryCase{"sine_180_degrees_zero", [] { return Sine(180, AngularSystem::Degrees); }, "0"},
        LibraryCase{"sine_radians_unrounded",
                    [] { return Sine(3.14159265358979, AngularSystem::Radians); },
                    "3.23108914886517E-15"},
        LibraryCase{"sine_100_gradians", [] { return Sine(100, AngularSystem::Gradians); }, "1"},
        LibraryCase{"sine_quarter_turn", [] { return Sine(0.25, AngularSystem::Turns); }, "1"},
        LibraryCase{"cosine_60_degrees", [] { return Cosine(60, AngularSystem::Degrees); }, "0.5"},
        LibraryCase{"cosine_90_degrees_zero", [] { return Cosine(90, AngularSystem::Degrees); },
                    "0"},
        LibraryCase{"cotangent_45", [] { return Cotangent(45, AngularSystem::Degrees); }, "1"},
        LibraryCase{"cotangent_0_divides_by_zero",
                    [] { return Cotangent(0, AngularSystem::Degrees); }, "divide-by-zero"},
        LibraryCase{"cotangent_radians_large",
                    [] { return Cotangent(3.14159265358979, AngularSystem::Radians); },
                    "-309493162808962"},
        LibraryCase{"arcsine_one", [] { return ArcSine(1, AngularSystem::Degrees); }, "90"},
        LibraryCase{"arcsine_half_radians", [] { return ArcSine(0.5, AngularSystem::Radians); },
                    "0.523598775598299"},
        LibraryCase{"arcsine_above_one", [] { return ArcSine(1.5, AngularSystem::Degrees); },
                    "domain"},
        LibraryCase{"arccosine_one", [] { return ArcCosine(1, AngularSystem::Degrees); }, "0"},
        LibraryCase{"arccosine_zero_gradians", [] { return ArcCosine(0, AngularSystem::Gradians); },
                    "100"},
        LibraryCase{"arccosine_minus_one_turns", [] { return ArcCosine(-1, AngularSystem::Turns); },
                    "0.5"},
        LibraryCase{"arctangent_one", [] { return ArcTangent(1, AngularSystem::Degrees); }, "45"},
        LibraryCase{"log10_1000", [] { return Log10(1000); }, "3"},
        LibraryCase{"log10_zero", [] { return Log10(0); }, "domain"},
        LibraryCase{"log10_negative", [] { return Log10(-5); }, "domain"},
        LibraryCase{"remainder_sign_of_left", [] { return RealRemainder(-7, 3); }, "-1"},
        LibraryCase{"remainder_real", [] { return RealRemainder(7.5, 2); }, "1.5"},
        LibraryCase{"remainder_by_zero", [] { return RealRemainder(5, 0); }, "divide-by-zero"},
        LibraryCase{"factorial_zero", [] { return Factorial(0); }, "1"},
        LibraryCase{"factorial_five", [] { return Factorial(5); }, "120"},
        LibraryCase{"factorial_170", [] { return Factorial(170); }, "7.25741561530799E+306"},
        LibraryCase{"factorial_171_overflows", [] { return Factorial(171); }, "overflow"},
        LibraryCase{"factorial_negative_integer", [] { return Factorial(-1); }, "domain"},
        LibraryCase{"factorial_half_is_half_root_pi", [] { return Factorial(0.5); },
                    "0.886226925452758"},
        LibraryCase{"factorial_minus_half_is_root_pi", [] { return Factorial(-0.5); },
                    "1.77245385090552"},
        LibraryCase{"factorial_minus_one_and_half", [] { return Factorial(-1.5); },
                    "-3.54490770181103"},
        LibraryCase{"factorial_170_and_half", [] { return Factorial(170.5); },
                    "9.4833675668248E+307"},
        LibraryCase{"factorial_171_and_half_overflows", [] { return Factorial(171.5); },
                    "overflow"}),
    [](const testing::TestParamInfo<LibraryCase>& info) { return std::string(info.param.name); });

TEST(AngleConversions, FollowTheirDefinitions)
{
    EXPECT_DOUBLE_EQ(PiValue(), 3.141592653589793);
    EXPECT_DOUBLE_EQ(DegToRad(180), 3.141592653589793);
    EXPECT_DOUBLE_EQ(RadToDeg(3.141592653589793), 180);
    EXPECT_DOUBLE_EQ(TurnToRad(0.5), 3.141592653589793);
    EXPECT_DOUBLE_EQ(RadToTurn(3.141592653589793), 0.5);
    EXPECT_DOUBLE_EQ(DegToGrad(90), 100);
    EXPECT_DOUBLE_EQ(GradToDeg(100), 90);
    EXPECT_DOUBLE_EQ(GradToRad(200), 3.141592653589793);
    EXPECT_DOUBLE_EQ(RadToGrad(3.141592653589793), 200);
}

TEST(Round10, RoundsTiesToEven)
{
    EXPECT_DOUBLE_EQ(Round10(0.49999999999999994), 0.5);
    EXPECT_DOUBLE_EQ(Round10(1.23456789012345), 1.2345678901);
    EXPECT_DOUBLE_EQ(Round10(1e20), 1e20);
}

struct RightAngleCase {
    const char* name;
    double angle;
    AngularSystem system;
    bool right;
};

class RightAngleTest : public testing::TestWithParam<RightAngleCase> {};

TEST_P(RightAngleTest, FiresAtOddMultiplesOfARightAngle)
{
    EXPECT_EQ(IsRightAngle(GetParam().angle, GetParam().system), GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(
    RightAngles, RightAngleTest,
    testing::Values(
        RightAngleCase{"degrees_90", 90, AngularSystem::Degrees, true},
        RightAngleCase{"degrees_270", 270, AngularSystem::Degrees, true},
        RightAngleCase{"degrees_minus_90", -90, AngularSystem::Degrees, true},
        RightAngleCase{"degrees_90_4_nearest_integer", 90.4, AngularSystem::Degrees, true},
        RightAngleCase{"degrees_89_4", 89.4, AngularSystem::Degrees, false},
        RightAngleCase{"degrees_180", 180, AngularSystem::Degrees, false},
        RightAngleCase{"degrees_zero", 0, AngularSystem::Degrees, false},
        RightAngleCase{"gradians_100", 100, AngularSystem::Gradians, true},
        RightAngleCase{"gradians_200", 200, AngularSystem::Gradians, false},
        RightAngleCase{"radians_half_pi", 1.5707963267948966, AngularSystem::Radians, true},
        RightAngleCase{"radians_pi", 3.141592653589793, AngularSystem::Radians, false},
        RightAngleCase{"turns_quarter", 0.25, AngularSystem::Turns, true},
        RightAngleCase{"turns_half", 0.5, AngularSystem::Turns, false}),
    [](const testing::TestParamInfo<RightAngleCase>& info) {
        return std::string(info.param.name);
    });

TEST(Tangent, AtARightAngleShowsInfinityAndGivesZero)
{
    core::DisplayValue display;
    display.setEntry("90");
    const MathResult value = Tangent(90, AngularSystem::Degrees, display);
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, 0.0);
    EXPECT_EQ(display.shown(), "infinity");
    EXPECT_EQ(display.entry(), "0");
}

TEST(Tangent, ElsewhereIsRoundedAndLeavesTheDisplay)
{
    core::DisplayValue display;
    display.setEntry("45");
    EXPECT_EQ(describe(Tangent(45, AngularSystem::Degrees, display)), "1");
    EXPECT_EQ(describe(Tangent(1, AngularSystem::Radians, display)), "1.5574077247");
    EXPECT_EQ(describe(Tangent(180, AngularSystem::Degrees, display)), "0");
    EXPECT_EQ(display.shown(), "45");
}

} // namespace
} // namespace nuvra::sci
