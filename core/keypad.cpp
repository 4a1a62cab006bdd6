#include "core/keypad.h"

namespace nuvra::core {

int keypadRowTopTwips(KeypadButton button)
{
    switch (button) {
    case KeypadButton::Digit7:
    case KeypadButton::Digit8:
    case KeypadButton::Digit9:
    case KeypadButton::Divide:
        return 855;
    case KeypadButton::Digit4:
    case KeypadButton::Digit5:
    case KeypadButton::Digit6:
    case KeypadButton::Multiply:
    case KeypadButton::Cancel:
        return 1395;
    case KeypadButton::Digit1:
    case KeypadButton::Digit2:
    case KeypadButton::Digit3:
    case KeypadButton::Subtract:
    case KeypadButton::Equals:
        return 1935;
    case KeypadButton::Digit0:
    case KeypadButton::Add:
    case KeypadButton::Dot:
        return 2475;
    case KeypadButton::Backspace:
    case KeypadButton::Sign:
        break;
    }
    return 0;
}

} // namespace nuvra::core
