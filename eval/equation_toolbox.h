#pragma once

#include "eval/formula_recall.h"
#include "platform/twips.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {
struct Session;
}
namespace nuvra::platform {
class Clipboard;
}

namespace nuvra::eval {

// Evaluates a formula of the Equation toolbox and gives the result text. Unless that is
// "Syntax error" or "Error", the history gets the formula followed by one blank, and as its
// result the formula evaluated a second time (which differs when the first evaluation changed
// the entry that "ans" reads, as a tangent at a right angle does).
std::string EvaluateAndRecord(std::string_view formula, core::Session& session);

// What the Equation toolbox keeps for the whole run, whether its window is loaded or not: where
// the window stood and how wide it was, in twips, and the formulas evaluated. Nothing is saved.
struct EquationToolboxState {
    platform::TwipsPoint place; // Left and Top
    int width = 0;
    bool firstShow = true;
    bool EquationDocked = false;
    FormulaRecall recall;
};

// The side panel at the right edge holds the buttons and the indicator; the formula field
// fills what is left of it but for its margins (its left one and the gap before the panel).
inline constexpr int kEquationSideWidth = 1950;
inline constexpr int kEquationInputMargins = 320;
inline constexpr int kEquationHandleWidth = 60;

// The places that follow the window's width, in twips of the window.
struct EquationLayout {
    int sideLeft = 0;
    int lineWidth = 0;  // top1, top2, bottom1, bottom2
    int inputWidth = 0; // never below 0
    int handleLeft = 0; // the resize handle at the right edge

    bool operator==(const EquationLayout&) const = default;
};

EquationLayout equationLayout(int windowWidth);

// Where the angular system menu opens under the indicator (its place in the side panel), in
// twips of the window: a little left of the indicator and a little below it.
platform::TwipsPoint angularMenuPlace(const platform::TwipsRect& indicator, int sideLeft);

enum class EquationKey { Control, Up, Down, Enter, Other };

// A key going down in the window or in its formula field; modifiers other than Ctrl are Shift,
// Alt and Meta.
struct EquationKeyPress {
    EquationKey key = EquationKey::Other;
    bool control = false;
    bool otherModifier = false;
};

enum class EquationCommand {
    None,
    Evaluate,
    DockEquation,
    UndockEquation,
    RecallOlder,
    RecallNewer,
};

// The loaded Equation window's model: its place while it loads, unloads, docks across the top
// of the screen and comes back, its keys, and the formula it evaluates or copies. The docked
// flag lives in the run's state; the Ctrl flag and the floating geometry kept while docked live
// as long as the window.
class EquationToolbox {
public:
    EquationToolbox(EquationToolboxState& state, core::Session& session);

    // Where the window stands as it loads: the first time in a run at firstPlace with the
    // design's size, later where it was left with the width it had. The window is not docked.
    [[nodiscard]] platform::TwipsRect load(platform::TwipsPoint firstPlace, int designWidth,
                                           int height);
    // Keeps the place and width for the next load; while docked the floating ones.
    void unload(const platform::TwipsRect& current);

    // The main display's entry becomes the result, whatever it is, and the formula joins the
    // recall. An empty formula changes nothing and gives false.
    bool Evaluate(std::string_view formula);
    // The clipboard is emptied, then given the formula as text.
    static void CopyEquation(std::string_view formula, platform::Clipboard& clipboard);

    bool docked() const { return m_state.EquationDocked; }
    // The geometry the window takes, or nothing when it is docked already: the top edge of the
    // screen, as wide as the screen, as high as it was.
    [[nodiscard]] std::optional<platform::TwipsRect>
    DockEquation(const platform::TwipsRect& current, int screenWidth);
    // The geometry from before docking, or nothing when it is not docked.
    [[nodiscard]] std::optional<platform::TwipsRect> UndockEquation();

    // Ctrl going down sets the Ctrl flag and any key going up clears it; Up and Down dock and
    // undock while it is set (or Ctrl is held), and walk the recall without a modifier.
    EquationCommand keyDown(const EquationKeyPress& press);
    void keyUp() { m_ctrl = false; }
    bool ctrlFlag() const { return m_ctrl; }

    FormulaRecall& recall() { return m_state.recall; }

private:
    EquationToolboxState& m_state;
    core::Session& m_session;
    platform::TwipsRect m_floating;
    bool m_ctrl = false;
};

} // namespace nuvra::eval
