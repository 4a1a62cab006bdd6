#include "graph/plotter.h"

#include "core/display_value.h"
#include "core/number_text.h"
#include "eval/expression_evaluator.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace nuvra::graph {

namespace {

constexpr std::array<Rgb, kColourCount> kCurveColours{{
    {192, 0, 0},
    {0, 0, 255},
    {0, 128, 0},
    {255, 128, 0},
    {0, 192, 192},
    {255, 0, 255},
    {128, 128, 255},
    {223, 117, 117},
}};

bool isWhole(double value)
{
    return std::isfinite(value) && value == std::trunc(value);
}

} // namespace

double MapRange(double v, double a, double b, double c, double d)
{
    return c + (v - a) / (b - a) * (d - c);
}

Point MapToCanvas(const Plane& plane, CanvasSize canvas, double x, double y)
{
    return {MapRange(x, plane.xMin, plane.xMax, kMargin, canvas.width - kMargin),
            MapRange(y, plane.yMin, plane.yMax, canvas.height - kMargin, kMargin)};
}

Rgb CurveColour(int index)
{
    return kCurveColours[static_cast<std::size_t>(std::clamp(index, 1, kColourCount) - 1)];
}

std::vector<PlaneLine> DrawPlane(const Plane& plane, CanvasSize canvas)
{
    const double width = canvas.width;
    const double height = canvas.height;
    std::vector<PlaneLine> lines;
    std::vector<PlaneLine> axes;

    const auto first = static_cast<long>(std::lround(plane.xMin));
    const auto last = static_cast<long>(std::lround(plane.xMax));
    for (long i = first; i <= last; ++i) {
        if (i == 0)
            continue;
        const double x =
            MapRange(static_cast<double>(i), plane.xMin, plane.xMax, kMargin, width - kMargin);
        if (isWhole(static_cast<double>(i) / plane.xScale))
            lines.push_back({LineKind::GridLine, {x, 0}, {x, height}});
        else
            lines.push_back({LineKind::Tick, {x, height / 2 - kMargin}, {x, height / 2 + kMargin}});
    }
    const auto bottom = static_cast<long>(std::lround(plane.yMin));
    const auto top = static_cast<long>(std::lround(plane.yMax));
    for (long j = bottom; j <= top; ++j) {
        if (j == 0)
            continue;
        const double y =
            MapRange(static_cast<double>(j), plane.yMin, plane.yMax, height - kMargin, kMargin);
        if (isWhole(static_cast<double>(j) / plane.yScale))
            lines.push_back({LineKind::GridLine, {0, y}, {width, y}});
        else
            lines.push_back({LineKind::Tick, {width / 2 - kMargin, y}, {width / 2 + kMargin, y}});
    }

    if (plane.xMin <= 0 && 0 <= plane.xMax) {
        const double x = MapRange(0, plane.xMin, plane.xMax, kMargin, width - kMargin);
        axes.push_back({LineKind::Axis, {x, 0}, {x, height}});
    }
    if (plane.yMin <= 0 && 0 <= plane.yMax) {
        const double y = MapRange(0, plane.yMin, plane.yMax, height - kMargin, kMargin);
        axes.push_back({LineKind::Axis, {0, y}, {width, y}});
    }
    lines.insert(lines.end(), axes.begin(), axes.end());
    return lines;
}

std::string PrepareEquation(std::string_view input)
{
    std::string prepared;
    prepared.reserve(input.size() + input.size() / 2);
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(input[i])));
        if (c == 'x' && !prepared.empty()) {
            const char before = prepared.back();
            if (before == 'x' || std::isdigit(static_cast<unsigned char>(before)))
                prepared += '*';
        }
        prepared += c;
    }
    return prepared;
}

