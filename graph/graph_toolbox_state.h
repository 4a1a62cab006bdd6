#pragma once

#include "graph/plotter.h"

#include <optional>

namespace nuvra::graph {

// What of the Graph toolbox outlives its window for the rest of the run: the plane, read from
// the settings store at the first opening and changed only by the settings panel.
struct GraphToolboxState {
    std::optional<Plane> plane;
};

} // namespace nuvra::graph
