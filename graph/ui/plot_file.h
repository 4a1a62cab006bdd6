#pragma once

#include "core/result.h"
#include "graph/plotter.h"

#include <optional>
#include <string>
#include <string_view>

class QImage;

namespace nuvra::graph::ui {

enum class PlotFileError {
    UnknownFormat, // the name ends in neither ".png" nor ".svg"
    CannotWrite,
};

enum class PlotFormat { Png, Svg };

// The format a file name asks for by its extension, in any case (".png", ".SVG").
std::optional<PlotFormat> plotFormatOf(std::string_view path);

// The canvas with the legend of the slots in use below it.
QImage plotImage(const Plotter& plotter);

// Writes the canvas and its legend as a PNG or an SVG picture, chosen by the file's extension.
[[nodiscard]] core::Result<void, PlotFileError> writePlotFile(const Plotter& plotter,
                                                              const std::string& path);

} // namespace nuvra::graph::ui
