#pragma once

#include "frame/key_map.h"
#include "frame/rpn_panel.h"

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;

namespace nuvra::kit {
class ButlerChannel;
class SkinButton;
} // namespace nuvra::kit

namespace nuvra::frame::ui {


// The RPN stack panel on the frame: the labelled rows (Y first), "STACK EMPTY", and the roll,
// swap and drop commands with their lighting.
class StackPanelWidget : public QWidget {
    Q_OBJECT
public:
    StackPanelWidget(core::Session& session, RpnPanel& panel, KeyMap& keys,
                     kit::ButlerChannel& butler, QWidget* parent);

    // Shows the stack as it is now; called after every change instead of a polling timer.
    void refresh();
    QListWidget* list() const { return m_list; }

signals:
    void commandDone();
    void backgroundReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void runCommand(StackCommand command);

    core::Session& m_session;
    RpnPanel& m_panel;
    KeyMap& m_keys;
    kit::ButlerChannel& m_butler;
    QListWidget* m_list = nullptr;
    QWidget* m_empty = nullptr;
    QWidget* m_highlight = nullptr;
    std::array<kit::SkinButton*, 3> m_commands{};
};

} // namespace nuvra::frame::ui
