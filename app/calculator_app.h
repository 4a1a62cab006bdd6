#pragma once

#include "art/kit/butler_channel.h"
#include "core/session.h"
#include "eval/equation_toolbox.h"
#include "frame/key_map.h"
#include "graph/graph_toolbox_state.h"
#include "frame/rpn_panel.h"
#include "platform/desktop/deferred_sound_player.h"
#include "platform/desktop/qt_clipboard.h"
#include "platform/desktop/qt_desktop_shell.h"
#include "platform/global_hotkeys.h"
#include "platform/linux/ini_settings_backend.h"
#include "platform/linux/xdg_autostart.h"
#include "sci/science_state.h"
#include "shell/menu_commands.h"
#include "shell/menu_model.h"
#include "shell/settings_store.h"
#include "shell/ui/toolbox_context.h"
#include "shell/window_host.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace nuvra::frame::ui {
class Wm;
}
namespace nuvra::shell::ui {
class MenuRenderer;
class NotifyIcon;
class PopupWindow;
class SplashWindow;
class TooltipWindow;
class ToolboxRegistry;
} // namespace nuvra::shell::ui

namespace nuvra::app {

// The key click while the sound option is on, and the system beep.
class DesktopFeedback final : public core::Feedback {
public:
    DesktopFeedback(const shell::MenuModel& menu, platform::SoundPlayer& sounds)
        : m_menu(menu), m_sounds(sounds)
    {
    }
    void playClick() override;
    void beep() override;

private:
    const shell::MenuModel& m_menu;
    platform::SoundPlayer& m_sounds;
};

// Owns the program's state and windows and is the host the menu commands work on: the frame
// with its tray icon, and the toolboxes.
class CalculatorApp final : public QObject, public shell::FrameHost, public shell::ToolboxHost {
    Q_OBJECT
public:
    explicit CalculatorApp(const QString& programFolder);
    ~CalculatorApp() override;

    // Runs the start-up; false when the program is to end at once (a logon start whose
    // option was turned off).
    bool start(const std::vector<std::string>& arguments);
    frame::ui::Wm& frame() const { return *m_frame; }
    core::Session& session() { return m_session; }
    sci::ScienceState& science() { return m_science; }
    // The Equation toolbox's place, width, docking and formulas, kept while its window comes
    // and goes.
    eval::EquationToolboxState& equationToolbox() { return m_equationToolbox; }
    graph::GraphToolboxState& graphToolbox() { return m_graphToolbox; }
    kit::ButlerChannel& butler() { return m_butler; }
    shell::MenuModel& menu() { return m_menu; }
    const shell::SettingsStore& settings() const { return m_settings; }
    shell::MenuCommands& commands() { return *m_commands; }
    shell::ui::ToolboxRegistry& toolboxes() { return *m_toolboxes; }
    // What the toolbox windows reach of the program.
    shell::ui::ToolboxContext& toolboxContext() { return *m_toolboxContext; }
    // The exit sequence: every setting saved, every window unloaded, the program ended.
    void SaveAndExit();

    // FrameHost
    bool isFrameMinimized() const override;
    void minimizeFrame() override;
    void restoreFrame() override;
    platform::TwipsPoint framePosition() const;
    void focusKeypad() override;
    void hideTooltip() override;
    void showExitStrip() override;
    void showSettingsPanel() override;
    void showAbout() override;
    void showUpdateWindow() override;
    void openControlPanel() override;
    void resetEverything() override;
    void offerRevoNotice() override {}
    void showTrayBalloon(std::string_view title, std::string_view text) override;
    void showPopup(shell::PopupKind kind) override;
    void showShortcutPopup(std::string_view toolboxName, char letter) override;
    void startReminderTimer() override;
    void stopReminderTimer() override;
    void openUrl(std::string_view url) override;

    // ToolboxHost over the registry of toolbox windows.
    void showToolbox(shell::Toolbox toolbox, bool visible) override;
    void setToolboxVisible(shell::Toolbox toolbox, bool visible) override;
    void unloadToolbox(shell::Toolbox toolbox) override;
    bool isToolboxLoaded(shell::Toolbox toolbox) const override;
    // The warning that the settings cannot be saved, while it shows.
    shell::ui::PopupWindow* settingsWarning() const;
    // After every command: the main window, the frame and the loaded toolboxes render again.
    void afterCommand();

private:
    void buildFrame();
    void showFrame();
    void keyCommand(const core::KeyOutcome& outcome);
    void menuItemChosen(std::string_view itemName);
    void startDesktopServices();
    shell::ui::NotifyIcon& tray();
    shell::ui::TooltipWindow& tooltip();
    void CheckForUpdatesSchedule();
    void hotKeyPressed(int identifier);
    void tellSettingsFailure(const platform::SettingsFailure& failure);
    void openOperandStrip(sci::OperandMode mode);

    QString m_programFolder;
    shell::MenuModel m_menu;
    platform::DeferredSoundPlayer m_sounds;
    DesktopFeedback m_feedback;
    core::Session m_session;
    sci::ScienceState m_science;
    eval::EquationToolboxState m_equationToolbox;
    graph::GraphToolboxState m_graphToolbox;
    frame::RpnPanel m_panel;
    frame::KeyMap m_keys;
    kit::ButlerChannel m_butler;
    platform::QtClipboard m_clipboard;
    platform::IniSettingsBackend m_settingsBackend;
    shell::SettingsStore m_settings;
    platform::XdgAutostart m_startupList;
    platform::QtDesktopShell m_desktop;
    std::unique_ptr<shell::MenuCommands> m_commands;
    std::unique_ptr<frame::ui::Wm> m_frame;
    std::unique_ptr<shell::ui::NotifyIcon> m_tray;
    std::unique_ptr<shell::ui::TooltipWindow> m_tooltip;
    std::unique_ptr<shell::ui::MenuRenderer> m_menuRenderer;
    std::unique_ptr<shell::ui::SplashWindow> m_splash;
    QPointer<shell::ui::PopupWindow> m_popup;
    QPointer<shell::ui::PopupWindow> m_settingsWarning;
    QTimer m_reminder;
    QTimer m_startupFocus;
    QTimer m_updateSchedule;
    std::unique_ptr<platform::GlobalHotkeys> m_hotkeys;
    bool m_inTray = false;
    std::unique_ptr<shell::ui::ToolboxRegistry> m_toolboxes;
    std::unique_ptr<shell::ui::ToolboxContext> m_toolboxContext;
};

} // namespace nuvra::app
