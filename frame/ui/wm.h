#pragma once

#include "frame/gear_dialog.h"
#include "frame/key_map.h"
#include "frame/rpn_panel.h"

#include <QTimer>
#include <QWidget>

namespace nuvra::core::ui {
class Form1;
} // namespace nuvra::core::ui
namespace nuvra::kit {
class ButlerChannel;
class SkinButton;
} // namespace nuvra::kit

namespace nuvra::frame::ui {

class StackPanelWidget;

// The frame: the borderless, always-on-top window the user moves. It carries the title bar, the
// main window Form1 and the RPN stack panel.
class Wm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeightTwips = 3314;

    Wm(core::Session& session, RpnPanel& panel, KeyMap& keys, kit::ButlerChannel& butler);

    core::ui::Form1& form1() const { return *m_form1; }
    StackPanelWidget& stackPanel() const { return *m_stackPanel; }

    // Position in twips, as the settings store keeps it.
    void moveToTwips(int left, int top);
    int leftTwips() const;
    int topTwips() const;
    // Width follows the mode and the stack panel: 2910 or 4770 twips.
    void applyPanelState();
    void setAlwaysOnTop(bool onTop);
    // The gear dialog slides out when the stored choice asks for it.
    void offerGearDialog(std::string_view storedChoice);
    const GearSlide& gearSlide() const { return m_gear; }

signals:
    void menuRequested(const QPoint& globalPosition);
    void controlPanelRequested();
    void minimiseRequested();
    void toolboxesReshowRequested();
    // "1": offer the dialog again at the next start; "0": never.
    void gearChoiceMade(const QString& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void restTitleButtons();
    void buildGearDialog();
    void gearStep();

    core::Session& m_session;
    RpnPanel& m_panel;
    KeyMap& m_keys;
    kit::ButlerChannel& m_butler;
    core::ui::Form1* m_form1 = nullptr;
    StackPanelWidget* m_stackPanel = nullptr;
    kit::SkinButton* m_minimiseButton = nullptr;
    kit::SkinButton* m_closeButton = nullptr;
    kit::SkinButton* m_panelToggle = nullptr;
    GearSlide m_gear;
    QTimer m_gearTimer;
    QWidget* m_gearDialog = nullptr;
    QWidget* m_gearFirstPage = nullptr;
    QWidget* m_gearSecondPage = nullptr;
};

} // namespace nuvra::frame::ui
