#pragma once

#include "core/engine.h"
#include "frame/rpn_engine.h"
#include "frame/rpn_panel.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::frame {

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
    ToggleToolbox,       // letter and toolboxName say which
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
    std::string_view toolboxName;
    Direction direction = Direction::Up;
    // The Equation toolbox keeps the keyboard focus after Ctrl+Q.
    bool keepFocus = false;
};

// The name the shortcut popup shows for a Ctrl+letter toolbox toggle, or "" for other letters.
std::string_view toolboxShortcutName(char letter);

// A rectangle in twips; the frame moves by 500 twips with Shift+arrows while it stays at least
// 1500 twips inside the screen.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};
std::optional<TwipsRect> movedFrame(TwipsRect frame, int screenWidth, int screenHeight,
                                    Direction direction);

// The keypad buttons and the keyboard (KeyDown, KeyPress, KeyUp) turned into operations.
class KeyMap {
public:
    KeyMap(core::Session& session, RpnPanel& panel);

    // A mouse button released over a keypad button.
    void keypad(KeypadButton button);
    // shiftArgument is the Shift state that comes with the key event; the letter shortcuts
    // test the held flags instead.
    KeyOutcome KeyDown(KeyCode key, bool shiftArgument = false);
    KeyOutcome KeyPress(char typed);
    void KeyUp();
    KeyOutcome altDigit(int digit);

    bool PasteNumber(const std::optional<std::string>& clipboardText);

    bool ctrlHeld() const { return m_ctrlHeld; }
    bool shiftHeld() const { return m_shiftHeld; }
    // The button drawn pressed (and 10 twips lower) until the next key-up.
    std::optional<KeypadButton> pressedButton() const { return m_pressed; }

    bool exitStripOpen() const { return m_exitStripOpen; }
    void setExitStripOpen(bool open) { m_exitStripOpen = open; }

    core::Engine& engine() { return m_engine; }
    RpnEngine& rpn() { return m_rpn; }

private:
    void digit(int value, core::KeyPath path);
    void point(core::KeyPath path);
    void operatorKey(core::PendingOp op);
    void equalsKey();

    core::Session& m_session;
    RpnPanel& m_panel;
    core::Engine m_engine;
    RpnEngine m_rpn;
    bool m_ctrlHeld = false;
    bool m_shiftHeld = false;
    bool m_exitStripOpen = false;
    std::optional<KeypadButton> m_pressed;
};

} // namespace nuvra::frame
