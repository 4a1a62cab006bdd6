#include "core/ui/qt_keys.h"

#include <QKeyEvent>

namespace nuvra::core::ui {

std::optional<KeyCode> keyCodeFor(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return KeyCode::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Enter;
    case Qt::Key_Shift:
        return KeyCode::Shift;
    case Qt::Key_Control:
        return KeyCode::Control;
    case Qt::Key_Escape:
        return KeyCode::Escape;
    case Qt::Key_Left:
        return KeyCode::Left;
    case Qt::Key_Up:
        return KeyCode::Up;
    case Qt::Key_Right:
        return KeyCode::Right;
    case Qt::Key_Down:
        return KeyCode::Down;
    case Qt::Key_Delete:
        return KeyCode::Delete;
    case Qt::Key_F1:
        return KeyCode::F1;
    case Qt::Key_F2:
        return KeyCode::F2;
    case Qt::Key_F5:
        return KeyCode::F5;
    case Qt::Key_F6:
        return KeyCode::F6;
    case Qt::Key_F8:
        return KeyCode::F8;
    default:
        break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        switch (static_cast<char>('A' + (qtKey - Qt::Key_A))) {
        case 'A': return KeyCode::A;
        case 'C': return KeyCode::C;
        case 'E': return KeyCode::E;
        case 'F': return KeyCode::F;
        case 'G': return KeyCode::G;
        case 'H': return KeyCode::H;
        case 'J': return KeyCode::J;
        case 'K': return KeyCode::K;
        case 'M': return KeyCode::M;
        case 'N': return KeyCode::N;
        case 'O': return KeyCode::O;
        case 'Q': return KeyCode::Q;
        case 'S': return KeyCode::S;
        case 'T': return KeyCode::T;
        case 'U': return KeyCode::U;
        case 'V': return KeyCode::V;
        case 'W': return KeyCode::W;
        case 'X': return KeyCode::X;
        case 'Z': return KeyCode::Z;
        default: break;
        }
        return KeyCode::Other;
    }
    return KeyCode::Other;
}

char typedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return 0;
    const QChar c = text.at(0);
    // Only printable ASCII reaches the map: Ctrl+letter types control characters, which it
    // would ignore anyway.
    if (c.unicode() < 0x20 || c.unicode() > 0x7e)
        return 0;
    return static_cast<char>(c.unicode());
}

} // namespace nuvra::core::ui
