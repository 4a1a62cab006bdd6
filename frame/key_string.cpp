#include "frame/key_string.h"

#include "frame/key_map.h"

#include <array>
#include <utility>

namespace nuvra::frame {
namespace {

// A key as a person presses it: key-down, the typed character when the key types one, key-up.
void pressKey(KeyMap& keys, KeyCode code, char typed, bool shift = false)
{
    if (shift)
        keys.KeyDown(KeyCode::Shift);
    keys.KeyDown(code, shift);
    if (typed != 0)
        keys.KeyPress(typed);
    keys.KeyUp();
}

// Runs one named key; returns false for an unknown name.
bool pressNamedKey(KeyMap& keys, std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, std::pair<KeyCode, char>>, 7> kKeys{{
        {"Enter", {KeyCode::Enter, '\r'}},
        {"Back", {KeyCode::Backspace, '\b'}},
        {"Del", {KeyCode::Delete, 0}},
        {"Esc", {KeyCode::Escape, 27}},
        {"C", {KeyCode::C, 'c'}},
        {"S", {KeyCode::S, 's'}},
        {"X", {KeyCode::X, 'x'}},
    }};
    for (const auto& [keyName, key] : kKeys) {
        if (name == keyName) {
            pressKey(keys, key.first, key.second);
            return true;
        }
    }
    if (name == "Swap" || name == "Roll" || name == "Drop") {
        const KeyCode code = name == "Swap" ? KeyCode::A : name == "Roll" ? KeyCode::Q : KeyCode::Z;
        pressKey(keys, code, static_cast<char>(code), true);
        return true;
    }
    if (name == "Sign") {
        keys.keypad(KeypadButton::Sign);
        return true;
    }
    if (name.size() == 2 && name[0] == 'k') {
        if (name[1] == '.') {
            keys.keypad(KeypadButton::Dot);
            return true;
        }
        if (name[1] >= '0' && name[1] <= '9') {
            keys.keypad(static_cast<KeypadButton>(static_cast<int>(KeypadButton::Digit0) +
                                                  (name[1] - '0')));
            return true;
        }
    }
    return false;
}

} // namespace

core::Result<void, KeyStringFailure> typeKeyString(KeyMap& keys, std::string_view keysText)
{
    for (std::size_t i = 0; i < keysText.size(); ++i) {
        if (keysText[i] == '{') {
            const std::size_t close = keysText.find('}', i);
            if (close == std::string_view::npos ||
                !pressNamedKey(keys, keysText.substr(i + 1, close - i - 1)))
                return core::unexpected(KeyStringFailure{KeyStringError::UnknownKey, i});
            i = close;
            continue;
        }
        keys.KeyPress(keysText[i]);
        keys.KeyUp();
    }
    return {};
}

} // namespace nuvra::frame
