#include "eval/equation_toolbox.h"

#include "core/session.h"
#include "eval/expression_evaluator.h"
#include "platform/clipboard.h"

#include <algorithm>

namespace nuvra::eval {

std::string EvaluateAndRecord(std::string_view formula, core::Session& session)
{
    std::string result = EvaluateExpression(formula, session);
    if (result != kSyntaxError && result != kError) {
        std::string expression(formula);
        expression += ' ';
        session.history.appendExpression(std::move(expression));
        session.history.appendResult(EvaluateExpression(formula, session));
    }
    return result;
}

EquationLayout equationLayout(int windowWidth)
{
    return {windowWidth - kEquationSideWidth, windowWidth,
            std::max(0, windowWidth - kEquationSideWidth - kEquationInputMargins),
            windowWidth - kEquationHandleWidth};
}

platform::TwipsPoint angularMenuPlace(const platform::TwipsRect& indicator, int sideLeft)
{
    return {indicator.left - 60 + sideLeft, indicator.top + indicator.height + 30};
}

EquationToolbox::EquationToolbox(EquationToolboxState& state, core::Session& session)
    : m_state(state), m_session(session)
{
}

platform::TwipsRect EquationToolbox::load(platform::TwipsPoint firstPlace, int designWidth,
                                          int height)
{
    if (m_state.firstShow) {
        m_state.place = firstPlace;
        m_state.width = designWidth;
        m_state.firstShow = false;
    }
    m_state.EquationDocked = false;
    m_ctrl = false;
    return {m_state.place.left, m_state.place.top, m_state.width, height};
}

void EquationToolbox::unload(const platform::TwipsRect& current)
{
    const platform::TwipsRect& floating = docked() ? m_floating : current;
    m_state.place = {floating.left, floating.top};
    m_state.width = floating.width;
}

bool EquationToolbox::Evaluate(std::string_view formula)
{
    if (formula.empty())
        return false;
    m_session.display.setEntry(EvaluateAndRecord(formula, m_session));
    m_state.recall.record(std::string(formula));
    return true;
}

void EquationToolbox::CopyEquation(std::string_view formula, platform::Clipboard& clipboard)
{
    // An unreachable clipboard leaves the copy undone; there is nothing else to tell.
    static_cast<void>(clipboard.clear());
    static_cast<void>(clipboard.setText(formula));
}

std::optional<platform::TwipsRect> EquationToolbox::DockEquation(const platform::TwipsRect& current,
                                                                 int screenWidth)
{
    if (docked())
        return std::nullopt;
    m_state.EquationDocked = true;
    m_floating = current;
    return platform::TwipsRect{0, 0, screenWidth, current.height};
}

std::optional<platform::TwipsRect> EquationToolbox::UndockEquation()
{
    if (!docked())
        return std::nullopt;
    m_state.EquationDocked = false;
    return m_floating;
}

EquationCommand EquationToolbox::keyDown(const EquationKeyPress& press)
{
    const bool ctrl = m_ctrl || press.control;
    switch (press.key) {
    case EquationKey::Control:
        m_ctrl = true;
        return EquationCommand::None;
    case EquationKey::Enter:
        return EquationCommand::Evaluate;
    case EquationKey::Up:
        if (ctrl)
            return EquationCommand::DockEquation;
        return press.otherModifier ? EquationCommand::None : EquationCommand::RecallOlder;
    case EquationKey::Down:
        if (ctrl)
            return EquationCommand::UndockEquation;
        return press.otherModifier ? EquationCommand::None : EquationCommand::RecallNewer;
    case EquationKey::Other:
        break;
    }
    return EquationCommand::None;
}

} // namespace nuvra::eval
