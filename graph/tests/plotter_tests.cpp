#include "core/display_value.h"
#include "graph/plotter.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace nuvra::graph {
namespace {

// On the default 305-pixel canvas and plane, column c samples x = -10 + (c - 4) * 20 / 297 and
// graph y lands on canvas y = 301 - (y + 10) * 14.85.

// Plane lines come straight from MapRange; curve points pass through 15-digit number texts.
constexpr double kLineTolerance = 1e-9;
constexpr double kCurveTolerance = 1e-6;

void expectPointNear(const Point& actual, const Point& expected, double tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

void expectLine(const PlaneLine& line, LineKind kind, Point from, Point to)
{
    EXPECT_EQ(line.kind, kind);
    expectPointNear(line.from, from, kLineTolerance);
    expectPointNear(line.to, to, kLineTolerance);
}

std::vector<const Curve*> curvesOf(const Plotter& plotter)
{
    std::vector<const Curve*> curves;
    for (const Drawing& drawing : plotter.picture()) {
        if (drawing.kind == Drawing::Kind::Curve) {
            curves.push_back(&drawing.curve);
        }
    }
    return curves;
}

// The strokes that draw something; a stroke left empty by a failing column draws nothing.
std::vector<std::vector<Point>> drawnStrokes(const Curve& curve)
{
    std::vector<std::vector<Point>> strokes;
    for (const auto& stroke : curve.strokes) {
        if (!stroke.empty()) {
            strokes.push_back(stroke);
        }
    }
    return strokes;
}

TEST(MapRangeTest, MapsLinearlyIncludingReversedAndOutsideRanges)
{
    EXPECT_DOUBLE_EQ(MapRange(5, 0, 10, 0, 100), 50);
    EXPECT_DOUBLE_EQ(MapRange(5, 0, 10, 301, 4), 152.5);
    EXPECT_DOUBLE_EQ(MapRange(-1, 0, 10, 0, 100), -10);
    EXPECT_DOUBLE_EQ(MapRange(0, -10, 10, 4, 301), 152.5);
}

struct CanvasCase {
    const char* name;
    Plane plane;
    CanvasSize canvas;
    double x;
    double y;
    Point expected;
};

class MapToCanvasTest : public testing::TestWithParam<CanvasCase> {};

TEST_P(MapToCanvasTest, KeepsTheMarginsAndPutsYMinAtTheBottom)
{
    const CanvasCase& c = GetParam();
    expectPointNear(MapToCanvas(c.plane, c.canvas, c.x, c.y), c.expected, kLineTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, MapToCanvasTest,
    testing::Values(
        CanvasCase{"origin_at_the_centre", Plane{}, CanvasSize{}, 0, 0, Point{152.5, 152.5}},
        CanvasCase{"minimum_at_bottom_left_margin", Plane{}, CanvasSize{}, -10, -10, Point{4, 301}},
        CanvasCase{"maximum_at_top_right_margin", Plane{}, CanvasSize{}, 10, 10, Point{301, 4}},
        CanvasCase{"wide_canvas_centre", Plane{}, CanvasSize{405, 205}, 0, 0, Point{202.5, 102.5}},
        CanvasCase{"wide_canvas_off_centre_plane", Plane{0, 100, -50, 50, 1, 1},
                   CanvasSize{405, 205}, 25, 25, Point{103.25, 53.25}}),
    [](const testing::TestParamInfo<CanvasCase>& info) { return info.param.name; });

TEST(CurveColourTest, GivesTheEightCurveColoursInOrder)
{
    const Rgb expected[kColourCount] = {{192, 0, 0},     {0, 0, 255},    {0, 128, 0},
                                        {255, 128, 0},   {0, 192, 192},  {255, 0, 255},
                                        {128, 128, 255}, {223, 117, 117}};
    for (int index = 1; index <= kColourCount; ++index) {
        EXPECT_EQ(CurveColour(index), expected[index - 1]) << "index " << index;
    }
}

TEST(DrawPlaneTest, DefaultPlaneHasGridLinesOnlyAndAxesThroughTheCentre)
{
    const std::vector<PlaneLine> lines = DrawPlane(Plane{}, CanvasSize{});

    // -10..10 without 0 on each axis, every one a grid line at scale 1, then the two axes.
    ASSERT_EQ(lines.size(), 42u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(lines[i].kind, LineKind::GridLine) << "line " << i;
    }
    expectLine(lines[40], LineKind::Axis, {152.5, 0}, {152.5, 305});
    expectLine(lines[41], LineKind::Axis, {0, 152.5}, {305, 152.5});
}

TEST(DrawPlaneTest, ScaleTenDrawsEveryTenthLineFullAndTicksTheRestAroundTheMiddle)
{
    const std::vector<PlaneLine> lines = DrawPlane(Plane{0, 100, -10, 10, 10, 1}, CanvasSize{});

    std::vector<double> gridX;
    std::vector<PlaneLine> ticks;
    int horizontalGridLines = 0;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        const PlaneLine& line = lines[i];
        ASSERT_NE(line.kind, LineKind::Axis) << "line " << i << " comes before the grey lines end";
        const bool vertical = line.from.x == line.to.x;
        if (line.kind == LineKind::GridLine && vertical) {
            EXPECT_DOUBLE_EQ(line.from.y, 0);
            EXPECT_DOUBLE_EQ(line.to.y, 305);
            gridX.push_back(line.from.x);
        } else if (line.kind == LineKind::Tick) {
            ticks.push_back(line);
        } else {
            ++horizontalGridLines;
        }
    }

    // x = 4 + i * 2.97 for i = 10, 20, ..., 100.
    const std::vector<double> expectedGridX = {33.7,  63.4,  93.1,  122.8, 152.5,
                                               182.2, 211.9, 241.6, 271.3, 301};
    ASSERT_EQ(gridX.size(), expectedGridX.size());
    for (std::size_t k = 0; k < gridX.size(); ++k) {
        EXPECT_NEAR(gridX[k], expectedGridX[k], kLineTolerance);
    }

    // 1..99 except the nine multiples of ten; 0 gets nothing (the axis is there).
    ASSERT_EQ(ticks.size(), 90u);
    expectLine(ticks.front(), LineKind::Tick, {6.97, 148.5}, {6.97, 156.5});
    expectLine(ticks[8], LineKind::Tick, {30.73, 148.5}, {30.73, 156.5}); // i = 9
    expectLine(ticks[9], LineKind::Tick, {36.67, 148.5}, {36.67, 156.5}); // i = 11
    expectLine(ticks.back(), LineKind::Tick, {298.03, 148.5}, {298.03, 156.5});

    EXPECT_EQ(horizontalGridLines, 20);
    ASSERT_EQ(lines.size(), 122u);
    expectLine(lines[120], LineKind::Axis, {4, 0}, {4, 305});
    expectLine(lines[121], LineKind::Axis, {0, 152.5}, {305, 152.5});
}

TEST(DrawPlaneTest, YScaleTicksCrossTheMiddleOfTheCanvasNotTheYAxis)
{
    // The y-axis sits at x = 4 here; the ticks of y still straddle x = 152.5.
    const std::vector<PlaneLine> lines = DrawPlane(Plane{0, 10, -4, 4, 1, 2}, CanvasSize{});

    std::vector<PlaneLine> ticks;
    for (const PlaneLine& line : lines) {
        if (line.kind == LineKind::Tick) {
            ticks.push_back(line);
        }
    }
    // y = -3, -1, 1, 3 at canvas 301 - (y + 4) * 37.125.
    ASSERT_EQ(ticks.size(), 4u);
    expectLine(ticks[0], LineKind::Tick, {148.5, 263.875}, {156.5, 263.875});
    expectLine(ticks[1], LineKind::Tick, {148.5, 189.625}, {156.5, 189.625});
    expectLine(ticks[2], LineKind::Tick, {148.5, 115.375}, {156.5, 115.375});
    expectLine(ticks[3], LineKind::Tick, {148.5, 41.125}, {156.5, 41.125});
}

struct AxisCase {
    const char* name;
    Plane plane;
    std::optional<double> yAxisX;
    std::optional<double> xAxisY;
};

class DrawPlaneAxesTest : public testing::TestWithParam<AxisCase> {};

TEST_P(DrawPlaneAxesTest, DrawsAnAxisOnlyWhereZeroIsInRange)
{
    const AxisCase& c = GetParam();
    std::vector<PlaneLine> axes;
    for (const PlaneLine& line : DrawPlane(c.plane, CanvasSize{})) {
        if (line.kind == LineKind::Axis) {
            axes.push_back(line);
        }
    }

    std::size_t next = 0;
    if (c.yAxisX) {
        ASSERT_LT(next, axes.size());
        expectLine(axes[next++], LineKind::Axis, {*c.yAxisX, 0}, {*c.yAxisX, 305});
    }
    if (c.xAxisY) {
        ASSERT_LT(next, axes.size());
        expectLine(axes[next++], LineKind::Axis, {0, *c.xAxisY}, {305, *c.xAxisY});
    }
    EXPECT_EQ(axes.size(), next);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, DrawPlaneAxesTest,
    testing::Values(AxisCase{"default_plane", Plane{}, 152.5, 152.5},
                    AxisCase{"x_from_zero_at_left_margin", Plane{0, 100, -10, 10, 10, 1}, 4, 152.5},
                    AxisCase{"x_to_zero_at_right_margin", Plane{-10, 0, -10, 10, 1, 1}, 301, 152.5},
                    AxisCase{"y_to_zero_at_top_margin", Plane{-10, 10, -10, 0, 1, 1}, 152.5, 4},
                    AxisCase{"no_origin_no_axes", Plane{1, 5, -20, -5, 1, 1}, std::nullopt,
                             std::nullopt}),
    [](const testing::TestParamInfo<AxisCase>& info) { return info.param.name; });

struct PrepareCase {
    const char* name;
    const char* input;
    const char* expected;
};

class PrepareEquationTest : public testing::TestWithParam<PrepareCase> {};

TEST_P(PrepareEquationTest, LowersAndMultipliesImplicitly)
{
    EXPECT_EQ(PrepareEquation(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, PrepareEquationTest,
    testing::Values(PrepareCase{"lone_x", "x", "x"}, PrepareCase{"digit_before_x", "2x", "2*x"},
                    PrepareCase{"x_after_x", "xx", "x*x"},
                    PrepareCase{"three_in_a_row", "3xxx", "3*x*x*x"},
                    PrepareCase{"decimal_before_x", "12.5x", "12.5*x"},
                    PrepareCase{"upper_case_lowered", "Sin(X)", "sin(x)"},
                    PrepareCase{"lowered_before_joining", "2X", "2*x"},
                    PrepareCase{"digit_after_x_untouched", "x2", "x2"},
                    PrepareCase{"bracket_before_x_untouched", "(2)x", "(2)x"},
                    PrepareCase{"exp_untouched", "Exp(X)", "exp(x)"},
                    PrepareCase{"digit_before_exp_untouched", "2exp(x)", "2exp(x)"},
                    PrepareCase{"empty", "", ""}),
    [](const testing::TestParamInfo<PrepareCase>& info) { return info.param.name; });

struct SubstituteCase {
    const char* name;
    const char* prepared;
    double x;
    const char* expected;
};

class SubstituteColumnTest : public testing::TestWithParam<SubstituteCase> {};

TEST_P(SubstituteColumnTest, PutsTheNumberTextOfXInBrackets)
{
    EXPECT_EQ(SubstituteColumn(GetParam().prepared, GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, SubstituteColumnTest,
    testing::Values(SubstituteCase{"whole_number", "x", 2, "(2)"},
                    SubstituteCase{"half", "x", 0.5, "(0.5)"},
                    SubstituteCase{"negative", "x*x", -9.5, "(-9.5)*(-9.5)"},
                    SubstituteCase{"fifteen_significant_digits", "x", 1.0 / 3.0,
                                   "(0.333333333333333)"},
                    SubstituteCase{"rounded_to_fifteen_digits", "x", -10.269360269360269,
                                   "(-10.2693602693603)"},
                    SubstituteCase{"x_of_exp_kept", "exp(x)", 2, "exp((2))"},
                    SubstituteCase{"x_before_exp", "x*exp(x)", 2, "(2)*exp((2))"},
                    SubstituteCase{"x_glued_to_exp", "xexp(x)", 2, "(2)exp((2))"},
                    SubstituteCase{"first_x_replaced_before_p", "xp", 2, "(2)p"},
                    SubstituteCase{"last_x_replaced_after_e", "ex", 2, "e(2)"},
                    SubstituteCase{"x_before_p_inside_kept", "1+xp1", 2, "1+xp1"},
                    SubstituteCase{"no_x", "7+1", 2, "7+1"}),
    [](const testing::TestParamInfo<SubstituteCase>& info) { return info.param.name; });

struct SampleCase {
    const char* name;
    const char* prepared;
    int column;
    Plane plane;
    CanvasSize canvas;
    std::optional<double> expected;
};

class SampleColumnTest : public testing::TestWithParam<SampleCase> {};

TEST_P(SampleColumnTest, GivesTheCanvasYOrNothing)
{
    const SampleCase& c = GetParam();
    core::DisplayValue display;
    const std::optional<double> y = SampleColumn(c.prepared, c.column, c.plane, c.canvas, display);
    ASSERT_EQ(y.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_NEAR(*y, *c.expected, kCurveTolerance);
    }
}

// A 304-pixel canvas over -1..1 samples x = 0 exactly at column 152.
INSTANTIATE_TEST_SUITE_P(
    Columns, SampleColumnTest,
    testing::Values(
        SampleCase{"left_margin_is_x_min", "x", 4, Plane{}, CanvasSize{}, 301},
        SampleCase{"right_margin_is_x_max", "x", 301, Plane{}, CanvasSize{}, 4},
        SampleCase{"column_zero_left_of_the_plane", "x", 0, Plane{}, CanvasSize{}, 305},
        SampleCase{"value_above_the_plane_not_clipped", "x*x", 0, Plane{}, CanvasSize{},
                   -1413.5774410774527},
        SampleCase{"constant_on_a_tall_canvas", "5", 10, Plane{}, CanvasSize{305, 405}, 103.25},
        SampleCase{"exp_at_zero", "exp(x)", 152, Plane{-1, 1, 0, 10, 1, 1}, CanvasSize{304, 304},
                   270.4},
        SampleCase{"division_by_zero_fails", "1/x", 152, Plane{-1, 1, -10, 10, 1, 1},
                   CanvasSize{304, 304}, std::nullopt},
        SampleCase{"square_root_of_negative_fails", "sqr(x)", 100, Plane{}, CanvasSize{},
                   std::nullopt},
        // 9e+307 evaluates, but its canvas y overflows.
        SampleCase{"value_too_large_to_map_fails", "9e+307", 10, Plane{}, CanvasSize{},
                   std::nullopt},
        SampleCase{"syntax_error_fails", "x+", 100, Plane{}, CanvasSize{}, std::nullopt}),
    [](const testing::TestParamInfo<SampleCase>& info) { return info.param.name; });

class PlotterTest : public testing::Test {
protected:
    Plotter m_plotter;
    core::DisplayValue m_display;
};

TEST_F(PlotterTest, StraightLineIsOneDiagonalStrokeOverEveryColumn)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    m_plotter.finish(m_display);

    ASSERT_EQ(m_plotter.picture().size(), 2u);
    EXPECT_EQ(m_plotter.picture()[0].kind, Drawing::Kind::Plane);
    const auto& planeLines = m_plotter.picture()[0].plane.lines;
    ASSERT_EQ(planeLines.size(), 42u);
    expectLine(planeLines[40], LineKind::Axis, {152.5, 0}, {152.5, 305});
    expectLine(planeLines[41], LineKind::Axis, {0, 152.5}, {305, 152.5});

    const std::vector<const Curve*> curves = curvesOf(m_plotter);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0]->colourIndex, 1);
    const auto strokes = drawnStrokes(*curves[0]);
    ASSERT_EQ(strokes.size(), 1u);
    const std::vector<Point>& stroke = strokes[0];
    ASSERT_EQ(stroke.size(), 306u);
    // y = x on a square plane: canvas y = 305 - column.
    expectPointNear(stroke[0], {0, 305}, kCurveTolerance);
    expectPointNear(stroke[4], {4, 301}, kCurveTolerance);
    expectPointNear(stroke[152], {152, 153}, kCurveTolerance);
    expectPointNear(stroke[301], {301, 4}, kCurveTolerance);
    expectPointNear(stroke[305], {305, 0}, kCurveTolerance);
}

TEST_F(PlotterTest, TicksOneColumnAtATimeUpToTheCanvasWidth)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    EXPECT_TRUE(m_plotter.plotting());
    EXPECT_EQ(m_plotter.column(), 0);
    for (int i = 0; i < 305; ++i) {
        m_plotter.tick(m_display);
    }
    EXPECT_TRUE(m_plotter.plotting());
    EXPECT_EQ(m_plotter.column(), 305);

    int ticks = 0;
    while (m_plotter.tick(m_display) && ticks < 10) {
        ++ticks;
    }
    EXPECT_LE(ticks, 1);
    EXPECT_FALSE(m_plotter.plotting());
    EXPECT_FALSE(m_plotter.tick(m_display));
    const auto strokes = drawnStrokes(*curvesOf(m_plotter).at(0));
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].size(), 306u);
}

