#pragma once

#include "core/keypad.h"

#include <optional>

class QKeyEvent;

namespace nuvra::core::ui {

// The keyboard map's key code for a Qt key, or nothing for keys the map does not know.
std::optional<KeyCode> keyCodeFor(int qtKey);
// The character a key event types, as the keyboard map reads it (Enter as '\r', Backspace as
// '\b', Escape as 27), or 0 when it types nothing the map can use.
char typedCharacter(const QKeyEvent& event);

} // namespace nuvra::core::ui
