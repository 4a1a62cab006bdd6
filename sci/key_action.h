#pragma once

#include <optional>
#include <string>

namespace nuvra::core {
class DisplayValue;
struct Session;
} // namespace nuvra::core

namespace nuvra::sci {

// The common end of a toolbox key: the display value counts as a finished result (the next
// digit starts a new number) and the click sounds. The window gives the focus back to the
// keypad.
void FinishKeyAction(core::Session& session);

// The display value's entry text converted as a whole; nothing for an empty entry or a text
// that is not one number (a fraction "3/4" left by the Equation toolbox).
std::optional<double> readDisplayValue(const core::DisplayValue& display);

// Sets the entry text. Writing the text the entry already holds changes nothing, so an error
// word that a library call has just shown stays on the display.
void writeDisplayValue(core::DisplayValue& display, const std::string& text);

} // namespace nuvra::sci
