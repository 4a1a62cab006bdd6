#include "frame/rpn_engine.h"

#include "core/number_text.h"

#include <cmath>
#include <string>

namespace nuvra::frame {

using core::NumberToText;
using core::ReadLeadingNumber;

bool RpnEngine::refuseOnEmptyStack()
{
    if (!m_session.stack.empty())
        return false;
    m_session.feedback.beep();
    return true;
}

void RpnEngine::RpnEnter()
{
    if (m_session.display.IsErrorShown() || !m_session.stack.push(m_session.display.entry())) {
        m_session.feedback.beep();
        return;
    }
    m_session.engine.clearOnDigit = true;
    m_session.feedback.playClick();
}

void RpnEngine::RpnPush()
{
    if (!m_session.stack.push(m_session.display.entry()))
        m_session.feedback.beep();
}

void RpnEngine::RpnOperator(core::PendingOp op)
{
    if (refuseOnEmptyStack())
        return;
    core::DisplayValue& display = m_session.display;
    const std::string x = display.entry();
    const std::string y = m_session.stack.top();
    const double xValue = ReadLeadingNumber(x);
    if (op == core::PendingOp::Divide && xValue == 0.0) {
        display.ShowError("u");
        m_session.stack.pop();
        m_session.feedback.playClick();
        return;
    }
    m_session.history.appendExpression(" " + y + std::string(core::operatorSymbol(op)) + x);
    double result = 0.0;
    if (core::computeOperation(op, ReadLeadingNumber(y), xValue, result) !=
        core::ArithmeticFault::None) {
        // No result line will follow, so the expression line goes again: the two history
        // lists stay in step. Y stays on the stack.
        m_session.history.removeLastExpression();
        display.ShowError("e");
        m_session.feedback.playClick();
        return;
    }
    display.setEntry(NumberToText(result));
    m_session.stack.pop();
    m_session.history.appendResult(display.entry());
    m_session.engine.stackLiftPending = true;
    m_session.feedback.playClick();
}

std::string RpnEngine::stackTextOfEntry() const
{
    // An entry beyond the double's range has no number text: it moves as typed, so that it
    // never comes back into the display as the word "infinity" to be typed on.
    const double x = ReadLeadingNumber(m_session.display.entry());
    return std::isfinite(x) ? NumberToText(x) : m_session.display.entry();
}

void RpnEngine::RpnSwap()
{
    if (refuseOnEmptyStack())
        return;
    std::string x = stackTextOfEntry();
    m_session.display.setEntry(m_session.stack.top());
    m_session.stack.setTop(std::move(x));
    m_session.feedback.playClick();
}

void RpnEngine::RpnRoll()
{
    if (refuseOnEmptyStack())
        return;
    std::string x = stackTextOfEntry();
    m_session.display.setEntry(m_session.stack.top());
    m_session.stack.rollDown(std::move(x));
    m_session.feedback.playClick();
}

void RpnEngine::RpnDrop()
{
    if (refuseOnEmptyStack())
        return;
    m_session.display.setEntry(m_session.stack.top());
    m_session.stack.pop();
    m_session.feedback.playClick();
}

} // namespace nuvra::frame
