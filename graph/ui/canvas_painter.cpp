#include "graph/ui/canvas_painter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace nuvra::graph::ui {

namespace {

// A curve point beyond this many canvas sides is pulled in: the visible part of a steep line
// keeps its place to well within a pixel, and the rasteriser stays in its exact range.
constexpr double kFarAway = 64;
constexpr int kLegendRow = 18;
constexpr int kLegendPadding = 6;
constexpr int kSwatch = 12;

QColor colourOf(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

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
    QPen pen(colourOf(axis ? kAxisColour : kGridColour), widthPixels / ratio);
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

void paintCurve(QPainter& painter, const Curve& curve, double height)
{
    QPen pen(colourOf(CurveColour(curve.colourIndex)), kCurvePenWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const double far = kFarAway * height;
    for (const std::vector<Point>& stroke : curve.strokes) {
        if (stroke.size() < 2)
            continue;
        QPolygonF polyline;
        polyline.reserve(static_cast<qsizetype>(stroke.size()));
        for (const Point& point : stroke)
            polyline.append(QPointF(point.x, std::clamp(point.y, -far, height + far)));
        painter.drawPolyline(polyline);
    }
}

} // namespace

void paintCanvas(QPainter& painter, const Plotter& plotter)
{
    const CanvasSize canvas = plotter.canvas();
    const QRectF area(0, 0, canvas.width, canvas.height);
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;

    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, colourOf(kCanvasBackground));
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Drawing& drawing : plotter.picture()) {
        if (drawing.kind == Drawing::Kind::Plane) {
            for (const PlaneLine& line : drawing.plane.lines)
                paintPlaneLine(painter, line, ratio);
        } else {
            paintCurve(painter, drawing.curve, canvas.height);
        }
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
        painter.fillRect(swatch, colourOf(CurveColour(slot.colourIndex)));
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
