#pragma once

#include "graph/equation_pad.h"
#include "graph/graph_toolbox_state.h"
#include "graph/plane_settings.h"
#include "graph/plotter.h"
#include "shell/ui/toolbox_window.h"

#include <QTimer>

#include <array>

class QLineEdit;

namespace nuvra::shell::ui {
struct ToolboxContext;
}

namespace nuvra::graph::ui {

// The Graph toolbox "gra": an equation field with a pad of function keys shown over the canvas
// while the equation is edited, the canvas that a plot grows on column by column, an equation
// bar with the plot, reset and copy buttons and the legend, and a settings panel for the
// plane. The plane outlives the window in the run's state; the rest goes with the window.
class GraphWindow : public shell::ui::ToolboxWindow {
    Q_OBJECT
public:
    // The state's plane must be set (from the settings store at the run's first opening).
    GraphWindow(shell::ui::ToolboxContext& context, GraphToolboxState& state);
    ~GraphWindow() override;

    const Plotter& plotter() const { return m_plotter; }
    const EquationPad& pad() const { return m_pad; }

    void PlotNew();
    void PlotSamePlane();
    void ResetGraph();
    // The plane drawn again over the canvas; the reset commands of the program call it.
    void Redraw();
    // The canvas as an image on the clipboard, then the "copy" notification.
    void CopyGraph();
    void PadAppend(std::string_view text);
    void PadBackspace();
    void ShowPad();
    void showSettings();
    // OK on the settings panel.
    void ApplySettings();
    // The six fields corrected as the panel does when one of them loses the keyboard.
    void NormaliseSettings();
    void setEquationBarOpen(bool open);
    bool equationBarOpen() const { return m_barOpen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pad and the settings panel lie over the canvas, at most one at a time; the bar's
    // pull tab makes way for the pad.
    void setPadShown(bool shown);
    void setSettingsShown(bool shown);
    void FocusGraphInput();
    bool inputKeyDown(const QKeyEvent& key);
    void startTicks();
    void tick();
    void renderLegend();
    PlaneFieldTexts fieldTexts() const;
    void setFieldTexts(const PlaneFieldTexts& texts);

    shell::ui::ToolboxContext& m_context;
    GraphToolboxState& m_state;
    Plotter m_plotter;
    EquationPad m_pad;
    QTimer m_ticks;
    kit::Controls m_controls;
    kit::Controls m_barControls;
    kit::Controls m_padControls;
    kit::Controls m_padKeys;
    kit::Controls m_padStripControls;
    kit::Controls m_settingsControls;
    QLineEdit* m_input = nullptr;
    QWidget* m_canvas = nullptr;
    std::array<QLineEdit*, kPlaneFieldCount> m_fields{};
    bool m_barOpen = false;
};

} // namespace nuvra::graph::ui