TEST_F(PlotterTest, TypedEquationIsPreparedBeforeSampling)
{
    ASSERT_TRUE(m_plotter.PlotNew("2X"));
    m_plotter.finish(m_display);

    EXPECT_EQ(m_plotter.legend()[0], (LegendSlot{1, "2X"}));
    const auto strokes = drawnStrokes(*curvesOf(m_plotter).at(0));
    ASSERT_EQ(strokes.size(), 1u);
    ASSERT_EQ(strokes[0].size(), 306u);
    // x = -10 gives y = -20, below the plane: 301 + 10 * 14.85.
    expectPointNear(strokes[0][4], {4, 449.5}, kCurveTolerance);
}

TEST_F(PlotterTest, ReciprocalJoinsTheJumpAcrossZeroInOneStroke)
{
    ASSERT_TRUE(m_plotter.PlotNew("1/x"));
    m_plotter.finish(m_display);

    const auto strokes = drawnStrokes(*curvesOf(m_plotter).at(0));
    ASSERT_EQ(strokes.size(), 1u);
    const std::vector<Point>& stroke = strokes[0];
    ASSERT_EQ(stroke.size(), 306u);
    // Columns 152 and 153 sample x = -10/297 and 10/297, so 1/x = -29.7 and 29.7.
    expectPointNear(stroke[152], {152, 593.545}, kCurveTolerance);
    expectPointNear(stroke[153], {153, -288.545}, kCurveTolerance);
}