std::string SubstituteColumn(std::string_view prepared, double x)
{
    char number[core::kNumberTextCapacity];
    const std::string_view value(number, core::NumberToText(x, number));
    std::string text;
    text.reserve(prepared.size() * 4);
    const std::size_t last = prepared.size() - 1;
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        const char c = prepared[i];
        const bool ofExp = i > 0 && i < last && (prepared[i - 1] == 'e' || prepared[i + 1] == 'p');
        if (c == 'x' && !ofExp) {
            text += '(';
            text += value;
            text += ')';
        } else {
            text += c;
        }
    }
    return text;
}

std::optional<double> SampleColumn(std::string_view prepared, int column, const Plane& plane,
                                   CanvasSize canvas, core::DisplayValue& display)
{
    const double x = MapRange(column, kMargin, canvas.width - kMargin, plane.xMin, plane.xMax);
    const std::string result =
        eval::EvaluateGraphExpression(SubstituteColumn(prepared, x), display);
    const std::optional<double> y = eval::PlainNumberValue(result);
    if (!y || !std::isfinite(*y))
        return std::nullopt;
    const double canvasY = MapRange(*y, plane.yMin, plane.yMax, canvas.height - kMargin, kMargin);
    if (!std::isfinite(canvasY))
        return std::nullopt;
    return canvasY;
}

Plotter::Plotter(Plane plane, CanvasSize canvas) : m_plane(plane), m_canvas(canvas) {}

bool Plotter::legendEmpty() const
{
    return std::ranges::all_of(m_legend,
                               [](const LegendSlot& slot) { return slot.colourIndex == 0; });
}

bool Plotter::legendFull() const
{
    return m_legend.back().colourIndex != 0;
}

void Plotter::DrawPlane()
{
    Drawing drawing{Drawing::Kind::Plane, {graph::DrawPlane(m_plane, m_canvas)}, {}};
    m_picture.push_back(std::move(drawing));
    ++m_pictureChanges;
}

bool Plotter::PlotNew(std::string_view input)
{
    m_colourList.clear();
    m_legend = {};
    if (input.empty())
        return false;
    m_picture.clear();
    ++m_pictureChanges;
    DrawPlane();
    start(input);
    return true;
}

void Plotter::PlotSamePlane(std::string_view input)
{
    start(input);
}

void Plotter::ResetGraph()
{
    m_run.reset();
    m_picture.clear();
    ++m_pictureChanges;
    m_colourList.clear();
    m_legend = {};
    DrawPlane();
}

std::optional<std::size_t> Plotter::runningDrawing() const
{
    if (!m_run)
        return std::nullopt;
    return m_run->drawing;
}

int Plotter::column() const
{
    return m_run ? m_run->column : 0;
}

void Plotter::start(std::string_view input)
{
    for (int index = 1; index <= kColourCount; ++index) {
        if (std::ranges::find(m_colourList, index) == m_colourList.end()) {
            m_currentColour = index;
            break;
        }
    }
    m_colourList.push_back(m_currentColour);
    const auto slot = std::ranges::find_if(
        m_legend, [](const LegendSlot& candidate) { return candidate.colourIndex == 0; });
    if (slot != m_legend.end())
        *slot = {m_currentColour, std::string(input)};
    Drawing drawing{Drawing::Kind::Curve, {}, {m_currentColour, {}}};
    m_picture.push_back(std::move(drawing));
    ++m_pictureChanges;
    m_run = Run{PrepareEquation(input), m_picture.size() - 1, 0, true};
}

bool Plotter::tick(core::DisplayValue& display)
{
    if (!m_run)
        return false;
    Run& run = *m_run;
    Curve& curve = m_picture[run.drawing].curve;
    const std::optional<double> y =
        SampleColumn(run.prepared, run.column, m_plane, m_canvas, display);
    if (!y) {
        run.penUp = true;
    } else {
        if (run.penUp) {
            run.penUp = false;
            curve.strokes.emplace_back();
        }
        curve.strokes.back().push_back({static_cast<double>(run.column), *y});
    }
    ++run.column;
    if (run.column > m_canvas.width) {
        m_run.reset();
        return false;
    }
    return true;
}

void Plotter::finish(core::DisplayValue& display)
{
    while (tick(display)) {
    }
}

} // namespace nuvra::graph
