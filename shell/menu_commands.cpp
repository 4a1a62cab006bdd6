#include "shell/menu_commands.h"

#include "core/engine.h"
#include "frame/rpn_panel.h"
#include "shell/settings_store.h"
#include "shell/toolbox_table.h"

#include <array>
#include <utility>

namespace nuvra::shell {
namespace {

// The items that cannot be used while the calculator sits in the tray.
constexpr std::array<std::string_view, 5> kDisabledWhileHidden{
    "mnucopy", "mnuview", "mnumodechange", "mnupaste", "mnureset"};

} // namespace

MenuCommands::MenuCommands(MenuModel& menu, core::Session& session, sci::ScienceState& science,
                           frame::RpnPanel& panel, ToolboxHost& toolboxes, FrameHost& frame,
                           platform::Clipboard& clipboard, SettingsStore& store,
                           std::string donationBase)
    : m_menu(menu), m_session(session), m_science(science), m_panel(panel),
      m_toolboxes(toolboxes), m_frame(frame), m_clipboard(clipboard), m_store(store),
      m_donationBase(std::move(donationBase))
{
}

bool MenuCommands::minimized() const
{
    return m_frame.isFrameMinimized();
}

bool MenuCommands::trigger(std::string_view name)
{
    if (name == "mnumin") {
        hideOrRestore();
    } else if (name == "mnustd") {
        showStandardView(true);
    } else if (name == "mnusci") {
        toggleScientific();
    } else if (name == "mnustat") {
        toggleStatistic();
    } else if (name == "mnuhis") {
        toggleHistory();
    } else if (name == "mnuex") {
        toggleButler();
    } else if (name == "mnulq") {
        toggleRevo();
    } else if (name == "mnumodechange_alg") {
        EnterAlgebraicMode();
    } else if (name == "mnumodechange_RPN") {
        EnterRpnMode();
    } else if (name == "mnucopy") {
        copy();
    } else if (name == "mnupaste") {
        static_cast<void>(paste());
    } else if (name == "mnufrmSet") {
        m_frame.showSettingsPanel();
    } else if (name == "mnureset") {
        m_frame.resetEverything();
    } else if (name == "mnuUP") {
        m_frame.showUpdateWindow();
    } else if (name == "mnudonate") {
        donate();
    } else if (name == "mnuabt") {
        m_frame.showAbout();
    } else if (name == "mnusysexit") {
        exit();
    } else if (name == "mnusplash" || name == "mnupop" || name == "mnutrayn" || name == "mnustar" ||
               name == "mnustar8" || name == "mnu_menu_singleaction" || name == "mnuSonus" ||
               name == "mnudg") {
        toggleOption(name);
    } else if (name == "mnuangleD") {
        SetAngularSystem(core::AngularSystem::Degrees);
    } else if (name == "mnuangleR") {
        SetAngularSystem(core::AngularSystem::Radians);
    } else if (name == "mnuangleG") {
        SetAngularSystem(core::AngularSystem::Gradians);
    } else if (name == "mnuangleT") {
        SetAngularSystem(core::AngularSystem::Turns);
    } else if (name == "logln") {
        setLogKeyMode(LogKeyMode::NaturalLog);
    } else if (name == "loglog10") {
        setLogKeyMode(LogKeyMode::Log10);
    } else if (name == "loganti10") {
        setLogKeyMode(LogKeyMode::AntiLog10);
    } else if (name == "logantie") {
        setLogKeyMode(LogKeyMode::AntiLogE);
    } else if (name == "mnufinF0") {
        setFinanceMode(FinanceMode::SimpleInterest);
    } else if (name == "mnufinF1") {
        setFinanceMode(FinanceMode::CompoundInterest);
    } else if (name == "mnufinF2") {
        setFinanceMode(FinanceMode::Loan);
    } else if (name == "frmFXUID") {
        setEquationScheme(EquationScheme::Dark);
    } else if (name == "frmFXUIL") {
        setEquationScheme(EquationScheme::Light);
    } else if (const auto toolbox = toolboxForItem(name)) {
        ToggleToolbox(*toolbox);
    } else {
        return false;
    }
    return true;
}

bool MenuCommands::runKey(const core::KeyOutcome& outcome)
{
    using core::WindowCommand;
    syncModeChecks();
    switch (outcome.command) {
    case WindowCommand::ToggleToolbox: {
        const ToolboxSpec* spec = toolboxSpecForLetter(outcome.letter);
        if (!spec)
            return false;
        trigger(spec->item);
        if (m_menu.isChecked("mnupop")) {
            m_menu.flags().popupKind = PopupKind::Shortcut;
            m_frame.showShortcutPopup(spec->popupName, outcome.letter);
        }
        return true;
    }
    case WindowCommand::CopyShownText:
        copy();
        return true;
    case WindowCommand::PasteNumber:
        static_cast<void>(paste());
        return true;
    case WindowCommand::OpenExitStrip:
        m_frame.showExitStrip();
        return true;
    case WindowCommand::OpenControlPanel:
        m_frame.openControlPanel();
        return true;
    case WindowCommand::ToggleButler:
        trigger(toolboxSpecForShortcut("F1")->item);
        return true;
    case WindowCommand::ShowAbout:
        m_frame.showAbout();
        return true;
    case WindowCommand::ResetEverything:
        m_frame.resetEverything();
        return true;
    case WindowCommand::ToggleSound:
        toggleOption("mnuSonus");
        return true;
    case WindowCommand::ShowUpdateWindow:
        m_frame.showUpdateWindow();
        return true;
    case WindowCommand::ShowSettingsPanel:
        m_frame.showSettingsPanel();
        return true;
    case WindowCommand::StandardMode:
        showStandardView(false);
        return true;
    case WindowCommand::ScientificPage:
        showScientificView(ScientificPage::Scientific);
        return true;
    case WindowCommand::StatisticsPage:
        showScientificView(ScientificPage::Statistic);
        return true;
    case WindowCommand::None:
    case WindowCommand::MoveFrame:
    case WindowCommand::ExitStripLeft:
    case WindowCommand::ExitStripRight:
    case WindowCommand::ActivateExitStrip:
        break;
    }
    return false;
}

void MenuCommands::ToggleToolbox(Toolbox toolbox)
{
    switch (toolbox) {
    case Toolbox::Scientific:
        toggleScientific();
        return;
    case Toolbox::History:
        toggleHistory();
        return;
    case Toolbox::Butler:
        toggleButler();
        return;
    case Toolbox::Revo:
        toggleRevo();
        return;
    default:
        toggleGeneric(toolbox);
        return;
    }
}

void MenuCommands::toggleGeneric(Toolbox toolbox)
{
    const std::string_view item = toolboxItemName(toolbox);
    if (m_menu.isChecked(item)) {
        m_toolboxes.unloadToolbox(toolbox);
        m_menu.setChecked(item, false);
        return;
    }
    m_menu.setChecked(item, true);
    // Opened while the calculator is in the tray, the toolbox is loaded but waits for Restore.
    m_toolboxes.showToolbox(toolbox, !minimized());
}

void MenuCommands::openScientific(ScientificPage page)
{
    // The window shows the page of the checked item.
    m_menu.checkInGroup(page == ScientificPage::Scientific ? "mnusci" : "mnustat");
    m_toolboxes.showToolbox(Toolbox::Scientific, !minimized());
}

void MenuCommands::toggleScientific()
{
    if (m_menu.isChecked("mnusci")) {
        m_toolboxes.unloadToolbox(Toolbox::Scientific);
        m_menu.setChecked("mnusci", false);
        m_menu.setChecked("mnustat", false);
        return;
    }
    openScientific(ScientificPage::Scientific);
}

void MenuCommands::toggleStatistic()
{
    if (m_menu.isChecked("mnustat")) {
        m_toolboxes.unloadToolbox(Toolbox::Scientific);
        m_menu.setChecked("mnustd", false);
        m_menu.setChecked("mnustat", false);
        return;
    }
    openScientific(ScientificPage::Statistic);
}

void MenuCommands::showStandardView(bool balloon)
{
    m_toolboxes.unloadToolbox(Toolbox::Scientific);
    m_menu.checkInGroup("mnustd");
    if (balloon)
        m_frame.showTrayBalloon(kBalloonTitle, kStandardViewBalloon);
}

void MenuCommands::showScientificView(ScientificPage page)
{
    openScientific(page);
}

void MenuCommands::toggleHistory()
{
    // The window is only hidden, so its lists survive.
    if (m_menu.isChecked("mnuhis")) {
        // The window shows its cover while its mark is cleared.
        m_menu.setChecked("mnuhis", false);
        m_toolboxes.setToolboxVisible(Toolbox::History, false);
        return;
    }
    m_menu.setChecked("mnuhis", true);
    m_toolboxes.showToolbox(Toolbox::History, !minimized());
}

void MenuCommands::toggleButler()
{
    // The bar is only hidden, never unloaded; the window layer remembers where it stood.
    if (m_menu.isChecked("mnuex")) {
        m_menu.setChecked("mnuex", false);
        m_toolboxes.setToolboxVisible(Toolbox::Butler, false);
        return;
    }
    m_menu.setChecked("mnuex", true);
    m_toolboxes.showToolbox(Toolbox::Butler, !minimized());
}

void MenuCommands::toggleRevo()
{
    if (m_menu.isChecked("mnulq")) {
        m_menu.setChecked("mnulq", false);
        m_toolboxes.setToolboxVisible(Toolbox::Revo, false);
        return;
    }
    m_menu.setChecked("mnulq", true);
    m_frame.offerRevoNotice();
    m_frame.hideTooltip();
    // Revo stands in for the calculator only while the calculator is in the tray.
    if (minimized())
        m_toolboxes.showToolbox(Toolbox::Revo, true);
}

void MenuCommands::toolboxClosed(Toolbox toolbox)
{
    if (toolbox == Toolbox::Scientific) {
        // Closed by its own button, the scientific window leaves the Standard view.
        m_menu.checkInGroup("mnustd");
        return;
    }
    m_menu.setChecked(toolboxItemName(toolbox), false);
}

void MenuCommands::SetAngularSystem(core::AngularSystem system)
{
    m_menu.checkInGroup(angularSystemItemName(system));
    // The windows that show it read it again after the command.
    m_session.angularSystem = system;
}

void MenuCommands::setLogKeyMode(LogKeyMode mode)
{
    m_science.logKeyMode = mode;
    m_menu.checkInGroup(logKeyItemName(mode));
}

void MenuCommands::setFinanceMode(FinanceMode type)
{
    // An open Financial toolbox follows the mark; a closed one is not loaded by this.
    m_menu.checkInGroup(financialItemName(type));
}

void MenuCommands::setEquationScheme(EquationScheme scheme)
{
    m_menu.checkInGroup(equationSchemeItemName(scheme));
}

void MenuCommands::hideOrRestore()
{
    const MenuItem* item = m_menu.item("mnumin");
    if (item && item->caption == kRestoreCaption)
        RestoreFromHide();
    else
        HideToTray();
}

void MenuCommands::setToolboxesVisible(bool visible)
{
    const bool scientific = m_menu.isChecked("mnusci") || m_menu.isChecked("mnustat");
    if (scientific && !(visible && m_menu.isChecked("mnustd")))
        m_toolboxes.setToolboxVisible(Toolbox::Scientific, visible);
    for (const ToolboxSpec& spec : kToolboxSpecs) {
        if (spec.followsFrame && m_menu.isChecked(spec.item))
            m_toolboxes.setToolboxVisible(spec.toolbox, visible);
    }
}

void MenuCommands::hideSteps(bool startReminder)
{
    m_frame.minimizeFrame();
    if (m_menu.isChecked("mnutrayn"))
        m_frame.showTrayBalloon(kBalloonTitle, kHiddenBalloon);
    m_frame.hideTooltip();
    for (std::string_view item : kDisabledWhileHidden)
        m_menu.setEnabled(item, false);
    setToolboxesVisible(false);
    m_menu.setCaption("mnumin", kRestoreCaption);
    m_menu.setVisible("mnudiv2", true);
    if (startReminder)
        m_frame.startReminderTimer();
    if (m_menu.isChecked("mnulq"))
        m_toolboxes.showToolbox(Toolbox::Revo, true);
}

void MenuCommands::HideToTray()
{
    hideSteps(true);
}

void MenuCommands::startInTray()
{
    hideSteps(false);
}

void MenuCommands::RestoreFromHide()
{
    m_frame.restoreFrame();
    for (std::string_view item : kDisabledWhileHidden)
        m_menu.setEnabled(item, true);
    setToolboxesVisible(true);
    m_menu.setCaption("mnumin", kHideCaption);
    m_menu.setVisible("mnudiv2", false);
    m_frame.stopReminderTimer();
    if (m_menu.isChecked("mnulq"))
        m_toolboxes.setToolboxVisible(Toolbox::Revo, false);
    m_frame.focusKeypad();
}

void MenuCommands::ReshowToolboxes()
{
    // Only a shown frame brings its toolboxes forward; in the tray they stay hidden.
    if (minimized())
        return;
    for (const ToolboxSpec& spec : kToolboxSpecs) {
        if (spec.reshown && m_menu.isChecked(spec.item))
            m_toolboxes.showToolbox(spec.toolbox, true);
    }
    if (m_menu.isChecked("mnuex"))
        m_toolboxes.setToolboxVisible(Toolbox::Butler, true);
    if (!m_menu.isChecked("mnustd") && (m_menu.isChecked("mnusci") || m_menu.isChecked("mnustat")))
        m_toolboxes.showToolbox(Toolbox::Scientific, true);
    m_frame.focusKeypad();
}

void MenuCommands::reminderElapsed()
{
    if (m_menu.isChecked("mnutrayn"))
        m_frame.showTrayBalloon(kBalloonTitle, kReminderBalloon);
    m_frame.stopReminderTimer();
}

void MenuCommands::hotkeyHideOrRestore()
{
    if (minimized())
        RestoreFromHide();
    else
        HideToTray();
    showPopup(PopupKind::Altr);
}

void MenuCommands::hotkeyRestore()
{
    if (minimized())
        RestoreFromHide();
    showPopup(PopupKind::Shiftr);
    m_frame.focusKeypad();
}

void MenuCommands::showPopup(PopupKind kind)
{
    m_menu.flags().popupKind = kind;
    m_frame.showPopup(kind);
}

void MenuCommands::copy()
{
    static_cast<void>(m_clipboard.clear());
    static_cast<void>(m_clipboard.setText(m_session.display.shown()));
    showPopup(PopupKind::Copy);
    m_frame.focusKeypad();
}

bool MenuCommands::paste()
{
    // The display pipeline strips the leading zero, so "0.5" arrives as ".5".
    core::Engine engine(m_session);
    if (!engine.PasteNumber(m_clipboard.text()))
        return false;
    m_frame.focusKeypad();
    return true;
}

void MenuCommands::exit()
{
    RestoreFromHide();
    m_frame.showExitStrip();
    m_frame.focusKeypad();
}

void MenuCommands::toggleOption(std::string_view name)
{
    const bool on = !m_menu.isChecked(name);
    m_menu.setChecked(name, on);
    if (name == "mnu_menu_singleaction") {
        m_menu.flags().singleAction = on;
    } else if (name == "mnuSonus") {
        m_menu.flags().sound = on;
        m_frame.focusKeypad();
    } else if (name == "mnusplash") {
        m_store.WriteSetting(kApplication, kSettingsSection, "Splash", on ? "1" : "0");
    }
}

std::string MenuCommands::donationAddress() const
{
    std::string address = m_donationBase;
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    address += kDonatePath;
    return address;
}

void MenuCommands::donate()
{
    m_frame.openUrl(donationAddress());
}

void MenuCommands::EnterRpnMode()
{
    m_panel.EnterRpnMode();
    syncModeChecks();
}

void MenuCommands::EnterAlgebraicMode()
{
    m_panel.EnterAlgebraicMode();
    syncModeChecks();
}

void MenuCommands::syncModeChecks()
{
    m_menu.checkInGroup(m_panel.rpnMode() ? "mnumodechange_RPN" : "mnumodechange_alg");
}

} // namespace nuvra::shell
