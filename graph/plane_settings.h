#pragma once

#include "graph/plotter.h"

#include <array>
#include <string>
#include <variant>

namespace nuvra::graph {

// The six fields of the settings panel, in the order XMin, XMax, YMin, YMax, XScale, YScale.
enum class PlaneField { XMin, XMax, YMin, YMax, XScale, YScale };
inline constexpr std::size_t kPlaneFieldCount = 6;
using PlaneFieldTexts = std::array<std::string, kPlaneFieldCount>;

// The fields of a plane ("-10", "10", "-10", "10", "1", "1" for the defaults).
PlaneFieldTexts PlaneFieldsOf(const Plane& plane);

// Corrects the numeric fields in place, leaving the others as they are: a minimum or maximum
// beyond -1000..1000 becomes -10 or 10, a fraction is cut toward zero, a minimum not below its
// maximum moves the maximum to minimum + 1 (999 and 1000 at the top), and a scale outside
// 1..1000 becomes 1.
void NormaliseSettings(PlaneFieldTexts& fields);

// OK on the settings panel: the fields normalised, then the plane they give, or the first
// field that is not a number (which the panel selects).
std::variant<Plane, PlaneField> ApplySettings(PlaneFieldTexts& fields);

} // namespace nuvra::graph
