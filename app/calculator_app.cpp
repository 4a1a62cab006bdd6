#include "app/calculator_app.h"

#include "app/toolbox_windows.h"
#include "art/kit/control_table.h"
#include "art/skin.h"
#include "core/ui/form1.h"
#include "frame/ui/stack_panel_widget.h"
#include "frame/ui/wm.h"
#include "graph/ui/graph_window.h"
#include "platform/linux/config_paths.h"
#include "platform/linux/x11_global_hotkeys.h"
#include "platform/twips.h"
#include "sci/ui/butler_window.h"
#include "shell/startup_sequence.h"
#include "shell/ui/menu_renderer.h"
#include "shell/ui/notify_icon.h"
#include "shell/ui/popup_window.h"
#include "shell/ui/splash_window.h"
#include "shell/ui/toolbox_registry.h"
#include "shell/ui/tooltip_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDateTime>
#include <QScreen>

#include <cmath>

namespace nuvra::app {

using kit::qs;
using platform::pixelsToTwips;

namespace {

// The deployment's web site, for the donation page.
constexpr const char* kSiteAddress = "https://nuvra.example.org";
constexpr int kReminderMs = 60000;
constexpr int kStartupFocusMs = 100;
constexpr int kUpdateScheduleMs = 4000;

QSize screenTwips()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {pixelsToTwips(screen.width()), pixelsToTwips(screen.height())};
}

} // namespace

void DesktopFeedback::playClick()
{
    if (m_menu.flags().sound)
        m_sounds.play("Button");
}

void DesktopFeedback::beep()
{
    QApplication::beep();
}

CalculatorApp::CalculatorApp(const QString& programFolder)
    : m_programFolder(programFolder), m_sounds(programFolder), m_feedback(m_menu, m_sounds),
      m_session(m_feedback), m_panel(m_session), m_keys(m_session, m_panel),
      m_settingsBackend(platform::settingsDirectory()), m_settings(m_settingsBackend),
      m_startupList(platform::autostartDirectory())
{
    m_commands = std::make_unique<shell::MenuCommands>(m_menu, m_session, m_science, m_panel,
                                                       *this, *this, m_clipboard, m_settings,
                                                       kSiteAddress);
    m_toolboxes = std::make_unique<shell::ui::ToolboxRegistry>([this] {
        shell::ui::FramePlace place;
        if (m_frame)
            place.frame = {m_frame->leftTwips(), m_frame->topTwips()};
        place.screenWidthTwips = screenTwips().width();
        return place;
    });
    m_toolboxes->onClosed = [this](shell::Toolbox toolbox) {
        m_commands->toolboxClosed(toolbox);
        afterCommand();
    };
    m_toolboxes->onCommandDone = [this] { afterCommand(); };
    m_toolboxContext = std::make_unique<shell::ui::ToolboxContext>(shell::ui::ToolboxContext{
        m_session, m_science, m_menu, m_butler, m_clipboard,
        [this](shell::MenuPopup popup, QPoint at) {
            if (m_menuRenderer)
                m_menuRenderer->popup(popup, at);
        },
        [this](std::string_view item) { menuItemChosen(item); }, [this] { focusKeypad(); },
        [this](sci::OperandMode mode) { openOperandStrip(mode); },
        [this](const QImage& image) { static_cast<void>(m_clipboard.setImage(image)); },
        [this](shell::PopupKind kind) { showPopup(kind); }});
    registerToolboxWindows(*this);
    // Told once the event loop runs, so that the warning stands over the frame, not under it.
    m_settings.setFailureListener([this](const platform::SettingsFailure& failure) {
        QTimer::singleShot(0, this, [this, failure] { tellSettingsFailure(failure); });
    });
    m_reminder.setSingleShot(true);
    m_reminder.setInterval(kReminderMs);
    connect(&m_reminder, &QTimer::timeout, this, [this] {
        m_commands->reminderElapsed();
        afterCommand();
    });
    m_startupFocus.setSingleShot(true);
    m_startupFocus.setInterval(kStartupFocusMs);
    connect(&m_startupFocus, &QTimer::timeout, this, [this] {
        if (m_frame && m_frame->isVisible())
            focusKeypad();
    });
    m_updateSchedule.setSingleShot(true);
    m_updateSchedule.setInterval(kUpdateScheduleMs);
    connect(&m_updateSchedule, &QTimer::timeout, this, &CalculatorApp::CheckForUpdatesSchedule);
}

CalculatorApp::~CalculatorApp()
{
    if (m_hotkeys)
        m_hotkeys->RemoveHotKeys();
    if (m_popup)
        m_popup->close();
    if (m_settingsWarning)
        m_settingsWarning->close();
}

