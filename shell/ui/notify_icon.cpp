#include "shell/ui/notify_icon.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace nuvra::shell::ui {

NotifyIcon::NotifyIcon(QObject* parent) : QObject(parent)
{
    m_tray = new QSystemTrayIcon(this);
    connect(m_tray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                switch (reason) {
                case QSystemTrayIcon::DoubleClick:
                    emit Activate();
                    break;
                case QSystemTrayIcon::Trigger:
                    emit Click();
                    break;
                case QSystemTrayIcon::Context:
                    emit ContextMenu();
                    break;
                default:
                    break;
                }
            });
    connect(m_tray, &QSystemTrayIcon::messageClicked, this, &NotifyIcon::BalloonClick);
}

NotifyIcon::~NotifyIcon()
{
    Hide();
}

bool NotifyIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void NotifyIcon::setIcon(const QIcon& icon)
{
    m_icon = icon;
    m_tray->setIcon(icon);
}

void NotifyIcon::setToolTip(const QString& text)
{
    m_toolTip = text.left(kToolTipLimit);
    m_tray->setToolTip(m_toolTip);
}

void NotifyIcon::BalloonShow(const QString& title, const QString& text, BalloonIcon icon)
{
    if (!m_shown)
        return;
    m_lastTitle = title.left(kBalloonTitleLimit);
    m_lastText = text.left(kBalloonTextLimit);
    QSystemTrayIcon::MessageIcon kind = QSystemTrayIcon::NoIcon;
    switch (icon) {
    case BalloonIcon::Information:
        kind = QSystemTrayIcon::Information;
        break;
    case BalloonIcon::Warning:
        kind = QSystemTrayIcon::Warning;
        break;
    case BalloonIcon::Error:
        kind = QSystemTrayIcon::Critical;
        break;
    case BalloonIcon::None:
        break;
    }
    m_tray->showMessage(m_lastTitle, m_lastText, kind);
}

void NotifyIcon::BalloonHide()
{
    // The tray shows a balloon once; there is nothing to repeat on later changes.
}

void NotifyIcon::Show()
{
    if (m_shown)
        return;
    m_tray->setIcon(m_icon);
    m_tray->setToolTip(m_toolTip);
    m_tray->show();
    m_shown = true;
}

void NotifyIcon::Hide()
{
    if (!m_shown)
        return;
    m_tray->hide();
    m_shown = false;
}

void NotifyIcon::MinimizeToTray(QWidget* form)
{
    m_minimisedForm = form;
    Show();
    if (form)
        form->hide();
}

void NotifyIcon::Restore(bool hideIcon)
{
    if (!m_minimisedForm)
        return;
    if (hideIcon)
        Hide();
    QWidget* form = m_minimisedForm;
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    SetForeground(form);
    m_minimisedForm = nullptr;
}

void NotifyIcon::SetForeground(QWidget* form)
{
    if (!form)
        return;
    form->raise();
    form->activateWindow();
}

} // namespace nuvra::shell::ui
