#include "frame/rpn_panel.h"

#include <array>

namespace nuvra::frame {

StackPanelView RefreshStackPanel(const core::OperandStack& stack)
{
    static constexpr std::array<char, kStackRowsShown> kLabels{
        'Y', 'Z', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K',
        'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W'};
    StackPanelView view;
    const auto& items = stack.items();
    const std::size_t shown = items.size() < kStackRowsShown ? items.size() : kStackRowsShown;
    view.rows.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        std::string row(1, kLabels[i]);
        row += ":\t";
        row += items[items.size() - 1 - i];
        view.rows.push_back(std::move(row));
    }
    view.showEmptyLabel = view.rows.empty();
    return view;
}

void RpnPanel::EnterRpnMode()
{
    if (m_session.engine.rpnMode)
        return;
    m_session.engine.rpnMode = true;
    m_panelOpen = true;
    m_lit = StackCommand::None;
}

void RpnPanel::EnterAlgebraicMode()
{
    if (!m_session.engine.rpnMode)
        return;
    m_session.engine.rpnMode = false;
    m_session.stack.clear();
    m_panelOpen = false;
    m_lit = StackCommand::None;
}

void RpnPanel::toggleMode()
{
    if (m_session.engine.rpnMode)
        EnterAlgebraicMode();
    else
        EnterRpnMode();
}

void RpnPanel::togglePanel()
{
    if (!m_session.engine.rpnMode)
        return;
    m_panelOpen = !m_panelOpen;
    if (!m_panelOpen)
        m_lit = StackCommand::None;
}

void RpnPanel::applyModeState(std::string_view modeState)
{
    m_session.engine.rpnMode = false;
    m_panelOpen = false;
    if (modeState == "1" || modeState == "2") {
        EnterRpnMode();
        m_panelOpen = modeState == "1";
    }
}

std::string RpnPanel::SaveModeState() const
{
    if (!m_session.engine.rpnMode)
        return "0";
    return m_panelOpen ? "1" : "2";
}

} // namespace nuvra::frame