TEST_F(PlotterTest, SquareRootStartsAtTheFirstColumnRightOfTheYAxis)
{
    ASSERT_TRUE(m_plotter.PlotNew("sqr(x)"));
    m_plotter.finish(m_display);

    // The y-axis is at 152.5; column 152 is x = -10/297 and fails, column 153 is x = 10/297.
    const auto strokes = drawnStrokes(*curvesOf(m_plotter).at(0));
    ASSERT_EQ(strokes.size(), 1u);
    const std::vector<Point>& stroke = strokes[0];
    ASSERT_EQ(stroke.size(), 153u);
    expectPointNear(stroke.front(), {153, 149.77511468131226}, kCurveTolerance);
    expectPointNear(stroke.back(), {305, 104.91192376235401}, kCurveTolerance);
}

TEST_F(PlotterTest, FailingColumnsSplitTheCurveIntoStrokes)
{
    // sqr(x*x-4) fails for -2 < x < 2: columns 123..182 (x from -1.98 to 1.98).
    ASSERT_TRUE(m_plotter.PlotNew("sqr(x*x-4)"));
    m_plotter.finish(m_display);

    const auto strokes = drawnStrokes(*curvesOf(m_plotter).at(0));
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].size(), 123u);
    EXPECT_DOUBLE_EQ(strokes[0].back().x, 122);
    EXPECT_EQ(strokes[1].size(), 123u);
    EXPECT_DOUBLE_EQ(strokes[1].front().x, 183);
}

