#include "shell/ui/toolbox_window.h"

#include "art/kit/butler_channel.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "art/skin.h"
#include "platform/desktop/twips_geometry.h"
#include "platform/desktop/window_helpers.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace nuvra::shell::ui {

using platform::twipsToPixels;

namespace {

constexpr int kTitleBarTwips = 230;

// The close button, its left edge counted from the window's right edge.
platform::TwipsRect closeButtonPlace(int windowWidthTwips)
{
    return {windowWidthTwips - 300, 15, 240, 210};
}

} // namespace

ToolboxWindow::ToolboxWindow(const ToolboxSpec& spec, kit::ButlerChannel& butler)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_spec(spec), m_butler(butler)
{
    setObjectName(kit::qs(spec.window));
    setWindowTitle(kit::qs(spec.caption));
    setAccessibleName(kit::qs(spec.caption));
    platform::MakeTransparent(*this, true, false, 255);
    setFixedSize(twipsToPixels(spec.widthTwips), twipsToPixels(spec.heightTwips));
    const std::array<kit::ControlSpec, 1> closeButton{{
        {"but", kit::ControlKind::Button, closeButtonPlace(spec.widthTwips), "", "Close", "", "",
         art::Picture::Close},
    }};
    m_close = buildControls(closeButton).button("but");
    connect(m_close, &kit::SkinButton::clicked, this, &ToolboxWindow::closeRequested);
}

ToolboxWindow::~ToolboxWindow() = default;

platform::TwipsPoint ToolboxWindow::firstPlace(platform::TwipsPoint frame,
                                              int screenWidthTwips) const
{
    return firstPlaceFor(m_spec, frame, screenWidthTwips);
}

kit::Controls ToolboxWindow::buildControls(std::span<const kit::ControlSpec> table)
{
    return kit::buildControls(*this, table, m_butler);
}

void ToolboxWindow::setCloseHelp(const QString& text)
{
    m_close->setAccessibleDescription(text);
    kit::addHoverHelp(*m_close, text, m_butler);
}

void ToolboxWindow::resizeEvent(QResizeEvent* event)
{
    m_close->place(closeButtonPlace(platform::pixelsToTwips(width())));
    QWidget::resizeEvent(event);
}

void ToolboxWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintFrameBody(painter, rect(), twipsToPixels(kTitleBarTwips));
    QFont font = painter.font();
    font.setPointSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(art::palette::mutedText());
    painter.drawText(QRect(twipsToPixels(150), 0, width(), twipsToPixels(kTitleBarTwips)),
                     Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
}

void ToolboxWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested();
}

void ToolboxWindow::mousePressEvent(QMouseEvent*)
{
    // Any button on the skin drags the window.
    platform::DragWindow(*this);
}

} // namespace nuvra::shell::ui
