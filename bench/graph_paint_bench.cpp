#include "core/display_value.h"
#include "graph/plotter.h"
#include "graph/ui/canvas_painter.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

using nuvra::graph::Plotter;

// Eight curves on the default plane, as a full legend leaves the canvas.
constexpr std::array<std::string_view, 8> kEquations{"sin(x)", "x^2/5",    "cos(2x)*3", "1/x",
                                                     "sqr(x)", "exp(x/4)", "abs(x)-5",  "tan(x)"};

Plotter eightCurves()
{
    nuvra::core::DisplayValue display;
    Plotter plotter;
    for (std::string_view equation : kEquations) {
        if (plotter.picture().empty())
            static_cast<void>(plotter.PlotNew(equation));
        else
            plotter.PlotSamePlane(equation);
        plotter.finish(display);
    }
    return plotter;
}

// One full frame of the canvas: the plane and every curve, as the window paints on each tick.
void paintFullFrame(benchmark::State& state)
{
    const Plotter plotter = eightCurves();
    const qreal ratio = static_cast<qreal>(state.range(0));
    QImage image(static_cast<int>(305 * ratio), static_cast<int>(305 * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        nuvra::graph::ui::paintCanvas(painter, plotter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(ratio == 1 ? "device pixel ratio 1" : "device pixel ratio 2");
}

// One frame while the eighth curve grows, as the window paints it on a tick: a copy of what lies
// under that curve, and the curve.
void paintGrowingFrame(benchmark::State& state)
{
    const Plotter plotter = eightCurves();
    const qreal ratio = static_cast<qreal>(state.range(0));
    const QSize pixels(static_cast<int>(305 * ratio), static_cast<int>(305 * ratio));
    QImage under(pixels, QImage::Format_ARGB32_Premultiplied);
    under.setDevicePixelRatio(ratio);
    {
        QPainter painter(&under);
        nuvra::graph::ui::paintCanvas(painter, plotter, plotter.picture().size() - 1);
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), under);
        nuvra::graph::ui::paintDrawing(painter, plotter, plotter.picture().size() - 1);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(ratio == 1 ? "device pixel ratio 1" : "device pixel ratio 2");
}

} // namespace

BENCHMARK(paintFullFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(paintGrowingFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