TEST_F(PlotterTest, EquationThatNeverEvaluatesRunsToTheEndWithNothingDrawn)
{
    ASSERT_TRUE(m_plotter.PlotNew("x+"));
    for (int i = 0; i < 305; ++i) {
        m_plotter.tick(m_display);
    }
    EXPECT_TRUE(m_plotter.plotting());
    EXPECT_EQ(m_plotter.column(), 305);
    m_plotter.finish(m_display);
    EXPECT_FALSE(m_plotter.plotting());

    const std::vector<const Curve*> curves = curvesOf(m_plotter);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_TRUE(drawnStrokes(*curves[0]).empty());
    EXPECT_EQ(m_plotter.legend()[0], (LegendSlot{1, "x+"}));
}

TEST_F(PlotterTest, NinePlotsOnOnePlaneReuseTheEighthColourWithoutALegendSlot)
{
    const std::vector<std::string> inputs = {"x+1", "x+2", "x+3", "x+4", "x+5",
                                             "x+6", "x+7", "x+8", "x+9"};
    ASSERT_TRUE(m_plotter.PlotNew(inputs[0]));
    m_plotter.finish(m_display);
    EXPECT_FALSE(m_plotter.legendFull());
    for (std::size_t k = 1; k < inputs.size(); ++k) {
        m_plotter.PlotSamePlane(inputs[k]);
        m_plotter.finish(m_display);
        // Full from the eighth plot on.
        EXPECT_EQ(m_plotter.legendFull(), k >= 7) << "after plot " << k + 1;
    }

    EXPECT_EQ(m_plotter.currentColourIndex(), 8);
    EXPECT_EQ(m_plotter.colourList(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 8}));
    for (int slot = 0; slot < kColourCount; ++slot) {
        EXPECT_EQ(m_plotter.legend()[slot], (LegendSlot{slot + 1, inputs[slot]}));
    }

    const std::vector<const Curve*> curves = curvesOf(m_plotter);
    ASSERT_EQ(curves.size(), 9u);
    const std::vector<int> expectedColours = {1, 2, 3, 4, 5, 6, 7, 8, 8};
    for (std::size_t k = 0; k < curves.size(); ++k) {
        EXPECT_EQ(curves[k]->colourIndex, expectedColours[k]) << "curve " << k + 1;
    }
    // One plane under all nine curves.
    EXPECT_EQ(m_plotter.picture().size(), 10u);
    EXPECT_EQ(m_plotter.picture()[0].kind, Drawing::Kind::Plane);
}