bool CalculatorApp::start(const std::vector<std::string>& arguments)
{
    const shell::StartMode mode = shell::loadSplashSettings(m_settings, m_menu, arguments);
    if (mode == shell::StartMode::EndAtOnce)
        return false;
    buildFrame();
    // What the first frame does not need waits until it is on the screen: the window icon, the
    // hidden text fields and the system-wide keys.
    QTimer::singleShot(0, this, &CalculatorApp::startDesktopServices);
    m_startupFocus.start();
    m_updateSchedule.start();
    switch (mode) {
    case shell::StartMode::Splash: {
        m_splash = std::make_unique<shell::ui::SplashWindow>();
        m_splash->move(m_frame->pos());
        connect(m_splash.get(), &shell::ui::SplashWindow::frameDue, this, &CalculatorApp::showFrame);
        m_splash->start();
        break;
    }
    case shell::StartMode::HiddenInTray:
        m_commands->startInTray();
        break;
    case shell::StartMode::NoSplash:
    case shell::StartMode::EndAtOnce:
        showFrame();
        break;
    }
    return true;
}

void CalculatorApp::buildFrame()
{
    m_frame = std::make_unique<frame::ui::Wm>(m_session, m_panel, m_keys, m_butler);
    m_menuRenderer = std::make_unique<shell::ui::MenuRenderer>(
        m_menu, [this](std::string_view name) { menuItemChosen(name); });

    // The main window's load: version, options into the menu's marks.
    shell::loadMainWindowSettings(m_settings, m_menu, m_session);

    // The frame's load: position, stack panel mode, tray icon.
    const QSize screen = screenTwips();
    const platform::TwipsPoint position =
        shell::readFramePosition(m_settings, screen.width(), screen.height());
    m_frame->moveToTwips(position.left, position.top);
    m_panel.applyModeState(
        m_settings.ReadSetting(shell::kApplication, shell::kSettingsSection, "Mode State", "0"));
    m_commands->syncModeChecks();

    core::ui::Form1& form = m_frame->form1();
    connect(&form, &core::ui::Form1::windowCommand, this, &CalculatorApp::keyCommand);
    connect(&form, &core::ui::Form1::exitConfirmed, this, &CalculatorApp::SaveAndExit);
    connect(&form, &core::ui::Form1::endAtOnce, qApp, &QApplication::quit);
    connect(&form, &core::ui::Form1::copied, this, [this] { showPopup(shell::PopupKind::Copy); });
    connect(&form, &core::ui::Form1::keypadSurfacePressed, this, [this] {
        m_commands->ReshowToolboxes();
    });
    connect(&m_butler, &kit::ButlerChannel::tooltipRequested, this,
            [this](QWidget* control, const QString& text) {
                tooltip().ShowTooltip(*control, text);
            });
    connect(&m_butler, &kit::ButlerChannel::tooltipHidden, this, &CalculatorApp::hideTooltip);
    connect(&form, &core::ui::Form1::settingsPanelRequested, this, [this] {
        hideTooltip();
        showSettingsPanel();
    });
    connect(m_frame.get(), &frame::ui::Wm::minimiseRequested, this, [this] {
        m_commands->HideToTray();
        afterCommand();
    });
    connect(m_frame.get(), &frame::ui::Wm::toolboxesReshowRequested, this, [this] {
        m_commands->ReshowToolboxes();
    });
    connect(m_frame.get(), &frame::ui::Wm::menuRequested, this, [this](const QPoint& at) {
        m_menuRenderer->popup(shell::MenuPopup::System, at);
    });
    connect(m_frame.get(), &frame::ui::Wm::controlPanelRequested, this,
            [this] { openControlPanel(); });
    connect(m_frame.get(), &frame::ui::Wm::gearChoiceMade, this, [this](const QString& value) {
        m_settings.WriteSetting(shell::kApplication, shell::kSettingsSection, "Gear_Dialog",
                                value.toStdString());
    });
    m_frame->applyPanelState();
    form.render();
}

shell::ui::TooltipWindow& CalculatorApp::tooltip()
{
    if (!m_tooltip)
        m_tooltip = std::make_unique<shell::ui::TooltipWindow>();
    return *m_tooltip;
}

shell::ui::NotifyIcon& CalculatorApp::tray()
{
    // Made when first needed: the icon shows only while the calculator is in the tray.
    if (m_tray)
        return *m_tray;
    m_tray = std::make_unique<shell::ui::NotifyIcon>();
    m_tray->setIcon(art::applicationIcon());
    m_tray->setToolTip(m_frame->windowTitle());
    connect(m_tray.get(), &shell::ui::NotifyIcon::Activate, this, [this] {
        m_commands->RestoreFromHide();
        afterCommand();
    });
    connect(m_tray.get(), &shell::ui::NotifyIcon::ContextMenu, this, [this] {
        m_tray->SetForeground(m_frame.get());
        m_menuRenderer->popup(shell::MenuPopup::System, QCursor::pos());
    });
    return *m_tray;
}

