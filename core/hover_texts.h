#pragma once

#include <string_view>

namespace nuvra::core {

// The help sentence the Butler bar shows while the pointer is over a control of the main window
// or the frame, by the control's name; "" for controls without one.
std::string_view hoverText(std::string_view control);

} // namespace nuvra::core
