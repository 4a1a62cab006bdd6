#pragma once

#include "sci/operand_strip.h"
#include "shell/menu_model.h"

#include <QPoint>

class QImage;

#include <functional>
#include <string_view>

namespace nuvra::core {
struct Session;
}
namespace nuvra::kit {
class ButlerChannel;
}
namespace nuvra::platform {
class Clipboard;
}
namespace nuvra::sci {
struct ScienceState;
}

namespace nuvra::shell::ui {

// What a toolbox window may reach of the program: the state it renders and the few services
// of the frame and the menu owner. The program builds one and hands it to every window.
struct ToolboxContext {
    core::Session& session;
    sci::ScienceState& science;
    // The check marks are the option state (the angular system, the page of the scientific
    // window, the colour scheme of the Equation toolbox); windows only read them.
    const MenuModel& menu;
    kit::ButlerChannel& butler;
    // The program's one clipboard service.
    platform::Clipboard& clipboard;
    // Shows a popup of the menu at a screen position; a chosen item runs its command.
    std::function<void(MenuPopup, QPoint)> popupMenu;
    // Runs the command of a menu item as if it were chosen ("mnustat" for the statistics page).
    std::function<void(std::string_view item)> runMenuItem;
    // The keypad of the main window takes the keyboard again.
    std::function<void()> focusKeypad;
    // Shows the Butler bar (creating it when needed) with its operand strip open in a mode.
    std::function<void(sci::OperandMode)> openOperandStrip;
    // Puts a picture on the clipboard in place of what it held.
    std::function<void(const QImage&)> copyImage;
    // The popup notification of a kind, when the user keeps them on.
    std::function<void(PopupKind)> showPopup;
};

} // namespace nuvra::shell::ui
