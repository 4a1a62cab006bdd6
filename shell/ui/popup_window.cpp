#include "shell/ui/popup_window.h"

#include "art/palette.h"
#include "platform/twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace nuvra::shell::ui {

using platform::twipsToPixels;

namespace {

// Opacity steps out of 255: up by 6 to about 234, then down by 6 until 5 or less.
constexpr int kStep = 6;
constexpr int kFadeInTop = 230;
constexpr int kFadeOutBottom = 5;
constexpr int kStepIntervalMs = 8;
constexpr int kSequenceIntervalMs = 250;
constexpr int kFadeOutAtTick = 4;
constexpr int kMessageFadeOutAtTick = 40; // ten seconds
constexpr int kMessageWidthTwips = 6000;
constexpr int kMessageMarginTwips = 300;

art::PopupPicture pictureFor(const QString& kind)
{
    if (kind == "copy")
        return art::PopupPicture::Copy;
    if (kind == "altr")
        return art::PopupPicture::AltR;
    if (kind == "shiftr")
        return art::PopupPicture::ShiftR;
    if (kind == "shortcut")
        return art::PopupPicture::Shortcut;
    return art::PopupPicture::Plain;
}

} // namespace

PopupWindow::PopupWindow(const QString& kind, const QString& toolboxName, const QString& letter)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                           Qt::WindowDoesNotAcceptFocus),
      m_picture(pictureFor(kind)), m_fadeOutAtTick(kFadeOutAtTick)
{
    setObjectName("pop");
    setWindowTitle("Nuvra Popup");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    auto* alpha = new QLabel(letter, this);
    alpha->setObjectName("alpha");
    alpha->setAlignment(Qt::AlignCenter);
    alpha->setGeometry(0, height() / 8, width(), height() / 2);
    alpha->setStyleSheet(QString("color: %1; font-size: 40pt; font-weight: bold;")
                             .arg(art::palette::css(art::palette::accent())));
    auto* label = new QLabel(toolboxName, this);
    label->setObjectName("Label");
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, height() * 5 / 8, width(), height() / 4);
    label->setStyleSheet(QString("color: %1; font-size: 10pt; font-weight: bold;")
                             .arg(art::palette::css(art::palette::text())));
    const bool shortcut = m_picture == art::PopupPicture::Shortcut;
    alpha->setVisible(shortcut);
    label->setVisible(shortcut);

    // The window starts at 200 of 255; the first step drops it to 6 and it rises from there.
    setWindowOpacity(200.0 / 255.0);
    m_fadeIn.setInterval(kStepIntervalMs);
    connect(&m_fadeIn, &QTimer::timeout, this, [this] {
        if (m_counter > kFadeInTop)
            return;
        m_counter += kStep;
        applyOpacity();
    });
    m_fadeOut.setInterval(kStepIntervalMs);
    connect(&m_fadeOut, &QTimer::timeout, this, [this] {
        if (m_counter > kFadeOutBottom) {
            m_counter -= kStep;
            applyOpacity();
            return;
        }
        close();
    });
    m_sequence.setInterval(kSequenceIntervalMs);
    connect(&m_sequence, &QTimer::timeout, this, [this] {
        if (++m_ticks == m_fadeOutAtTick) {
            m_fadeIn.stop();
            m_fadeOut.start();
            m_sequence.stop();
        }
    });
    m_fadeIn.start();
    m_sequence.start();
}

PopupWindow* PopupWindow::message(const QString& text)
{
    auto* popup = new PopupWindow("message", {}, {});
    popup->m_message = true;
    popup->m_fadeOutAtTick = kMessageFadeOutAtTick;
    auto* label = popup->findChild<QLabel*>("Label");
    // A long path has no spaces; let it wrap after its slashes.
    QString shown = text;
    shown.replace('/', QStringLiteral("/\u200B"));
    label->setText(shown);
    label->setWordWrap(true);
    label->setAccessibleName(text);
    label->setVisible(true);
    const int margin = twipsToPixels(kMessageMarginTwips);
    const int width = twipsToPixels(kMessageWidthTwips);
    const int height = label->heightForWidth(width - 2 * margin) + 2 * margin;
    popup->setFixedSize(width, std::max(height, twipsToPixels(kHeightTwips) / 2));
    label->setGeometry(margin, margin, width - 2 * margin, popup->height() - 2 * margin);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        popup->move(screen->geometry().center() - popup->rect().center());
    popup->setAccessibleName(text);
    return popup;
}

void PopupWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_message)
        return;
    // The window never takes the focus, so a screen reader hears of the warning this way.
    QAccessibleEvent alert(findChild<QLabel*>("Label"), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PopupWindow::mousePressEvent(QMouseEvent* event)
{
    if (m_message)
        close();
    QWidget::mousePressEvent(event);
}

void PopupWindow::applyOpacity()
{
    setWindowOpacity(std::max(0, m_counter) / 255.0);
    update();
}

void PopupWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintPopup(painter, rect(), m_picture);
}

void PopupWindow::closeEvent(QCloseEvent* event)
{
    m_fadeIn.stop();
    m_fadeOut.stop();
    m_sequence.stop();
    emit closed();
    event->accept();
}

} // namespace nuvra::shell::ui