void CalculatorApp::startDesktopServices()
{
    if (m_hotkeys)
        return;
    m_frame->setWindowIcon(art::applicationIcon());
    m_frame->form1().completeSetup();
    if (m_menu.flags().sound)
        m_sounds.prepare();
    // Alt+R (identifier 1) and Ctrl+Shift+R (identifier 2), system-wide. A key that another
    // program holds is not registered, and nothing is said.
    m_hotkeys = std::make_unique<platform::X11GlobalHotkeys>();
    m_hotkeys->setActivationHandler([this](int identifier) { hotKeyPressed(identifier); });
    static_cast<void>(m_hotkeys->AddHotKey(platform::HotkeyModifier::Alt, 'R'));
    static_cast<void>(m_hotkeys->AddHotKey(
        platform::HotkeyModifier::Control | platform::HotkeyModifier::Shift, 'R'));
}

void CalculatorApp::hotKeyPressed(int identifier)
{
    if (identifier == 1)
        m_commands->hotkeyHideOrRestore();
    else if (identifier == 2)
        m_commands->hotkeyRestore();
    afterCommand();
}

void CalculatorApp::showFrame()
{
    if (m_inTray)
        return;
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
    focusKeypad();
    m_frame->offerGearDialog(
        m_settings.ReadSetting(shell::kApplication, shell::kSettingsSection, "Gear_Dialog", "1"));
}

void CalculatorApp::keyCommand(const core::KeyOutcome& outcome)
{
    if (!m_commands->runKey(outcome) && outcome.command == core::WindowCommand::MoveFrame) {
        const QRect screen = m_frame->screen()->geometry();
        const auto moved = frame::movedFrame(
            {m_frame->leftTwips(), m_frame->topTwips(), pixelsToTwips(m_frame->width()),
             pixelsToTwips(m_frame->height())},
            pixelsToTwips(screen.width()), pixelsToTwips(screen.height()), outcome.direction);
        if (moved)
            m_frame->moveToTwips(moved->left, moved->top);
    }
    afterCommand();
}

void CalculatorApp::menuItemChosen(std::string_view itemName)
{
    m_commands->trigger(itemName);
    afterCommand();
}

void CalculatorApp::openOperandStrip(sci::OperandMode mode)
{
    // Loaded as it stands; the strip itself shows the bar.
    m_toolboxes->show(shell::Toolbox::Butler, m_toolboxes->isVisible(shell::Toolbox::Butler));
    auto* bar = qobject_cast<sci::ui::ButlerWindow*>(m_toolboxes->window(shell::Toolbox::Butler));
    if (bar)
        bar->OpenOperandStrip(mode);
}

void CalculatorApp::afterCommand()
{
    if (!m_frame)
        return;
    m_frame->applyPanelState();
    m_frame->form1().render();
    m_toolboxes->renderAll();
}

void CalculatorApp::CheckForUpdatesSchedule()
{
    const QDateTime now = QDateTime::currentDateTime();
    const shell::CalendarTime time{now.date().year(),  now.date().month(),  now.date().day(),
                                   now.time().hour(), now.time().minute(), now.time().second()};
    // The updater is started from the program folder when it is there; silently otherwise.
    if (shell::runUpdateSchedule(m_settings, time))
        m_desktop.startProgram((m_programFolder + "/Nuvra_Updater").toStdString(), {});
}

void CalculatorApp::SaveAndExit()
{
    shell::ExitSettings exit;
    exit.framePosition = framePosition();
    exit.programFolder = m_programFolder.toStdString();
    shell::saveExitSettings(m_settings, m_startupList, m_menu, m_session, m_panel, exit);
    if (m_hotkeys)
        m_hotkeys->RemoveHotKeys();
    m_toolboxes->unloadAll();
    if (m_popup)
        m_popup->close();
    if (m_tooltip)
        m_tooltip->hide();
    if (m_tray)
        m_tray->Hide();
    m_frame->hide();
    QApplication::quit();
}

bool CalculatorApp::isFrameMinimized() const
{
    return m_inTray || (m_frame && m_frame->isMinimized());
}

void CalculatorApp::minimizeFrame()
{
    m_inTray = true;
    if (!m_frame)
        return;
    // Without a notification area the frame is minimised the ordinary way, so that it can
    // always be found again.
    if (shell::ui::NotifyIcon::available())
        tray().MinimizeToTray(m_frame.get());
    else
        m_frame->showMinimized();
}

