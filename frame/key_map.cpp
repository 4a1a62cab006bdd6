#include "frame/key_map.h"

#include <array>
#include <utility>

namespace nuvra::frame {
namespace {

constexpr int kFrameStepTwips = 500;
constexpr int kFrameMarginTwips = 1500;

KeyOutcome toggle(char letter)
{
    KeyOutcome outcome;
    outcome.command = WindowCommand::ToggleToolbox;
    outcome.letter = letter;
    outcome.keepFocus = letter == 'Q';
    return outcome;
}

KeyOutcome command(WindowCommand which)
{
    KeyOutcome outcome;
    outcome.command = which;
    return outcome;
}

KeypadButton digitButton(int value)
{
    return static_cast<KeypadButton>(static_cast<int>(KeypadButton::Digit0) + value);
}

} // namespace

std::optional<TwipsRect> movedFrame(TwipsRect frame, int screenWidth, int screenHeight,
                                    Direction direction)
{
    switch (direction) {
    case Direction::Up:
        if (frame.top - kFrameStepTwips <= kFrameMarginTwips - frame.height)
            return std::nullopt;
        frame.top -= kFrameStepTwips;
        break;
    case Direction::Down:
        if (frame.top + kFrameStepTwips >= screenHeight - kFrameMarginTwips)
            return std::nullopt;
        frame.top += kFrameStepTwips;
        break;
    case Direction::Left:
        if (frame.left - kFrameStepTwips <= kFrameMarginTwips - frame.width)
            return std::nullopt;
        frame.left -= kFrameStepTwips;
        break;
    case Direction::Right:
        if (frame.left + kFrameStepTwips >= screenWidth - kFrameMarginTwips)
            return std::nullopt;
        frame.left += kFrameStepTwips;
        break;
    }
    return frame;
}

KeyMap::KeyMap(core::Session& session, RpnPanel& panel)
    : m_session(session), m_panel(panel), m_engine(session), m_rpn(session)
{
}

void KeyMap::digit(int value, core::KeyPath path)
{
    m_engine.digit(value, path);
}

void KeyMap::point(core::KeyPath path)
{
    m_engine.AppendDecimalPoint(path);
}

void KeyMap::operatorKey(core::PendingOp op)
{
    if (m_session.engine.rpnMode)
        m_rpn.RpnOperator(op);
    else
        m_engine.applyOperator(op);
}

void KeyMap::equalsKey()
{
    if (m_session.engine.rpnMode)
        m_rpn.RpnEnter();
    else
        m_engine.equals();
}

void KeyMap::keypad(KeypadButton button)
{
    using core::PendingOp;
    switch (button) {
    case KeypadButton::Dot:
        point(core::KeyPath::Keypad);
        return;
    case KeypadButton::Add:
        operatorKey(PendingOp::Add);
        return;
    case KeypadButton::Subtract:
        operatorKey(PendingOp::Subtract);
        return;
    case KeypadButton::Multiply:
        operatorKey(PendingOp::Multiply);
        return;
    case KeypadButton::Divide:
        operatorKey(PendingOp::Divide);
        return;
    case KeypadButton::Equals:
        equalsKey();
        return;
    case KeypadButton::Cancel:
        m_engine.CancelAll(core::CancelVariant::Button);
        return;
    case KeypadButton::Backspace:
        m_engine.backspace();
        return;
    case KeypadButton::Sign:
        m_engine.ChangeSign();
        return;
    default:
        digit(static_cast<int>(button) - static_cast<int>(KeypadButton::Digit0),
              core::KeyPath::Keypad);
        return;
    }
}

KeyOutcome KeyMap::KeyDown(KeyCode key, bool shiftArgument)
{
    const bool arrow = key == KeyCode::Left || key == KeyCode::Right || key == KeyCode::Up ||
                       key == KeyCode::Down;
    if (shiftArgument && arrow) {
        KeyOutcome outcome = command(WindowCommand::MoveFrame);
        outcome.direction = key == KeyCode::Left    ? Direction::Left
                            : key == KeyCode::Right ? Direction::Right
                            : key == KeyCode::Up    ? Direction::Up
                                                    : Direction::Down;
        return outcome;
    }
    if (m_exitStripOpen && key == KeyCode::Left)
        return command(WindowCommand::ExitStripLeft);
    if (m_exitStripOpen && key == KeyCode::Right)
        return command(WindowCommand::ExitStripRight);
    m_session.display.clearUndefinedShown();

    const bool ctrl = m_ctrlHeld;
    const bool shift = m_shiftHeld;
    const bool rpn = m_session.engine.rpnMode;
    switch (key) {
    case KeyCode::Backspace:
        m_engine.backspace();
        m_pressed = KeypadButton::Backspace;
        break;
    case KeyCode::Shift:
        m_shiftHeld = true;
        break;
    case KeyCode::Control:
        m_ctrlHeld = true;
        break;
    case KeyCode::Delete:
    case KeyCode::Escape:
        m_engine.CancelAll(core::CancelVariant::DeleteKey);
        m_pressed = KeypadButton::Cancel;
        break;
    case KeyCode::A:
        if (ctrl)
            return toggle('A');
        if (shift && rpn) {
            m_panel.light(StackCommand::Swap);
            m_rpn.RpnSwap();
        }
        break;
    case KeyCode::C:
        if (ctrl)
            return command(WindowCommand::CopyShownText);
        m_engine.CancelAll(core::CancelVariant::CKey);
        break;
    case KeyCode::V:
        if (ctrl)
            return command(WindowCommand::PasteNumber);
        break;
    case KeyCode::Q:
        if (ctrl)
            return toggle('Q');
        if (shift && rpn) {
            m_panel.light(StackCommand::Roll);
            m_rpn.RpnRoll();
        }
        break;
    case KeyCode::E:
        if (ctrl)
            return command(WindowCommand::OpenExitStrip);
        break;
    case KeyCode::M:
        if (ctrl)
            return command(WindowCommand::OpenControlPanel);
        if (shift)
            m_panel.toggleMode();
        break;
    case KeyCode::S:
        if (ctrl)
            return toggle('S');
        if (shift) {
            if (rpn)
                m_panel.togglePanel();
        } else {
            m_engine.ChangeSign();
        }
        break;
    case KeyCode::X:
        if (!ctrl) {
            operatorKey(core::PendingOp::Multiply);
            m_pressed = KeypadButton::Multiply;
        }
        break;
    case KeyCode::Z:
        if (ctrl)
            return command(WindowCommand::ShowSettingsPanel);
        if (shift && rpn) {
            m_panel.light(StackCommand::Drop);
            m_rpn.RpnDrop();
        }
        break;
    case KeyCode::H:
    case KeyCode::G:
    case KeyCode::T:
    case KeyCode::N:
    case KeyCode::F:
    case KeyCode::K:
    case KeyCode::J:
    case KeyCode::W:
    case KeyCode::O:
    case KeyCode::U:
        if (ctrl)
            return toggle(static_cast<char>(key));
        break;
    case KeyCode::F1:
        return command(WindowCommand::ToggleButler);
    case KeyCode::F2:
        return command(WindowCommand::ShowAbout);
    case KeyCode::F5:
        return command(WindowCommand::ResetEverything);
    case KeyCode::F6:
        return command(WindowCommand::ToggleSound);
    case KeyCode::F8:
        return command(WindowCommand::ShowUpdateWindow);
    default:
        break;
    }
    return {};
}

KeyOutcome KeyMap::KeyPress(char typed)
{
    using core::PendingOp;
    switch (typed) {
    case '\r':
        m_pressed = KeypadButton::Equals;
        if (m_exitStripOpen)
            return command(WindowCommand::ActivateExitStrip);
        equalsKey();
        break;
    case '=':
        m_pressed = KeypadButton::Equals;
        equalsKey();
        break;
    case '.':
        if (m_session.display.settings().decimalsMode != core::DecimalsMode::None)
            m_pressed = KeypadButton::Dot;
        point(core::KeyPath::Keyboard);
        break;
    case '+':
        m_pressed = KeypadButton::Add;
        operatorKey(PendingOp::Add);
        break;
    case '-':
        m_pressed = KeypadButton::Subtract;
        operatorKey(PendingOp::Subtract);
        break;
    case '*':
        m_pressed = KeypadButton::Multiply;
        operatorKey(PendingOp::Multiply);
        break;
    case '/':
        m_pressed = KeypadButton::Divide;
        operatorKey(PendingOp::Divide);
        break;
    case 'c':
        m_pressed = KeypadButton::Cancel;
        m_engine.CancelAll(core::CancelVariant::TypedC);
        break;
    default:
        if (typed >= '0' && typed <= '9') {
            m_pressed = digitButton(typed - '0');
            digit(typed - '0', core::KeyPath::Keyboard);
        }
        break;
    }
    return {};
}

void KeyMap::KeyUp()
{
    m_ctrlHeld = false;
    m_shiftHeld = false;
    m_pressed.reset();
    if (m_session.engine.rpnMode)
        m_panel.rest();
}

KeyOutcome KeyMap::altDigit(int digit)
{
    switch (digit) {
    case 1:
        return command(WindowCommand::StandardMode);
    case 2:
        return command(WindowCommand::ScientificPage);
    case 3:
        return command(WindowCommand::StatisticsPage);
    default:
        return {};
    }
}

bool KeyMap::PasteNumber(const std::optional<std::string>& clipboardText)
{
    return m_engine.PasteNumber(clipboardText);
}

} // namespace nuvra::frame
