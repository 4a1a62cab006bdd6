#include "shell/menu_commands.h"

#include "core/engine.h"
#include "frame/key_map.h"
#include "frame/rpn_panel.h"
#include "shell/settings_store.h"

#include <array>
#include <cmath>
#include <utility>

namespace nuvra::shell {
namespace {

// The items that cannot be used while the calculator sits in the tray.
constexpr std::array<std::string_view, 5> kDisabledWhileHidden{
    "mnucopy", "mnuview", "mnumodechange", "mnupaste", "mnureset"};

// Every toolbox that follows the frame into the tray and back, apart from the scientific
// window, which has its own condition.
constexpr std::array kFollowTheFrame{
    Toolbox::Variables, Toolbox::Format,        Toolbox::Constants, Toolbox::Fraction,
    Toolbox::Equation,  Toolbox::UnitConverter, Toolbox::Financial, Toolbox::Mortgage,
    Toolbox::Wordify,   Toolbox::Graph,         Toolbox::Butler,    Toolbox::History,
};

// The toolboxes brought forward by a click on the frame; the unit converter is not one of them.
constexpr std::array kReshown{
    Toolbox::Fraction,  Toolbox::Financial, Toolbox::Wordify,   Toolbox::Mortgage, Toolbox::Format,
    Toolbox::Constants, Toolbox::Graph,     Toolbox::Variables, Toolbox::Equation, Toolbox::History,
};

constexpr int kButlerFirstLeftOffsetTwips = 3080;

TwipsPosition wholeTwips(TwipsPosition position)
{
    return {std::round(position.top), std::round(position.left)};
}

} // namespace

MenuCommands::MenuCommands(MenuModel& menu, core::Session& session, frame::RpnPanel& panel,
                           ToolboxHost& toolboxes, FrameHost& frame, Clipboard& clipboard,
                           SettingsStore& store, std::string donationBase)
    : m_menu(menu), m_session(session), m_panel(panel), m_toolboxes(toolboxes), m_frame(frame),
      m_clipboard(clipboard), m_store(store), m_donationBase(std::move(donationBase))
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
        setFinancialType(FinancialType::SimpleInterest);
    } else if (name == "mnufinF1") {
        setFinancialType(FinancialType::CompoundInterest);
    } else if (name == "mnufinF2") {
        setFinancialType(FinancialType::LoanMortgage);
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
        const std::string_view item = toolboxItemForLetter(outcome.letter);
        if (item.empty())
            return false;
        trigger(item);
        if (m_menu.isChecked("mnupop")) {
            m_menu.flags().popupKind = PopupKind::Shortcut;
            m_frame.showShortcutPopup(frame::toolboxShortcutName(outcome.letter), outcome.letter);
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
        toggleButler();
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
    m_toolboxes.showToolbox(Toolbox::Scientific, !minimized());
    m_toolboxes.setScientificPage(page);
    m_menu.checkInGroup(page == ScientificPage::Scientific ? "mnusci" : "mnustat");
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
        m_toolboxes.setToolboxVisible(Toolbox::History, false);
        m_toolboxes.setHistoryCover(true);
        m_menu.setChecked("mnuhis", false);
        return;
    }
    m_toolboxes.showToolbox(Toolbox::History, !minimized());
    m_toolboxes.setHistoryCover(false);
    m_menu.setChecked("mnuhis", true);
}

void MenuCommands::toggleButler()
{
    MenuFlags& flags = m_menu.flags();
    if (m_menu.isChecked("mnuex")) {
        m_menu.setChecked("mnuex", false);
        flags.butlerPosition = wholeTwips(m_toolboxes.toolboxPosition(Toolbox::Butler));
        m_toolboxes.setToolboxVisible(Toolbox::Butler, false);
        return;
    }
    TwipsPosition place = flags.butlerPosition;
    if (flags.butlerFirstShow) {
        const TwipsPosition frame = m_frame.framePosition();
        place = {frame.top, frame.left + kButlerFirstLeftOffsetTwips};
        flags.butlerFirstShow = false;
    }
    m_toolboxes.showToolbox(Toolbox::Butler, !minimized());
    m_toolboxes.moveToolbox(Toolbox::Butler, place);
    m_menu.setChecked("mnuex", true);
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
    switch (toolbox) {
    case Toolbox::Scientific:
        m_menu.setChecked("mnusci", false);
        m_menu.setChecked("mnustat", false);
        return;
    case Toolbox::Butler:
        if (m_menu.isChecked("mnuex"))
            m_menu.flags().butlerPosition =
                wholeTwips(m_toolboxes.toolboxPosition(Toolbox::Butler));
        m_menu.setChecked("mnuex", false);
        return;
    default:
        m_menu.setChecked(toolboxItemName(toolbox), false);
        return;
    }
}

void MenuCommands::SetAngularSystem(core::AngularSystem system)
{
    m_menu.checkInGroup(angularSystemItemName(system));
    m_session.angularSystem = system;
    // The indicator sits on the one scientific window, whichever page shows.
    if (m_menu.isChecked("mnusci") || m_menu.isChecked("mnustat"))
        m_toolboxes.setScientificAngleIndicator(system);
    if (m_menu.isChecked("mnufrmfx"))
        m_toolboxes.setEquationAngleLabel(angularSystemLabel(system));
    if (m_frame.isSettingsPanelVisible())
        m_frame.setSettingsPanelAngleLabel(angularSystemLabel(system));
}

void MenuCommands::setLogKeyMode(LogKeyMode mode)
{
    m_menu.flags().logKeyMode = mode;
    m_menu.checkInGroup(logKeyItemName(mode));
    if (m_menu.isChecked("mnusci") || m_menu.isChecked("mnustat"))
        m_toolboxes.setLogKeyPicture(mode);
}

void MenuCommands::setFinancialType(FinancialType type)
{
    // Only an open Financial toolbox is told; a closed one must not be loaded by this.
    if (m_menu.isChecked("mnufin"))
        m_toolboxes.setFinancialType(type);
    m_menu.checkInGroup(financialItemName(type));
}

void MenuCommands::setEquationScheme(EquationScheme scheme)
{
    if (m_menu.isChecked("mnufrmfx"))
        m_toolboxes.applyEquationScheme(scheme);
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
    for (Toolbox toolbox : kFollowTheFrame) {
        if (m_menu.isChecked(toolboxItemName(toolbox)))
            m_toolboxes.setToolboxVisible(toolbox, visible);
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
    for (Toolbox toolbox : kReshown) {
        if (m_menu.isChecked(toolboxItemName(toolbox)))
            m_toolboxes.showToolbox(toolbox, true);
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
    m_clipboard.clear();
    m_clipboard.setText(m_session.display.shown());
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
    m_frame.setModePictures(true);
}

void MenuCommands::EnterAlgebraicMode()
{
    m_panel.EnterAlgebraicMode();
    syncModeChecks();
    m_frame.setModePictures(false);
}

void MenuCommands::syncModeChecks()
{
    m_menu.checkInGroup(m_panel.rpnMode() ? "mnumodechange_RPN" : "mnumodechange_alg");
}

} // namespace nuvra::shell