void CalculatorApp::restoreFrame()
{
    m_inTray = false;
    if (!m_frame)
        return;
    if (m_tray && m_tray->Shown())
        m_tray->Restore(true);
    m_frame->showNormal();
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

platform::TwipsPoint CalculatorApp::framePosition() const
{
    return {m_frame->leftTwips(), m_frame->topTwips()};
}

void CalculatorApp::focusKeypad()
{
    if (m_frame)
        m_frame->form1().FocusKeypad();
}

void CalculatorApp::hideTooltip()
{
    if (m_tooltip)
        m_tooltip->HideTooltip();
}

void CalculatorApp::showExitStrip()
{
    m_frame->form1().openExitStrip();
}

// The settings panel, the about and update windows, the control panel and the reset come with
// their own windows; until then these requests change nothing.
void CalculatorApp::showSettingsPanel() {}
void CalculatorApp::showAbout() {}
void CalculatorApp::showUpdateWindow() {}
void CalculatorApp::openControlPanel() {}
void CalculatorApp::resetEverything()
{
    // The Graph toolbox loses its curves, its equation and its legend, and shows its plane.
    if (auto* graph = qobject_cast<graph::ui::GraphWindow*>(
            m_toolboxes->window(shell::Toolbox::Graph)))
        graph->ResetGraph();
}

void CalculatorApp::showTrayBalloon(std::string_view title, std::string_view text)
{
    tray().BalloonShow(qs(title), qs(text), shell::ui::NotifyIcon::BalloonIcon::Information);
}

shell::ui::PopupWindow* CalculatorApp::settingsWarning() const
{
    return m_settingsWarning;
}

void CalculatorApp::tellSettingsFailure(const platform::SettingsFailure& failure)
{
    // Whatever the notification options say: the options of this run are about to be lost.
    const QString title = QStringLiteral("Nuvra cannot save its settings");
    const QString text = qs(platform::describeSettingsFailure(failure)) +
                         QStringLiteral(". Options changed now will not be kept.");
    if (m_tray && m_tray->Shown()) {
        m_tray->BalloonShow(title, text, shell::ui::NotifyIcon::BalloonIcon::Warning);
        return;
    }
    if (m_settingsWarning)
        m_settingsWarning->close();
    m_settingsWarning = shell::ui::PopupWindow::message(title + QStringLiteral(": ") + text);
    if (m_frame) {
        // Beside the frame rather than under it: above it, or below when there is no room.
        const QRect frame = m_frame->frameGeometry();
        const QRect screen = m_frame->screen()->availableGeometry();
        const int gap = platform::twipsToPixels(150);
        int top = frame.top() - gap - m_settingsWarning->height();
        if (top < screen.top())
            top = frame.bottom() + gap;
        m_settingsWarning->move(frame.center().x() - m_settingsWarning->width() / 2, top);
    }
    m_settingsWarning->show();
    m_settingsWarning->raise();
}

void CalculatorApp::showPopup(shell::PopupKind kind)
{
    if (kind == shell::PopupKind::Shortcut)
        return;
    if (!m_menu.isChecked("mnupop"))
        return;
    if (m_popup)
        m_popup->close();
    m_popup = new shell::ui::PopupWindow(qs(shell::popupKindText(kind)), {}, {});
    connect(m_popup, &shell::ui::PopupWindow::closed, this, [this] {
        if (!isFrameMinimized())
            focusKeypad();
    });
    m_popup->show();
}

void CalculatorApp::showShortcutPopup(std::string_view toolboxName, char letter)
{
    if (!m_menu.isChecked("mnupop"))
        return;
    if (m_popup)
        m_popup->close();
    m_popup = new shell::ui::PopupWindow("shortcut", qs(toolboxName), QString(QChar(letter)));
    connect(m_popup, &shell::ui::PopupWindow::closed, this, [this] {
        if (!isFrameMinimized())
            focusKeypad();
    });
    m_popup->show();
}

void CalculatorApp::startReminderTimer()
{
    m_reminder.start();
}

void CalculatorApp::stopReminderTimer()
{
    m_reminder.stop();
}

void CalculatorApp::openUrl(std::string_view url)
{
    m_desktop.openAddress(std::string(url));
}

void CalculatorApp::showToolbox(shell::Toolbox toolbox, bool visible)
{
    m_toolboxes->show(toolbox, visible);
}

void CalculatorApp::setToolboxVisible(shell::Toolbox toolbox, bool visible)
{
    m_toolboxes->setVisible(toolbox, visible);
}

void CalculatorApp::unloadToolbox(shell::Toolbox toolbox)
{
    m_toolboxes->unload(toolbox);
}

bool CalculatorApp::isToolboxLoaded(shell::Toolbox toolbox) const
{
    return m_toolboxes->isLoaded(toolbox);
}

} // namespace nuvra::app
