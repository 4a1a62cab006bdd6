#include "core/hover_texts.h"

#include <array>
#include <utility>

namespace nuvra::core {

std::string_view hoverText(std::string_view control)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 30> kTexts{{
        {"cmd0", "The Number / Digit 0."},
        {"cmd1", "The Number / Digit 1."},
        {"cmd2", "The Number / Digit 2."},
        {"cmd3", "The Number / Digit 3."},
        {"cmd4", "The Number / Digit 4."},
        {"cmd5", "The Number / Digit 5."},
        {"cmd6", "The Number / Digit 6."},
        {"cmd7", "The Number / Digit 7."},
        {"cmd8", "The Number / Digit 8."},
        {"cmd9", "The Number / Digit 9."},
        {"cmdADD", "Add the values."},
        {"cmdSubtract", "Subtract the values."},
        {"cmdMULTIPLY", "Multiply the values."},
        {"cmdDIVIDE", "Divide the values."},
        {"cmdEQUALS", "Solve and display the value"},
        {"cmdCancel", "Cancel the operation."},
        {"cmdBK", "Backspace. Erase the last digit on the display."},
        {"lblnumber", "The results / answers will be displayed here."},
        {"cmdmnu", "Displays the Settings Panel."},
        {"copypaste_box", "Copy to clipboard or Paste from clipboard."},
        {"main_bg", "Welcome to Nuvra. Hover over buttons to know what they do. Hope you enjoy."},
        {"wb_btn", "Exit / Close the application (Nuvra)"},
        {"wb_min", "Minimize Nuvra to the tray."},
        {"wm_menu", "Toggle various controls through the Menu."},
        {"rpnh1", "Roll values from within the stack (Shift+Q)."},
        {"rpnh2", "Swap the X (Display) value with the Y value. (Shift+A)"},
        {"rpnh3", "Drop the X (Display) value and shift the stack down. (Shift+Z)"},
        {"RPN_Toggle", "Toggle b/w Algebraic and RPN modes. (Shift+M)"},
        {"RPN_Panel", "View the values in the stack."},
        {"RPNList_2", "View the values in the stack."},
    }};
    for (const auto& [name, text] : kTexts) {
        if (name == control)
            return text;
    }
    return {};
}

} // namespace nuvra::core
