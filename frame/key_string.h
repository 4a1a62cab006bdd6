#pragma once

#include "core/result.h"

#include <cstddef>
#include <string_view>

namespace nuvra::frame {

class KeyMap;

enum class KeyStringError { UnknownKey };

struct KeyStringFailure {
    KeyStringError error;
    std::size_t position; // of the "{" that opens the unknown name
};

// Types a key string into the calculator as a person would. Every character is a typed key
// (KeyPress, then KeyUp); "{Name}" presses a named key: Enter, Back, Del, Esc, C, S, X, Swap,
// Roll, Drop (Shift+A, Shift+Q, Shift+Z), Sign and the keypad's k0 … k9 and "k.". An unknown
// name, or a "{" without its "}", stops the typing there; the keys before it stay typed.
[[nodiscard]] core::Result<void, KeyStringFailure> typeKeyString(KeyMap& keys,
                                                                 std::string_view keysText);

} // namespace nuvra::frame
