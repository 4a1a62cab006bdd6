#pragma once

#include "core/session.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {

// Keypad buttons and the keyboard reach the same operations by slightly different paths.
enum class KeyPath { Keypad, Keyboard };

enum class CancelVariant {
    Button,     // the Cancel button
    CKey,       // the C key without Ctrl: like the button, but ResultValue stays
    TypedC,     // a typed "c": the shown text follows the entry
    DeleteKey,  // Delete and Escape: the stack stays
};

// The arithmetic faults that stop an evaluation.
enum class ArithmeticFault { None, Overflow, ZeroDivide };

// History symbols: a blank before the sign, none after.
std::string_view operatorSymbol(PendingOp op);
// Applies an operator; a non-finite result is a fault and leaves result untouched.
ArithmeticFault computeOperation(PendingOp op, double left, double right, double& result);

// The algebraic entry engine: strictly left to right, no precedence.
class Engine {
public:
    explicit Engine(Session& session) : m_session(session) {}

    void digit(int value, KeyPath path);
    void AppendDecimalPoint(KeyPath path);
    void ChangeSign();
    void backspace();
    void CancelAll(CancelVariant variant);
    // Algebraic mode only; RPN mode routes operators to the stack.
    void applyOperator(PendingOp op);
    void equals();
    // Shows "error" itself when the computation faults; the operands and flags then stay.
    ArithmeticFault Evaluate();

    void ClearIfPending();
    void BeginDigitEntry();

    // Pastes a number from clipboard text; returns false (after a beep) when it is no number.
    bool PasteNumber(const std::optional<std::string>& clipboardText);
    std::string CopyShownText() const { return m_session.display.shown(); }

    // A toolbox result: the entry gets the text and is marked complete.
    void deliverResult(std::string text);

private:
    Session& m_session;
};

} // namespace nuvra::core
