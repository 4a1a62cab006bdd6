#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {

// Key codes of the keys the keyboard map knows; letters carry their upper-case character.
enum class KeyCode {
    Other = 0,
    Backspace = 8,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Escape = 27,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Delete = 46,
    A = 'A', C = 'C', E = 'E', F = 'F', G = 'G', H = 'H', J = 'J', K = 'K', M = 'M', N = 'N',
    O = 'O', Q = 'Q', S = 'S', T = 'T', U = 'U', V = 'V', W = 'W', X = 'X', Z = 'Z',
    F1 = 112,
    F2 = 113,
    F5 = 116,
    F6 = 117,
    F8 = 119,
};

enum class KeypadButton {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Dot, Add, Subtract, Multiply, Divide, Equals, Cancel, Backspace, Sign,
};

// The keypad row a button sits in, as its top in twips (855, 1395, 1935, 2475); the sign and
// backspace buttons sit elsewhere and give 0.
int keypadRowTopTwips(KeypadButton button);
inline constexpr int kPressOffsetTwips = 10;

// What a key asks of the windows around the calculator; the calculator's own operations are
// already done when it is returned.
enum class WindowCommand {
    None,
    ToggleToolbox,       // letter says which
    MoveFrame,           // direction says where
    ExitStripLeft,
    ExitStripRight,
    ActivateExitStrip,   // Enter while the exit strip is open
    OpenExitStrip,
    CopyShownText,
    PasteNumber,         // the window reads the clipboard and calls KeyMap::PasteNumber
    OpenControlPanel,
    ToggleButler,
    ShowAbout,
    ResetEverything,
    ToggleSound,
    ShowUpdateWindow,
    ShowSettingsPanel,
    StandardMode,        // Alt+1
    ScientificPage,      // Alt+2
    StatisticsPage,      // Alt+3
};

enum class Direction { Up, Down, Left, Right };

struct KeyOutcome {
    WindowCommand command = WindowCommand::None;
    char letter = 0;
    Direction direction = Direction::Up;
    // The Equation toolbox keeps the keyboard focus after Ctrl+Q.
    bool keepFocus = false;
};

// The keyboard map's entry points: the main window hands every keypad click and key event to
// one of these and renders the state they leave.
class KeypadInput {
public:
    virtual ~KeypadInput() = default;
    // A mouse button released over a keypad button.
    virtual void keypad(KeypadButton button) = 0;
    // shiftArgument is the Shift state that comes with the key event; the letter shortcuts
    // test the held flags instead.
    virtual KeyOutcome KeyDown(KeyCode key, bool shiftArgument = false) = 0;
    virtual KeyOutcome KeyPress(char typed) = 0;
    virtual void KeyUp() = 0;
    virtual KeyOutcome altDigit(int digit) = 0;
    virtual bool PasteNumber(const std::optional<std::string>& clipboardText) = 0;
    // The button drawn pressed (and 10 twips lower) until the next key-up.
    virtual std::optional<KeypadButton> pressedButton() const = 0;
    virtual void setExitStripOpen(bool open) = 0;
    // The held flags that the letter shortcuts test.
    virtual bool ctrlHeld() const = 0;
    virtual bool shiftHeld() const = 0;
};

} // namespace nuvra::core