TEST_F(PlotterTest, PlotNewStartsOverWithTheFirstColour)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    m_plotter.finish(m_display);
    m_plotter.PlotSamePlane("2");
    m_plotter.finish(m_display);

    ASSERT_TRUE(m_plotter.PlotNew("Sin(X)"));
    m_plotter.finish(m_display);

    EXPECT_EQ(m_plotter.colourList(), (std::vector<int>{1}));
    EXPECT_EQ(m_plotter.legend()[0], (LegendSlot{1, "Sin(X)"}));
    EXPECT_EQ(m_plotter.legend()[1], LegendSlot{});
    ASSERT_EQ(m_plotter.picture().size(), 2u);
    EXPECT_EQ(m_plotter.picture()[0].kind, Drawing::Kind::Plane);
    EXPECT_EQ(m_plotter.picture()[1].kind, Drawing::Kind::Curve);
    EXPECT_EQ(m_plotter.picture()[1].curve.colourIndex, 1);
}

TEST_F(PlotterTest, PlotNewWithEmptyInputClearsTheLegendButKeepsThePicture)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    m_plotter.finish(m_display);

    EXPECT_FALSE(m_plotter.PlotNew(""));

    EXPECT_FALSE(m_plotter.plotting());
    EXPECT_TRUE(m_plotter.legendEmpty());
    EXPECT_TRUE(m_plotter.colourList().empty());
    ASSERT_EQ(m_plotter.picture().size(), 2u);
    EXPECT_EQ(m_plotter.picture()[1].kind, Drawing::Kind::Curve);
}

