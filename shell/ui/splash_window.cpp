#include "shell/ui/splash_window.h"

#include "art/palette.h"
#include "art/skin.h"
#include "platform/twips.h"

#include <QPainter>

namespace nuvra::shell::ui {

using platform::twipsToPixels;

namespace {

constexpr int kStepMs = 250;
constexpr int kFadeMs = 8;
constexpr int kStepOpacity = 6;
constexpr int kAnimationMs = 40;

} // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
{
    setObjectName("splash");
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    setWindowOpacity(200.0 / 255.0);

    m_steps.setInterval(kStepMs);
    connect(&m_steps, &QTimer::timeout, this, [this] {
        ++m_stepCount;
        if (m_stepCount == 4) {
            m_fadeIn.stop();
            m_fadeOut.start();
        } else if (m_stepCount == 5) {
            emit frameDue();
            raise();
            m_steps.stop();
        }
    });
    m_fadeIn.setInterval(kFadeMs);
    connect(&m_fadeIn, &QTimer::timeout, this, [this] {
        if (m_counter > 230)
            return;
        m_counter += kStepOpacity;
        setWindowOpacity(m_counter / 255.0);
    });
    m_fadeOut.setInterval(kFadeMs);
    connect(&m_fadeOut, &QTimer::timeout, this, [this] {
        if (m_counter > 5) {
            m_counter -= kStepOpacity;
            setWindowOpacity(m_counter / 255.0);
            return;
        }
        // The frame may not be due yet when the fade ends first; it is shown before closing.
        if (m_stepCount < 5) {
            m_stepCount = 5;
            emit frameDue();
        }
        m_fadeOut.stop();
        m_animation.stop();
        close();
        emit finished();
    });
    m_animation.setInterval(kAnimationMs);
    connect(&m_animation, &QTimer::timeout, this, [this] {
        ++m_frame;
        update();
    });
}

void SplashWindow::start()
{
    show();
    m_steps.start();
    m_fadeIn.start();
    m_animation.start();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    art::paintFrameBody(painter, rect(), 0);
    // The animated picture: three arcs of the display blue chasing each other on white.
    const qreal side = std::min(width(), height()) * 0.46;
    const QRectF disc(QPointF(width() / 2.0 - side / 2, height() * 0.28), QSizeF(side, side));
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(disc.adjusted(-side * 0.12, -side * 0.12, side * 0.12, side * 0.12));
    for (int i = 0; i < 3; ++i) {
        const qreal inset = side * (0.05 + i * 0.14);
        painter.setPen(QPen(art::palette::withAlpha(art::palette::accent(), 255 - i * 60),
                            side * 0.07, Qt::SolidLine, Qt::RoundCap));
        const int start = ((m_frame * (9 + i * 5)) % 360) * 16;
        painter.drawArc(disc.adjusted(inset, inset, -inset, -inset), start, 250 * 16);
    }
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(height() * 0.09));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(art::palette::text());
    painter.drawText(QRectF(0, height() * 0.08, width(), height() * 0.14), Qt::AlignCenter, "Nuvra");
}

} // namespace nuvra::shell::ui
