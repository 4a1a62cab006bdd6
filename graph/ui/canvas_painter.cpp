#include "graph/ui/canvas_painter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace nuvra::graph::ui {

namespace {

// Curves are cut this far outside the canvas, so that their cut ends never show.
constexpr double kCutMargin = 4;
constexpr int kLegendRow = 18;
constexpr int kLegendPadding = 6;
constexpr int kSwatch = 12;

// The device pixels a pen of a logical width covers: at least one, a whole number.
int deviceWidth(double width, qreal ratio)
{
    return std::max(1, static_cast<int>(std::lround(width * ratio)));
}

// A coordinate across a line of the given device width moved so that the line covers whole
// device pixels: an odd width is centred on a pixel's middle, an even one on a pixel edge.
double snapAcross(double logical, int widthPixels, qreal ratio)
{
    const double device = logical * ratio;
    const double snapped = widthPixels % 2 == 1 ? std::floor(device) + 0.5 : std::round(device);
    return snapped / ratio;
}

// A coordinate along a line lands on a device pixel edge.
double snapAlong(double logical, qreal ratio)
{
    return std::round(logical * ratio) / ratio;
}

void paintPlaneLine(QPainter& painter, const PlaneLine& line, qreal ratio)
{
    const bool axis = line.kind == LineKind::Axis;
    const int widthPixels = deviceWidth(axis ? kAxisPenWidth : kGridPenWidth, ratio);
    QPen pen(toQColor(axis ? kAxisColour : kGridColour), widthPixels / ratio);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    if (line.from.x == line.to.x) {
        const double x = snapAcross(line.from.x, widthPixels, ratio);
        painter.drawLine(QPointF(x, snapAlong(line.from.y, ratio)),
                         QPointF(x, snapAlong(line.to.y, ratio)));
    } else {
        const double y = snapAcross(line.from.y, widthPixels, ratio);
        painter.drawLine(QPointF(snapAlong(line.from.x, ratio), y),
                         QPointF(snapAlong(line.to.x, ratio), y));
    }
}

// The part of the segment from a to b inside the box (Liang-Barsky), if any.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& box)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double enter = 0;
    double leave = 1;
    const std::array<std::pair<double, double>, 4> edges{{
        {-dx, a.x() - box.left()},
        {dx, box.right() - a.x()},
        {-dy, a.y() - box.top()},
        {dy, box.bottom() - a.y()},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0)
                return std::nullopt;
            continue;
        }
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return std::nullopt;
    }
    return std::pair{a + enter * QPointF(dx, dy), a + leave * QPointF(dx, dy)};
}

// A stroke as the polylines of its parts inside the box: a steep jump to a value far off the
// canvas is stroked only as far as it shows, which keeps a frame of tangents cheap.
std::vector<QPolygonF> visibleParts(const std::vector<Point>& stroke, const QRectF& box)
{
    std::vector<QPolygonF> parts;
    bool open = false;
    for (std::size_t i = 1; i < stroke.size(); ++i) {
        const QPointF a(stroke[i - 1].x, stroke[i - 1].y);
        const QPointF b(stroke[i].x, stroke[i].y);
        const auto clipped = clipSegment(a, b, box);
        if (!clipped) {
            open = false;
            continue;
        }
        if (!open || clipped->first != a) {
            parts.emplace_back();
            parts.back().append(clipped->first);
        }
        parts.back().append(clipped->second);
        open = clipped->second == b;
    }
    return parts;
}

void paintCurve(QPainter& painter, const Curve& curve, const QRectF& canvas)
{
    QPen pen(toQColor(CurveColour(curve.colourIndex)), kCurvePenWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const QRectF box = canvas.adjusted(-kCutMargin, -kCutMargin, kCutMargin, kCutMargin);
    for (const std::vector<Point>& stroke : curve.strokes) {
        for (const QPolygonF& part : visibleParts(stroke, box))
            painter.drawPolyline(part);
    }
}

} // namespace

void paintCanvas(QPainter& painter, const Plotter& plotter)
{
    paintCanvas(painter, plotter, plotter.picture().size());
}

void paintCanvas(QPainter& painter, const Plotter& plotter, std::size_t drawings)
{
    const CanvasSize canvas = plotter.canvas();
    painter.fillRect(QRectF(0, 0, canvas.width, canvas.height), toQColor(kCanvasBackground));
    for (std::size_t i = 0; i < std::min(drawings, plotter.picture().size()); ++i)
        paintDrawing(painter, plotter, i);
}

void paintDrawing(QPainter& painter, const Plotter& plotter, std::size_t index)
{
    const CanvasSize canvas = plotter.canvas();
    const QRectF area(0, 0, canvas.width, canvas.height);
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const Drawing& drawing = plotter.picture().at(index);
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (drawing.kind == Drawing::Kind::Plane) {
        for (const PlaneLine& line : drawing.plane.lines)
            paintPlaneLine(painter, line, ratio);
    } else {
        paintCurve(painter, drawing.curve, area);
    }
    painter.restore();
}

QImage canvasImage(const Plotter& plotter, qreal devicePixelRatio)
{
    const CanvasSize canvas = plotter.canvas();
    QImage image(static_cast<int>(std::lround(canvas.width * devicePixelRatio)),
                 static_cast<int>(std::lround(canvas.height * devicePixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    paintCanvas(painter, plotter);
    return image;
}

int legendHeight(const Plotter& plotter)
{
    const auto used = std::ranges::count_if(
        plotter.legend(), [](const LegendSlot& slot) { return slot.colourIndex != 0; });
    return used == 0 ? 0 : static_cast<int>(used) * kLegendRow + 2 * kLegendPadding;
}

void paintLegend(QPainter& painter, const Plotter& plotter, const QRectF& area)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    double top = area.top() + kLegendPadding;
    for (const LegendSlot& slot : plotter.legend()) {
        if (slot.colourIndex == 0)
            continue;
        const QRectF swatch(area.left() + kLegendPadding, top + (kLegendRow - kSwatch) / 2.0,
                            kSwatch, kSwatch);
        painter.fillRect(swatch, toQColor(CurveColour(slot.colourIndex)));
        painter.setPen(Qt::black);
        const QRectF text(swatch.right() + kLegendPadding, top,
                          area.right() - swatch.right() - 2 * kLegendPadding, kLegendRow);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("y = ") + QString::fromStdString(slot.label));
        top += kLegendRow;
    }
    painter.restore();
}

} // namespace nuvra::graph::ui
