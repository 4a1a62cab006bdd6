#include "shell/ui/toolbox_window.h"

#include "art/skin.h"
#include "platform/desktop/window_helpers.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace nuvra::shell::ui {

using platform::pixelsToTwips;
using platform::twipsToPixels;

namespace {

class CloseButton : public QWidget {
public:
    explicit CloseButton(QWidget* parent) : QWidget(parent)
    {
        setObjectName("but");
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
    }
    std::function<void()> onRelease;
    // "but_h" while the pointer is over it, else "but_n".
    QString picture() const { return underMouse() ? "but_h" : "but_n"; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        art::paintTitleButton(painter, rect(), art::TitleButton::Close, underMouse());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (rect().contains(event->position().toPoint()) && onRelease)
            onRelease();
    }
};

} // namespace

ToolboxWindow::ToolboxWindow(const QString& name, const QString& caption, int widthTwips,
                             int heightTwips, ToolboxPlacement& placement)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_placement(placement), m_widthTwips(widthTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    platform::MakeTransparent(*this, true, false, 255);
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    auto* close = new CloseButton(this);
    close->setGeometry(width() - twipsToPixels(300), twipsToPixels(15), twipsToPixels(240),
                       twipsToPixels(210));
    close->onRelease = [this] {
        if (onClose)
            onClose();
    };
}

ToolboxWindow::~ToolboxWindow()
{
    m_placement.saved = TwipsPoint{pixelsToTwips(x()), pixelsToTwips(y())};
}

void ToolboxWindow::placeBeside(int frameLeft, int frameTop, int screenWidthTwips)
{
    const TwipsPoint place =
        m_placement.saved ? *m_placement.saved
                          : firstToolboxPlace(ChooseToolboxSide(screenWidthTwips, frameLeft),
                                              frameLeft, frameTop, m_widthTwips);
    move(twipsToPixels(place.left), twipsToPixels(place.top));
}

void ToolboxWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintFrameBody(painter, rect(), twipsToPixels(230));
    QFont font = painter.font();
    font.setPointSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x9a, 0xa3, 0xb0));
    painter.drawText(QRect(twipsToPixels(150), 0, width(), twipsToPixels(230)),
                     Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
}

void ToolboxWindow::mousePressEvent(QMouseEvent*)
{
    // Any button on the skin drags the window.
    platform::DragWindow(*this);
}

} // namespace nuvra::shell::ui
