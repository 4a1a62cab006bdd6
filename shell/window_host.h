#pragma once

#include "core/session.h"
#include "shell/menu_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::shell {

// The toolbox windows as the menu commands need them: loaded, shown, hidden, unloaded. A loaded
// window renders itself from the session and the menu after every command, so nothing else is
// pushed into it. Loading a window that is already loaded keeps it (and its inputs); unloading
// destroys it. Where a window opens is the window layer's business.
class ToolboxHost {
public:
    virtual ~ToolboxHost();

    // Loads the window when it is not loaded, shows it modeless and then leaves it visible or
    // makes it invisible.
    virtual void showToolbox(Toolbox toolbox, bool visible) = 0;
    // Changes only the visibility of a loaded window; an unloaded one stays unloaded.
    virtual void setToolboxVisible(Toolbox toolbox, bool visible) = 0;
    virtual void unloadToolbox(Toolbox toolbox) = 0;
    virtual bool isToolboxLoaded(Toolbox toolbox) const = 0;
};

// The frame, its tray icon and the shell's dialogs and notifications.
class FrameHost {
public:
    virtual ~FrameHost();

    virtual bool isFrameMinimized() const = 0;
    // Minimises the frame and hands it to the tray; no balloon (the commands show it).
    virtual void minimizeFrame() = 0;
    // Makes the frame visible again, its window state normal, the tray icon restored.
    virtual void restoreFrame() = 0;
    // The keyboard focus to the keypad surface main_bg.
    virtual void focusKeypad() = 0;
    virtual void hideTooltip() = 0;

    // The exit confirmation killfr of the main window.
    virtual void showExitStrip() = 0;
    virtual void showSettingsPanel() = 0;
    virtual void showAbout() = 0;
    // Unloads a loaded update window and shows a fresh one.
    virtual void showUpdateWindow() = 0;
    // The full-screen control panel (Ctrl+M).
    virtual void openControlPanel() = 0;
    // The reset of the menu and keyboard.
    virtual void resetEverything() = 0;
    // The Revo notice msgfrm, which the window shows unless the user turned it off.
    virtual void offerRevoNotice() = 0;

    // A tray balloon with the information icon.
    virtual void showTrayBalloon(std::string_view title, std::string_view text) = 0;
    // Unloads a shown popup notification and shows one of this kind.
    virtual void showPopup(PopupKind kind) = 0;
    virtual void showShortcutPopup(std::string_view toolboxName, char letter) = 0;
    // The one-minute reminder ForgotTmr.
    virtual void startReminderTimer() = 0;
    virtual void stopReminderTimer() = 0;
    // Opens a web address with the default browser.
    virtual void openUrl(std::string_view url) = 0;
};


} // namespace nuvra::shell
