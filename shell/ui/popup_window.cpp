#include "shell/ui/popup_window.h"

#include "art/palette.h"
#include "platform/twips.h"

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
      m_picture(pictureFor(kind))
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
        if (++m_ticks == kFadeOutAtTick) {
            m_fadeIn.stop();
            m_fadeOut.start();
            m_sequence.stop();
        }
    });
    m_fadeIn.start();
    m_sequence.start();
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
