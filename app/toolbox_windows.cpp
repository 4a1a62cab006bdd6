#include "app/toolbox_windows.h"

#include "app/calculator_app.h"
#include "eval/ui/equation_window.h"
#include "graph/ui/graph_window.h"
#include "sci/ui/butler_window.h"
#include "sci/ui/sci_window.h"
#include "shell/ui/toolbox_registry.h"

namespace nuvra::app {

using shell::Toolbox;

namespace {

// The section "Graph" of the store, each value checked against its range.
graph::Plane storedPlane(const shell::SettingsStore& settings)
{
    const shell::GraphRange range = settings.readGraphRange();
    return {static_cast<double>(range.xMin),   static_cast<double>(range.xMax),
            static_cast<double>(range.yMin),   static_cast<double>(range.yMax),
            static_cast<double>(range.xScale), static_cast<double>(range.yScale)};
}

} // namespace

// One line a window: the toolbox and how its window is made from the program's state.
void registerToolboxWindows(CalculatorApp& app)
{
    shell::ui::ToolboxRegistry& toolboxes = app.toolboxes();
    const auto butlerChecked = [&app] { return app.menu().isChecked("mnuex"); };

    toolboxes.add(Toolbox::Butler, [&app, butlerChecked] {
        return new sci::ui::ButlerWindow(app.session(), app.science(), app.butler(), butlerChecked);
    });
    toolboxes.add(Toolbox::Scientific,
                  [&app] { return new sci::ui::SciWindow(app.toolboxContext()); });
    toolboxes.add(Toolbox::Equation, [&app] {
        return new eval::ui::EquationWindow(app.toolboxContext(), app.equationToolbox());
    });
    toolboxes.add(Toolbox::Graph, [&app] {
        graph::GraphToolboxState& state = app.graphToolbox();
        // The plane is read at the run's first opening; the settings panel changes it after.
        if (!state.plane)
            state.plane = storedPlane(app.settings());
        return new graph::ui::GraphWindow(app.toolboxContext(), state);
    });
}

} // namespace nuvra::app
