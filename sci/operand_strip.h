#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {
struct Session;
}

namespace nuvra::sci {

// The four kinds of second operand the strip asks for; x is always the display value.
enum class OperandMode { Power, Root, Percent, TaxRate };

struct OperandModeTexts {
    std::string_view instruction;
    std::string_view prompt;
};

OperandModeTexts operandModeTexts(OperandMode mode);

// The strip as the user sees it: waiting for n, n refused, or a result delivered.
enum class StripState { Closed, Waiting, Invalid, Result };

enum class ApplyTrigger { EnterKey, ContinueButton };

enum class StripFocus { Elsewhere, Entry, ContinueButton };

// The visibility of every element of the strip; the Butler window renders it.
struct StripView {
    std::optional<OperandMode> panel; // the one visible mode panel
    bool entryShown = false;          // txt
    bool entrySelected = false;       // the whole text of txt is selected
    bool awaitShown = false;
    bool doneShown = false;
    bool errorShown = false; // err_notif
    bool continueShown = false;
    bool helpPanelShown = true; // abt
    bool windowShown = false;
    StripFocus focus = StripFocus::Elsewhere;
};

// The operand strip of the Butler window. It lives as long as the program; the window that
// shows it is only hidden, never destroyed.
class OperandStrip {
public:
    // The tax rate is the pre-filled, selected text in tax-rate mode.
    void OpenOperandStrip(OperandMode mode, float taxRate);
    // Enter in the entry field or the continue button. butlerCommandChecked is the check mark
    // of the Butler menu command: without it a reset hides the window again.
    void ApplyOperand(core::Session& session, float& taxRate, ApplyTrigger trigger,
                      bool butlerCommandChecked);
    void ResetOperandStrip(bool butlerCommandChecked);
    // Enter while the continue button has the focus: closes the strip after a result.
    void pressEnterOnContinue(bool butlerCommandChecked);
    // The window's close button hides the window; the strip keeps its state.
    void hideWindow() { m_view.windowShown = false; }

    // The entry field takes only the digits and Backspace from the keyboard.
    static bool acceptsKey(char key);
    // A key typed into the entry field; refused keys change nothing. A typed key replaces a
    // selected text.
    void typeKey(char key);
    // A paste puts its text in unchanged; Enter applies the numeric test later.
    void pasteText(std::string_view text);

    const std::string& entryText() const { return m_entryText; }
    const StripView& view() const { return m_view; }
    StripState state() const;

private:
    enum class Failure { None, Overflow, Other };
    Failure applyMode(core::Session& session, float& taxRate, OperandMode mode, double x, double n);

    std::string m_entryText;
    StripView m_view;
};

} // namespace nuvra::sci
