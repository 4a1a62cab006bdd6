#pragma once

#include "core/engine.h"
#include "core/keypad.h"
#include "frame/rpn_engine.h"
#include "frame/rpn_panel.h"
#include "platform/twips.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::frame {

using core::Direction;
using core::KeyCode;
using core::KeyOutcome;
using core::KeypadButton;
using core::keypadRowTopTwips;
using core::kPressOffsetTwips;
using core::WindowCommand;

using platform::TwipsRect;

// The frame moves by 500 twips with Shift+arrows while it stays at least 1500 twips inside the
// screen.
std::optional<TwipsRect> movedFrame(TwipsRect frame, int screenWidth, int screenHeight,
                                    Direction direction);

// The keypad buttons and the keyboard (KeyDown, KeyPress, KeyUp) turned into operations.
class KeyMap final : public core::KeypadInput {
public:
    KeyMap(core::Session& session, RpnPanel& panel);

    void keypad(KeypadButton button) override;
    KeyOutcome KeyDown(KeyCode key, bool shiftArgument = false) override;
    KeyOutcome KeyPress(char typed) override;
    void KeyUp() override;
    KeyOutcome altDigit(int digit) override;
    bool PasteNumber(const std::optional<std::string>& clipboardText) override;

    bool ctrlHeld() const override { return m_ctrlHeld; }
    bool shiftHeld() const override { return m_shiftHeld; }
    std::optional<KeypadButton> pressedButton() const override { return m_pressed; }

    bool exitStripOpen() const { return m_exitStripOpen; }
    void setExitStripOpen(bool open) override { m_exitStripOpen = open; }

    core::Engine& engine() { return m_engine; }
    RpnEngine& rpn() { return m_rpn; }

private:
    void digit(int value, core::KeyPath path);
    void point(core::KeyPath path);
    void operatorKey(core::PendingOp op);
    void equalsKey();

    core::Session& m_session;
    RpnPanel& m_panel;
    core::Engine m_engine;
    RpnEngine m_rpn;
    bool m_ctrlHeld = false;
    bool m_shiftHeld = false;
    bool m_exitStripOpen = false;
    std::optional<KeypadButton> m_pressed;
};

} // namespace nuvra::frame
