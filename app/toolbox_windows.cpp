#include "app/toolbox_windows.h"

#include "app/calculator_app.h"
#include "eval/ui/equation_window.h"
#include "sci/ui/butler_window.h"
#include "sci/ui/sci_window.h"
#include "shell/ui/toolbox_registry.h"

namespace nuvra::app {

using shell::Toolbox;

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
}

} // namespace nuvra::app
