#pragma once

#include "core/display_value.h"
#include "core/feedback.h"
#include "core/history_lists.h"
#include "core/operand_stack.h"

namespace nuvra::core {

enum class PendingOp { None = 0, Add = 1, Subtract = 2, Multiply = 3, Divide = 4 };

// The algebraic engine's flags and operands, shared with the toolboxes that deliver results.
struct EngineState {
    double firstOperand = 0.0;
    double secondOperand = 0.0;
    double resultValue = 0.0;
    PendingOp pendingOp = PendingOp::None;
    // The entry is a result or has been consumed: equals with no operator repeats it.
    bool operandTaken = true;
    // The next digit starts a new entry.
    bool clearOnDigit = false;
    // RPN: the next keyboard digit first pushes the display value.
    bool stackLiftPending = false;
    bool divideByZero = false;
    bool rpnMode = false;
    // The last sign change prefixed "-"; the prefix and the negation alternate.
    bool signPrefixed = false;
};

// The program-wide angular system of the scientific functions; graphs always use radians.
enum class AngularSystem { Degrees = 0, Radians = 1, Gradians = 2, Turns = 3 };

// The program-wide calculator state: one per run, built fresh by every test.
struct Session {
    explicit Session(Feedback& sounds) : feedback(sounds) {}

    Feedback& feedback;
    DisplayValue display;
    EngineState engine;
    OperandStack stack;
    HistoryLists history;
    AngularSystem angularSystem = AngularSystem::Degrees;
};

} // namespace nuvra::core
