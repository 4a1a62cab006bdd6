#pragma once

#include "core/session.h"
#include "core/ui/butler_channel.h"
#include "frame/key_map.h"
#include "frame/rpn_panel.h"
#include "platform/linux/ini_settings_backend.h"
#include "shell/settings_store.h"

#include <QObject>

#include <memory>

namespace nuvra::frame::ui {
class Wm;
}

namespace nuvra::app {

// The sounds of the calculator: the system beep, and the key click while sounds are on.
class DesktopFeedback final : public core::Feedback {
public:
    void playClick() override {}
    void beep() override;
};

// Owns the program's state and windows, and wires the windows' requests to the models.
class CalculatorApp : public QObject {
    Q_OBJECT
public:
    CalculatorApp();
    ~CalculatorApp() override;

    void start();
    frame::ui::Wm& frame() const { return *m_frame; }
    core::Session& session() { return m_session; }

private:
    void handleWindowCommand(const core::KeyOutcome& outcome);
    void saveAndExit();

    DesktopFeedback m_feedback;
    core::Session m_session;
    frame::RpnPanel m_panel;
    frame::KeyMap m_keys;
    core::ui::ButlerChannel m_butler;
    platform::IniSettingsBackend m_settingsBackend;
    shell::SettingsStore m_settings;
    std::unique_ptr<frame::ui::Wm> m_frame;
};

} // namespace nuvra::app
