#pragma once

#include "core/engine.h"
#include "core/session.h"

namespace nuvra::frame {

// The RPN operations on the stack and the display value X.
class RpnEngine {
public:
    explicit RpnEngine(core::Session& session) : m_session(session) {}

    // Pushes X and lets the next digit start a new X; refuses an error word with a beep.
    void RpnEnter();
    // The stack lift: pushes X without marking it complete.
    void RpnPush();
    // Y op X into X; Y leaves the stack.
    void RpnOperator(core::PendingOp op);
    void RpnSwap();
    void RpnRoll();
    void RpnDrop();

private:
    bool refuseOnEmptyStack();
    std::string stackTextOfEntry() const;

    core::Session& m_session;
};

} // namespace nuvra::frame
