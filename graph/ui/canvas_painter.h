#pragma once

#include "graph/plotter.h"

#include <QColor>
#include <QtGlobal>

#include <cstddef>

class QImage;
class QPainter;
class QRectF;

namespace nuvra::graph::ui {

// A colour of the plotter as Qt paints it.
inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Paints the canvas of a plotter at the painter's origin: the background, then the picture in
// the order it was drawn, clipped to the canvas. Grid lines, ticks and axes lie on whole device
// pixels, so they stay sharp at any device pixel ratio; curves are antialiased.
void paintCanvas(QPainter& painter, const Plotter& plotter);
// The background and the first drawings of the picture only.
void paintCanvas(QPainter& painter, const Plotter& plotter, std::size_t drawings);
// One drawing of the picture over what the painter holds, clipped to the canvas.
void paintDrawing(QPainter& painter, const Plotter& plotter, std::size_t index);

// The canvas alone as an image of its size times the ratio.
QImage canvasImage(const Plotter& plotter, qreal devicePixelRatio = 1);

// The height a legend of the slots in use takes below the canvas (0 when none is).
int legendHeight(const Plotter& plotter);
// A swatch and the equation of each slot in use, one per line, in the area.
void paintLegend(QPainter& painter, const Plotter& plotter, const QRectF& area);

} // namespace nuvra::graph::ui
