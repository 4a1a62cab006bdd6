#pragma once

#include "platform/global_hotkeys.h"

#include <memory>

namespace nuvra::platform {

// System-wide hotkeys as passive key grabs on the root windows of the Qt application's X
// connection. Each combination is grabbed with and without Caps Lock and Num Lock, so the
// locks do not matter. Without an X11 connection (offscreen, pure Wayland) every registration
// fails with Unavailable. Create and destroy it on the GUI thread while the QGuiApplication
// exists; destruction releases the grabs.
class X11GlobalHotkeys final : public GlobalHotkeys {
public:
    X11GlobalHotkeys();
    ~X11GlobalHotkeys() override;

protected:
    core::Result<void, HotkeyError> grab(int identifier, HotkeyModifiers modifiers,
                                         char key) override;
    void release(int identifier) override;

private:
    class Connection;

    std::unique_ptr<Connection> m_connection; // null without an X11 connection
};

} // namespace nuvra::platform
