#include "core/display_value.h"
#include "graph/plotter.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using nuvra::core::DisplayValue;
using nuvra::graph::CanvasSize;
using nuvra::graph::Plane;
using nuvra::graph::Plotter;

// Trigonometry, an implicit product, a power, abs and exp (whose x is not substituted).
constexpr std::string_view kEquation = "sin(x)*cos(2x)+x^2/10-abs(x)+exp(x/10)-1";
static_assert(kEquation.size() == 40);

// Columns 0 to the width of the default canvas.
constexpr int kColumns = nuvra::graph::kCanvasSide + 1;

// A whole plot as the window runs it, the picture cleared and the plane drawn first.
void PlotWholeCanvas(benchmark::State& state)
{
    Plotter plotter;
    DisplayValue display;
    for (auto _ : state) {
        plotter.PlotNew(kEquation);
        plotter.finish(display);
        benchmark::DoNotOptimize(plotter.picture().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kColumns);
}
BENCHMARK(PlotWholeCanvas)->Unit(benchmark::kMillisecond);

// One column: the substitution, the evaluation and the mapping, over all columns in turn.
void SampleOneColumn(benchmark::State& state)
{
    const std::string prepared = nuvra::graph::PrepareEquation(kEquation);
    const Plane plane;
    const CanvasSize canvas;
    DisplayValue display;
    int column = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            nuvra::graph::SampleColumn(prepared, column, plane, canvas, display));
        column = column + 1 == kColumns ? 0 : column + 1;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(SampleOneColumn)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
