#pragma once

#include "core/result.h"
#include "graph/plotter.h"

#include <string>

class QImage;

namespace nuvra::graph::ui {

enum class PlotFileError {
    UnknownFormat, // the name ends in neither ".png" nor ".svg"
    CannotWrite,
};

// The canvas with the legend of the slots in use below it.
QImage plotImage(const Plotter& plotter);

// Writes the canvas and its legend as a PNG or an SVG picture, chosen by the file's extension.
[[nodiscard]] core::Result<void, PlotFileError> writePlotFile(const Plotter& plotter,
                                                              const std::string& path);

} // namespace nuvra::graph::ui
