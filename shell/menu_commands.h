#pragma once

#include "core/keypad.h"
#include "core/session.h"
#include "platform/clipboard.h"
#include "sci/science_state.h"
#include "shell/menu_model.h"
#include "shell/window_host.h"

#include <string>
#include <string_view>

namespace nuvra::frame {
class RpnPanel;
} // namespace nuvra::frame

namespace nuvra::shell {

class SettingsStore;

inline constexpr std::string_view kBalloonTitle = "Nuvra";
inline constexpr std::string_view kStandardViewBalloon =
    "Scientific and Statistic toolbars have been disabled.";
inline constexpr std::string_view kHiddenBalloon =
    "Hey, I am down here!, Double click on me to pull me back up. Right click to bring up "
    "options.";
inline constexpr std::string_view kReminderBalloon =
    "Hey, Just in case you forgot, i am still down here! Double click me to pull me back up.";
inline constexpr std::string_view kDonatePath = "/donate.htm";

// What the menu's items do. The check marks of the menu model are the state; the hosts are
// the windows. A toolbox whose mark is set is loaded (History and Butler: created), and while
// the frame is minimised every toolbox stays invisible.
class MenuCommands {
public:
    // donationBase is the deployment's web address, e.g. "https://nuvra.example".
    MenuCommands(MenuModel& menu, core::Session& session, sci::ScienceState& science,
                 frame::RpnPanel& panel, ToolboxHost& toolboxes, FrameHost& frame,
                 platform::Clipboard& clipboard, SettingsStore& store, std::string donationBase);

    // Runs the command of a triggered item; false when the name has no command (separators,
    // submenus, unknown names).
    bool trigger(std::string_view itemName);
    // The window layer's one call for every KeyDown and Alt+digit outcome, including None: it
    // also keeps the Mode marks in step with Shift+M. False when the outcome is not a menu
    // command (frame moves, the exit strip's own keys).
    bool runKey(const core::KeyOutcome& outcome);

    // The toggle of every toolbox item; Scientific toggles the scientific page.
    void ToggleToolbox(Toolbox toolbox);
    void toggleScientific();
    void toggleStatistic();
    // "&Standard": closes the scientific window; the menu item shows the balloon, Alt+1 not.
    void showStandardView(bool balloon);
    // Alt+2 and Alt+3: the scientific window on that page, not a toggle.
    void showScientificView(ScientificPage page);
    void toggleHistory();
    void toggleButler();
    void toggleRevo();
    // A toolbox's own close button: the window is already gone (or hidden); its mark is
    // cleared.
    void toolboxClosed(Toolbox toolbox);

    void SetAngularSystem(core::AngularSystem system);
    void setLogKeyMode(LogKeyMode mode);
    void setFinanceMode(FinanceMode type);
    void setEquationScheme(EquationScheme scheme);

    // "&Hide" / "&Restore", chosen by the item's caption.
    void hideOrRestore();
    void HideToTray();
    void RestoreFromHide();
    // A start at logon with Launch at Startup on: hidden in the tray without the reminder.
    void startInTray();
    void ReshowToolboxes();
    // ForgotTmr's tick.
    void reminderElapsed();
    // Alt+R and Ctrl+Shift+R.
    void hotkeyHideOrRestore();
    void hotkeyRestore();

    void copy();
    // False when the clipboard holds no number (after a beep) or cannot be read.
    bool paste();
    void exit();
    // The option items: flip the mark; sound and single action also set their flag.
    void toggleOption(std::string_view itemName);
    void donate();
    std::string donationAddress() const;

    void EnterRpnMode();
    void EnterAlgebraicMode();
    // Sets the two Mode marks from the calculator's mode.
    void syncModeChecks();

private:
    void toggleGeneric(Toolbox toolbox);
    void openScientific(ScientificPage page);
    void hideSteps(bool startReminder);
    void setToolboxesVisible(bool visible);
    void showPopup(PopupKind kind);
    bool minimized() const;

    MenuModel& m_menu;
    core::Session& m_session;
    sci::ScienceState& m_science;
    frame::RpnPanel& m_panel;
    ToolboxHost& m_toolboxes;
    FrameHost& m_frame;
    platform::Clipboard& m_clipboard;
    SettingsStore& m_store;
    std::string m_donationBase;
};

} // namespace nuvra::shell
