#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

class QSystemTrayIcon;
class QWidget;

namespace nuvra::shell::ui {

// The tray icon: puts the program's icon into the notification area, shows balloons, hides the
// frame into the tray and restores it, and reports the user's clicks as events.
class NotifyIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kToolTipLimit = 127;
    static constexpr int kBalloonTitleLimit = 63;
    static constexpr int kBalloonTextLimit = 255;

    enum class BalloonIcon { None = 0, Information = 1, Warning = 2, Error = 3 };

    explicit NotifyIcon(QObject* parent = nullptr);
    ~NotifyIcon() override;

    // False when the desktop has no notification area; hiding then falls back to minimising.
    static bool available();

    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    QString ToolTip() const { return m_toolTip; }
    void setToolTip(const QString& text);
    bool Shown() const { return m_shown; }

    void BalloonShow(const QString& title, const QString& text, BalloonIcon icon);
    void BalloonHide();
    void Show();
    void Hide();
    void MinimizeToTray(QWidget* form);
    void Restore(bool hideIcon);
    void SetForeground(QWidget* form);

    // The last balloon shown, for tests and the log.
    QString lastBalloonTitle() const { return m_lastTitle; }
    QString lastBalloonText() const { return m_lastText; }

signals:
    void Activate();
    void BalloonClick();
    void Click();
    void ContextMenu();

private:
    QSystemTrayIcon* m_tray = nullptr;
    QIcon m_icon;
    QString m_toolTip;
    QString m_lastTitle;
    QString m_lastText;
    QPointer<QWidget> m_minimisedForm;
    bool m_shown = false;
};

} // namespace nuvra::shell::ui
