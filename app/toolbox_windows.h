#pragma once

namespace nuvra::app {

class CalculatorApp;

// Registers the window of every toolbox of the table with the program's registry.
void registerToolboxWindows(CalculatorApp& app);

} // namespace nuvra::app