TEST_F(PlotterTest, ResetGraphAbandonsThePlotAndLeavesOnlyThePlane)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    for (int i = 0; i < 10; ++i) {
        m_plotter.tick(m_display);
    }

    m_plotter.ResetGraph();

    EXPECT_FALSE(m_plotter.plotting());
    EXPECT_FALSE(m_plotter.tick(m_display));
    EXPECT_TRUE(m_plotter.legendEmpty());
    EXPECT_TRUE(m_plotter.colourList().empty());
    ASSERT_EQ(m_plotter.picture().size(), 1u);
    EXPECT_EQ(m_plotter.picture()[0].kind, Drawing::Kind::Plane);
    EXPECT_EQ(m_plotter.picture()[0].plane.lines.size(), 42u);

    m_plotter.PlotSamePlane("x");
    EXPECT_EQ(m_plotter.currentColourIndex(), 1);
}

TEST_F(PlotterTest, NewPlotOnTheSamePlaneAbandonsTheRunningOneWhereItIs)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    for (int i = 0; i < 100; ++i) {
        m_plotter.tick(m_display);
    }
    ASSERT_EQ(m_plotter.column(), 100);

    m_plotter.PlotSamePlane("2");
    EXPECT_TRUE(m_plotter.plotting());
    EXPECT_EQ(m_plotter.column(), 0);
    m_plotter.finish(m_display);

    const std::vector<const Curve*> curves = curvesOf(m_plotter);
    ASSERT_EQ(curves.size(), 2u);
    const auto first = drawnStrokes(*curves[0]);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(first[0].size(), 100u);
    expectPointNear(first[0].back(), {99, 206}, kCurveTolerance);
    const auto second = drawnStrokes(*curves[1]);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].size(), 306u);
    EXPECT_EQ(curves[1]->colourIndex, 2);
}

