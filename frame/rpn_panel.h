#pragma once

#include "core/session.h"

#include <string>
#include <string_view>
#include <vector>

namespace nuvra::frame {

inline constexpr int kFrameWidthClosedTwips = 2910;
inline constexpr int kFrameWidthOpenTwips = 4770;
inline constexpr std::size_t kStackRowsShown = 25;

// The command images of the stack panel and which one the strip lights.
enum class StackCommand { None, Roll, Swap, Drop };

// What the stack panel shows: the labelled rows, Y first, or "STACK EMPTY".
struct StackPanelView {
    std::vector<std::string> rows;
    bool showEmptyLabel = true;
};

// Rows "Y:\t<top>", "Z:\t<next>", … for at most 25 entries; deeper entries are used but not shown.
StackPanelView RefreshStackPanel(const core::OperandStack& stack);

// The algebraic/RPN switch and the stack panel's open state on the frame.
class RpnPanel {
public:
    explicit RpnPanel(core::Session& session) : m_session(session) {}

    bool rpnMode() const { return m_session.engine.rpnMode; }
    bool panelOpen() const { return m_session.engine.rpnMode && m_panelOpen; }
    int frameWidthTwips() const { return panelOpen() ? kFrameWidthOpenTwips : kFrameWidthClosedTwips; }

    void EnterRpnMode();
    void EnterAlgebraicMode();
    void toggleMode();
    // RPN mode only: opens or closes the panel.
    void togglePanel();

    // "1" RPN with the panel open, "2" RPN with it closed, anything else algebraic.
    void applyModeState(std::string_view modeState);
    std::string SaveModeState() const;

    StackCommand litCommand() const { return m_lit; }
    void light(StackCommand command) { m_lit = command; }
    void rest() { m_lit = StackCommand::None; }

private:
    core::Session& m_session;
    bool m_panelOpen = false;
    StackCommand m_lit = StackCommand::None;
};

} // namespace nuvra::frame
