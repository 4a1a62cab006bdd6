#include "shell/ui/tooltip_window.h"

#include "art/palette.h"
#include "art/skin.h"
#include "platform/desktop/window_helpers.h"
#include "platform/twips.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace nuvra::shell::ui {

using platform::pixelsToTwips;
using platform::twipsToPixels;

TooltipWindow::TooltipWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus)
{
    setObjectName("tltp");
    setWindowTitle("Nuvra Tooltip");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    platform::MakeTransparent(*this, true, false, 220);
    m_label = new QLabel("Nuvra", this);
    m_label->setObjectName("lbl");
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(rect());
    m_label->setStyleSheet(
        QString("color: %1; font-family: Calibri, 'DejaVu Sans'; font-size: 8pt;")
            .arg(art::palette::css(art::palette::text())));
    m_label->setMouseTracking(true);
    m_label->installEventFilter(this);
    m_hideTimer.setInterval(5000);
    connect(&m_hideTimer, &QTimer::timeout, this, &TooltipWindow::HideTooltip);
}

void TooltipWindow::ShowTooltip(const QWidget& control, const QString& text, int dy, int dx)
{
    const QWidget* form = control.window();
    const QPoint controlInForm = control.mapTo(form, QPoint(0, 0));
    const TooltipPlace place =
        tooltipPlace(pixelsToTwips(form->x()), pixelsToTwips(form->y()),
                     pixelsToTwips(controlInForm.x()), pixelsToTwips(controlInForm.y()),
                     pixelsToTwips(control.width()), kWidthTwips, kHeightTwips, dy, dx);
    move(twipsToPixels(place.left), twipsToPixels(place.top));
    show();
    m_label->setText(text);
    // Once running the timer is not restarted: it hides the tooltip every five seconds.
    if (!m_hideTimer.isActive())
        m_hideTimer.start();
}

void TooltipWindow::HideTooltip()
{
    hide();
}

QString TooltipWindow::text() const
{
    return m_label->text();
}

void TooltipWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintTooltip(painter, rect());
}

bool TooltipWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && event->type() == QEvent::MouseMove)
        HideTooltip();
    return QWidget::eventFilter(watched, event);
}

} // namespace nuvra::shell::ui