TEST_F(PlotterTest, PlotNewDuringAPlotRestartsAtColumnZeroOnAClearedPicture)
{
    ASSERT_TRUE(m_plotter.PlotNew("x"));
    for (int i = 0; i < 50; ++i) {
        m_plotter.tick(m_display);
    }

    ASSERT_TRUE(m_plotter.PlotNew("2"));
    EXPECT_EQ(m_plotter.column(), 0);
    m_plotter.finish(m_display);

    const std::vector<const Curve*> curves = curvesOf(m_plotter);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0]->colourIndex, 1);
    const auto strokes = drawnStrokes(*curves[0]);
    ASSERT_EQ(strokes.size(), 1u);
    ASSERT_EQ(strokes[0].size(), 306u);
    // y = 2: 301 - 12 * 14.85.
    expectPointNear(strokes[0][0], {0, 122.8}, kCurveTolerance);
}

TEST_F(PlotterTest, NewPlaneTakesEffectForTheNextPlot)
{
    m_plotter.setPlane(Plane{0, 100, -10, 10, 10, 1});
    ASSERT_TRUE(m_plotter.PlotNew("x/10"));
    m_plotter.finish(m_display);

    ASSERT_EQ(m_plotter.picture().size(), 2u);
    EXPECT_EQ(m_plotter.picture()[0].plane.lines.size(), 122u);
    const auto strokes = drawnStrokes(*curvesOf(m_plotter).at(0));
    ASSERT_EQ(strokes.size(), 1u);
    // x = 0 at column 4 gives y = 0; x = 100 at column 301 gives y = 10.
    expectPointNear(strokes[0][301], {301, 4}, kCurveTolerance);
    expectPointNear(strokes[0][4], {4, 152.5}, kCurveTolerance);
}

} // namespace
} // namespace nuvra::graph
