#pragma once

#include "eval/equation_toolbox.h"
#include "shell/ui/toolbox_window.h"

class QLineEdit;

namespace nuvra::shell::ui {
struct ToolboxContext;
}

namespace nuvra::eval::ui {

// The Equation toolbox "frmfx": a one-line formula field whose result goes to the main display
// and the history. It stretches sideways by its right edge, docks across the top of the screen
// (Ctrl+Up, Ctrl+Down), and wears the dark or light scheme that the menu's marks choose. Its
// place, width and formulas outlive it in the run's state.
class EquationWindow : public shell::ui::ToolboxWindow {
    Q_OBJECT
public:
    EquationWindow(shell::ui::ToolboxContext& context, EquationToolboxState& state);
    ~EquationWindow() override;

    void render() override;

    // Enter in the field or the button cmdEnter.
    void Evaluate();
    // The button cmdCopy.
    void CopyEquation();
    void FocusEquationInput();
    void DockEquation();
    void UndockEquation();
    bool docked() const { return m_model.docked(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Carries out a key going down; true when the key is used up.
    bool keyDown(const QKeyEvent& key);
    void pressBackground(const QMouseEvent& event);
    void releaseBackground(const QMouseEvent& event);
    void hover(QWidget& control);
    void applyGeometry(const platform::TwipsRect& geometry);
    platform::TwipsRect geometryTwips() const;
    void applyScheme();
    void paintLine(QWidget& line, const QColor& colour);
    void paintSide();

    shell::ui::ToolboxContext& m_context;
    EquationToolbox m_model;
    kit::Controls m_controls;
    kit::Controls m_sideControls;
    QWidget* m_side = nullptr;
    QWidget* m_handle = nullptr;
    QLineEdit* m_input = nullptr;
    kit::SkinButton* m_angularSystem = nullptr;
    // The control whose tooltip was last shown or hidden, so that moves over it do not repeat.
    QWidget* m_hovered = nullptr;
    shell::EquationScheme m_scheme = shell::EquationScheme::Dark;
    bool m_placed = false;
};

} // namespace nuvra::eval::ui
