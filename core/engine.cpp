#include "core/engine.h"

#include "core/number_text.h"

#include <cmath>

namespace nuvra::core {

std::string_view operatorSymbol(PendingOp op)
{
    switch (op) {
    case PendingOp::Add:
        return " +";
    case PendingOp::Subtract:
        return " -";
    case PendingOp::Multiply:
        return " x";
    case PendingOp::Divide:
        return " /";
    case PendingOp::None:
        break;
    }
    return "";
}

ArithmeticFault computeOperation(PendingOp op, double left, double right, double& result)
{
    double value = 0.0;
    switch (op) {
    case PendingOp::Add:
        value = left + right;
        break;
    case PendingOp::Subtract:
        value = left - right;
        break;
    case PendingOp::Multiply:
        value = left * right;
        break;
    case PendingOp::Divide:
        if (right == 0.0)
            return ArithmeticFault::ZeroDivide;
        value = left / right;
        break;
    case PendingOp::None:
        value = right;
        break;
    }
    if (!std::isfinite(value))
        return ArithmeticFault::Overflow;
    result = value;
    return ArithmeticFault::None;
}

void Engine::ClearIfPending()
{
    EngineState& e = m_session.engine;
    if (!e.clearOnDigit)
        return;
    m_session.display.setEntry("", EntryEdit::Typed);
    e.clearOnDigit = false;
    // A digit after a finished calculation starts a new one: an earlier division by zero no
    // longer counts. Inside a chain the pending operator keeps it.
    if (e.pendingOp == PendingOp::None)
        e.divideByZero = false;
}

void Engine::BeginDigitEntry()
{
    EngineState& e = m_session.engine;
    const bool wasPending = e.clearOnDigit;
    ClearIfPending();
    if (wasPending) {
        e.stackLiftPending = false;
    } else if (e.stackLiftPending && e.rpnMode) {
        if (!m_session.stack.push(m_session.display.entry()))
            m_session.feedback.beep();
        m_session.display.setEntry("", EntryEdit::Typed);
        e.stackLiftPending = false;
    }
}

void Engine::digit(int value, KeyPath path)
{
    if (path == KeyPath::Keypad)
        ClearIfPending();
    else
        BeginDigitEntry();
    DisplayValue& display = m_session.display;
    // While typing, the entry keeps at most the mode's number of decimals and kMaxEntryLength
    // characters.
    const int places = decimalPlaces(display.settings().decimalsMode);
    const std::size_t point = display.entry().find('.');
    if (places >= 0 && point != std::string::npos &&
        display.entry().size() - point - 1 >= static_cast<std::size_t>(places)) {
        m_session.feedback.beep();
        return;
    }
    if (display.entryFull()) {
        m_session.feedback.beep();
        return;
    }
    display.appendToEntry(std::string(1, static_cast<char>('0' + value)));
    m_session.feedback.playClick();
}

void Engine::AppendDecimalPoint(KeyPath path)
{
    if (path == KeyPath::Keyboard)
        BeginDigitEntry();
    DisplayValue& display = m_session.display;
    if (display.settings().decimalsMode == DecimalsMode::None)
        return;
    // A second point is refused, also after a point that no fraction digit follows yet, and so
    // is a point on a full entry.
    if (display.entryHasFraction() || display.entry().find('.') != std::string::npos ||
        display.entryFull()) {
        m_session.feedback.beep();
        return;
    }
    display.markDotJustTyped();
    display.appendToEntry(".");
    m_session.feedback.playClick();
}

void Engine::ChangeSign()
{
    EngineState& e = m_session.engine;
    DisplayValue& display = m_session.display;
    // An entry that already carries a "-" loses it instead of getting a second one.
    const auto flipTyped = [&display] {
        const std::string& entry = display.entry();
        if (!entry.empty() && entry[0] == '-')
            display.setEntry(entry.substr(1), EntryEdit::Typed);
        else
            display.setEntry("-" + entry, EntryEdit::Typed);
    };
    if (!e.signPrefixed) {
        flipTyped();
        e.signPrefixed = true;
    } else {
        // An entry beyond the double's range has no number text; its sign flips as typed
        // rather than turning the entry into the word "infinity".
        const double negated = -1.0 * ReadLeadingNumber(display.entry());
        if (std::isfinite(negated))
            display.setEntry(NumberToText(negated));
        else
            flipTyped();
        e.signPrefixed = false;
    }
    m_session.feedback.playClick();
}

void Engine::backspace()
{
    DisplayValue& display = m_session.display;
    if (display.entry().empty())
        return;
    std::string entry = display.entry();
    entry.pop_back();
    if (entry.empty() || entry == "0") {
        display.setEntry("0", EntryEdit::Typed);
        m_session.feedback.beep();
        return;
    }
    display.setEntry(std::move(entry), EntryEdit::Typed);
    m_session.feedback.playClick();
}

void Engine::CancelAll(CancelVariant variant)
{
    EngineState& e = m_session.engine;
    DisplayValue& display = m_session.display;
    const bool full = variant != CancelVariant::DeleteKey;
    // Every variant sets the operands to 0, so nothing of a division by zero is left to report:
    // Delete and Escape clear its flag too, or every later result would show "undefined".
    e.divideByZero = false;
    e.firstOperand = 0.0;
    e.secondOperand = 0.0;
    if (variant != CancelVariant::CKey)
        e.resultValue = 0.0;
    display.setTypingBox("0");
    display.setEntry("0");
    if (variant == CancelVariant::Button || variant == CancelVariant::CKey)
        display.setShown("0");
    e.operandTaken = true;
    e.clearOnDigit = false;
    e.stackLiftPending = false;
    if (full)
        m_session.stack.clear();
    m_session.feedback.playClick();
}

void Engine::applyOperator(PendingOp op)
{
    EngineState& e = m_session.engine;
    if (e.pendingOp != PendingOp::None) {
        if (e.operandTaken)
            e.operandTaken = false;
        else
            e.secondOperand = ReadLeadingNumber(m_session.display.entry());
        if (Evaluate() != ArithmeticFault::None) {
            // The error is on the display; the pending operator stays as it was.
            m_session.feedback.playClick();
            return;
        }
    }
    e.pendingOp = op;
    e.firstOperand = ReadLeadingNumber(m_session.display.entry());
    m_session.display.setEntry("", EntryEdit::Typed);
    m_session.feedback.playClick();
}

void Engine::equals()
{
    (void)Evaluate();
    m_session.feedback.playClick();
}

ArithmeticFault Engine::Evaluate()
{
    EngineState& e = m_session.engine;
    DisplayValue& display = m_session.display;
    e.secondOperand = ReadLeadingNumber(display.entry());
    double result = e.resultValue;
    if (e.pendingOp == PendingOp::None && !e.operandTaken) {
        display.setEntry("0");
        result = 0.0;
    } else {
        const ArithmeticFault fault =
            computeOperation(e.pendingOp, e.firstOperand, e.secondOperand, result);
        if (fault == ArithmeticFault::ZeroDivide) {
            e.divideByZero = true;
        } else if (fault == ArithmeticFault::Overflow) {
            display.ShowError("e");
            return fault;
        }
    }
    e.resultValue = result;

    if (e.pendingOp != PendingOp::None) {
        m_session.history.appendExpression(NumberToText(e.firstOperand) +
                                           std::string(operatorSymbol(e.pendingOp)) +
                                           NumberToText(e.secondOperand));
    } else {
        m_session.history.appendExpression(NumberToText(e.resultValue));
    }
    m_session.history.appendResult(NumberToText(e.resultValue));

    e.firstOperand = e.resultValue;
    e.secondOperand = 0.0;
    e.operandTaken = true;

    if (!e.divideByZero) {
        display.setEntry(NumberToText(e.resultValue));
    } else if (e.pendingOp == PendingOp::None) {
        display.setEntry(NumberToText(e.resultValue));
        e.divideByZero = false;
    } else {
        display.ShowError("i");
    }
    if (display.shown().empty())
        display.setShown("0");
    e.pendingOp = PendingOp::None;
    e.clearOnDigit = true;
    if (e.divideByZero)
        display.ShowError("u");
    return ArithmeticFault::None;
}

bool Engine::PasteNumber(const std::optional<std::string>& clipboardText)
{
    DisplayValue& display = m_session.display;
    display.closeCopyPasteStrip();
    if (!clipboardText)
        return false;
    const std::optional<double> value = ReadPastedNumber(*clipboardText);
    if (!value) {
        m_session.feedback.beep();
        return false;
    }
    display.setEntry(NumberToText(*value));
    return true;
}

void Engine::deliverResult(std::string text)
{
    m_session.display.setEntry(std::move(text));
    m_session.engine.operandTaken = true;
    m_session.engine.clearOnDigit = true;
}

} // namespace nuvra::core
