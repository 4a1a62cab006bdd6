#include "frame/ui/wm.h"

#include "art/skin.h"
#include "core/hover_texts.h"
#include "core/ui/butler_channel.h"
#include "core/ui/form1.h"
#include "frame/ui/stack_panel_widget.h"
#include "platform/desktop/window_helpers.h"
#include "platform/desktop/twips_geometry.h"
#include "platform/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace nuvra::frame::ui {

using platform::pixelsToTwips;
using platform::twipsRect;
using platform::twipsToPixels;

namespace {

constexpr int kTitleBarTwips = 230;

} // namespace

// A title-bar button of the skin; the panel toggle uses the same widget with its own picture.
class TitleButtonWidget : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRectF&, bool)>;
    TitleButtonWidget(const char* name, Painter paint, QWidget* parent)
        : QWidget(parent), m_paint(std::move(paint))
    {
        setObjectName(name);
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
    }
    void setHot(bool hot)
    {
        if (hot != m_hot) {
            m_hot = hot;
            update();
        }
    }
    std::function<void(QMouseEvent*)> onRelease;
    std::function<void()> onHover;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_paint(painter, rect(), m_hot);
    }
    void enterEvent(QEnterEvent*) override
    {
        setHot(true);
        if (onHover)
            onHover();
    }
    void leaveEvent(QEvent*) override { setHot(false); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (rect().contains(event->position().toPoint()) && onRelease)
            onRelease(event);
    }

private:
    Painter m_paint;
    bool m_hot = false;
};

Wm::Wm(core::Session& session, RpnPanel& panel, KeyMap& keys, core::ui::ButlerChannel& butler)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_session(session), m_panel(panel), m_keys(keys), m_butler(butler)
{
    setObjectName("wm");
    setWindowTitle("Nuvra");
    setWindowIcon(art::applicationIcon());
    // Fully opaque except where the skin leaves the rounded corners see-through.
    platform::MakeTransparent(*this, true, false, 255);
    setMouseTracking(true);

    m_form1 = new core::ui::Form1(session, keys, butler, this);

    m_menuButton = new TitleButtonWidget(
        "wm_menu",
        [](QPainter& p, const QRectF& r, bool hot) { art::paintTitleButton(p, r, art::TitleButton::Menu, hot); },
        this);
    m_menuButton->setGeometry(twipsRect(90, 15, 240, 210));
    m_menuButton->onHover = [this] {
        m_butler.ShowButlerText(QString::fromUtf8(core::hoverText("wm_menu").data()));
    };
    m_menuButton->onRelease = [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton)
            emit controlPanelRequested();
        else
            emit menuRequested(mapToGlobal(QPoint(twipsToPixels(150), twipsToPixels(295))));
    };

    m_minimiseButton = new TitleButtonWidget(
        "wb_min",
        [](QPainter& p, const QRectF& r, bool hot) {
            art::paintTitleButton(p, r, art::TitleButton::Minimise, hot);
        },
        this);
    m_minimiseButton->setGeometry(twipsRect(2310, 15, 240, 210));
    m_minimiseButton->onHover = [this] {
        m_closeButton->setHot(false);
        m_butler.ShowButlerText(QString::fromUtf8(core::hoverText("wb_min").data()));
    };
    m_minimiseButton->onRelease = [this](QMouseEvent*) { emit minimiseRequested(); };

    m_closeButton = new TitleButtonWidget(
        "wb_btn",
        [](QPainter& p, const QRectF& r, bool hot) { art::paintTitleButton(p, r, art::TitleButton::Close, hot); },
        this);
    m_closeButton->setGeometry(twipsRect(2580, 15, 240, 210));
    m_closeButton->onHover = [this] {
        m_minimiseButton->setHot(false);
        m_butler.ShowButlerText(QString::fromUtf8(core::hoverText("wb_btn").data()));
    };
    m_closeButton->onRelease = [this](QMouseEvent*) {
        m_form1->openExitStrip();
        m_form1->FocusKeypad();
    };

    m_panelToggle = new TitleButtonWidget(
        "RPN_Toggle",
        [this](QPainter& p, const QRectF& r, bool hot) {
            // Closed: an arrow that points out of the frame; open: one that points back.
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(hot ? art::displayColour() : QColor(0x9a, 0xa3, 0xb0), 1.6,
                          Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF c = r.center();
            const qreal d = r.height() * 0.22;
            const qreal dir = m_panel.panelOpen() ? -1.0 : 1.0;
            p.drawLine(c + QPointF(-d * dir * 0.6, -d), c + QPointF(d * dir * 0.6, 0));
            p.drawLine(c + QPointF(d * dir * 0.6, 0), c + QPointF(-d * dir * 0.6, d));
        },
        this);
    m_panelToggle->setGeometry(twipsRect(2040, 15, 240, 210));
    m_panelToggle->onHover = [this] {
        m_butler.ShowButlerText(QString::fromUtf8(core::hoverText("RPN_Toggle").data()));
    };
    m_panelToggle->onRelease = [this](QMouseEvent*) {
        m_panel.togglePanel();
        applyPanelState();
        m_form1->FocusKeypad();
    };

    m_stackPanel = new StackPanelWidget(session, panel, keys, butler, this);
    m_stackPanel->setGeometry(twipsRect(kFrameWidthClosedTwips, core::ui::Form1::kTopTwips,
                                        kFrameWidthOpenTwips - kFrameWidthClosedTwips - 90,
                                        core::ui::Form1::kHeightTwips));
    connect(m_stackPanel, &StackPanelWidget::commandDone, this, [this] {
        m_form1->render();
        m_form1->FocusKeypad();
    });
    connect(m_stackPanel, &StackPanelWidget::backgroundReleased, this, [this] {
        emit toolboxesReshowRequested();
        m_form1->FocusKeypad();
    });
    connect(m_form1, &core::ui::Form1::rendered, this, [this] {
        applyPanelState();
        m_stackPanel->refresh();
    });
    connect(m_form1, &core::ui::Form1::alwaysOnTopToggled, this, [this](bool onTop) {
        // The frame changes its stacking about 100 ms later, once.
        QTimer::singleShot(100, this, [this, onTop] { setAlwaysOnTop(onTop); });
    });
    connect(m_form1, &core::ui::Form1::exitCancelled, this, [this] { show(); });

    buildGearDialog();
    applyPanelState();
}

void Wm::buildGearDialog()
{
    m_gearDialog = new QWidget(this);
    m_gearDialog->setObjectName("dlg");
    m_gearDialog->setStyleSheet(
        "#dlg { background: #252931; border-radius: 6px; }"
        "QLabel { color: #e8ecf1; font-size: 8pt; }"
        "QPushButton { color: #0b1a2b; background: #4fa8f0; border: none; border-radius: 4px;"
        " padding: 2px 6px; font-weight: bold; font-size: 8pt; }"
        "QPushButton:hover { background: #7cc0f6; }");
    const int width = GearSlide::kFrameWidthWhileOpenTwips - GearSlide::kOpenLeftTwips - 60;
    m_gearDialog->setGeometry(twipsRect(GearSlide::kHiddenLeftTwips, 400, width, 2600));
    for (const char* name : {"dlg_ptr", "hndl_T", "hndl_B"}) {
        auto* part = new QWidget(m_gearDialog);
        part->setObjectName(name);
        part->setStyleSheet("background: #4fa8f0; border-radius: 2px;");
    }
    m_gearDialog->findChild<QWidget*>("dlg_ptr")->setGeometry(twipsRect(0, 300, 45, 600));
    m_gearDialog->findChild<QWidget*>("hndl_T")->setGeometry(twipsRect(width / 2 - 300, 60, 600, 30));
    m_gearDialog->findChild<QWidget*>("hndl_B")->setGeometry(twipsRect(width / 2 - 300, 2510, 600, 30));

    m_gearFirstPage = new QLabel(
        "Tip: hover over any key and the Butler bar (F1) tells you what it does. "
        "Right-click the menu button for every toolbox.",
        m_gearDialog);
    m_gearFirstPage->setObjectName("dlg_1");
    static_cast<QLabel*>(m_gearFirstPage)->setWordWrap(true);
    m_gearFirstPage->setGeometry(twipsRect(150, 200, width - 300, 1600));
    auto* next = new QPushButton("Next", m_gearDialog);
    next->setObjectName("dBut");
    next->setGeometry(twipsRect(width / 2 - 450, 2000, 900, 330));
    connect(next, &QPushButton::clicked, this, [this, next] {
        m_gear.showSecondPage();
        m_gearFirstPage->hide();
        next->hide();
        m_gearSecondPage->show();
    });

    m_gearSecondPage = new QWidget(m_gearDialog);
    m_gearSecondPage->setObjectName("dlg_2");
    m_gearSecondPage->setGeometry(twipsRect(0, 0, width, 2600));
    auto* question = new QLabel("Show this tip when Nuvra starts?", m_gearSecondPage);
    question->setWordWrap(true);
    question->setGeometry(twipsRect(150, 300, width - 300, 900));
    auto* again = new QPushButton("Yes", m_gearSecondPage);
    again->setObjectName("dlg2_b1");
    again->setGeometry(twipsRect(150, 1500, width / 2 - 225, 330));
    auto* never = new QPushButton("No", m_gearSecondPage);
    never->setObjectName("dlg2_b2");
    never->setGeometry(twipsRect(width / 2 + 75, 1500, width / 2 - 225, 330));
    connect(again, &QPushButton::clicked, this, [this] {
        emit gearChoiceMade("1");
        m_gear.close();
        m_gearTimer.start();
    });
    connect(never, &QPushButton::clicked, this, [this] {
        emit gearChoiceMade("0");
        m_gear.close();
        m_gearTimer.start();
    });
    m_gearSecondPage->hide();
    m_gearDialog->hide();
    m_gearDialog->lower();

    m_gearTimer.setTimerType(Qt::PreciseTimer);
    m_gearTimer.setInterval(1);
    connect(&m_gearTimer, &QTimer::timeout, this, &Wm::gearStep);
}

void Wm::offerGearDialog(std::string_view storedChoice)
{
    if (!gearDialogOffered(storedChoice))
        return;
    m_gear.open();
    m_gearDialog->show();
    m_gearDialog->lower();
    m_gearTimer.start();
}

void Wm::gearStep()
{
    if (!m_gear.step())
        m_gearTimer.stop();
    QRect geometry = m_gearDialog->geometry();
    geometry.moveLeft(twipsToPixels(m_gear.leftTwips()));
    m_gearDialog->setGeometry(geometry);
    m_gearDialog->setVisible(m_gear.visible());
    applyPanelState();
}

void Wm::applyPanelState()
{
    const int width = twipsToPixels(m_gear.visible() ? GearSlide::kFrameWidthWhileOpenTwips
                                                     : m_panel.frameWidthTwips());
    const int height = twipsToPixels(kHeightTwips);
    if (size() != QSize(width, height))
        setFixedSize(width, height);
    m_stackPanel->setVisible(m_panel.panelOpen());
    m_panelToggle->setVisible(m_panel.rpnMode());
    m_panelToggle->update();
    update();
}

void Wm::setAlwaysOnTop(bool onTop)
{
    if (QWindow* window = windowHandle()) {
        window->setFlag(Qt::WindowStaysOnTopHint, onTop);
        return;
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void Wm::moveToTwips(int left, int top)
{
    move(twipsToPixels(left), twipsToPixels(top));
}

int Wm::leftTwips() const
{
    return pixelsToTwips(x());
}

int Wm::topTwips() const
{
    return pixelsToTwips(y());
}

void Wm::restTitleButtons()
{
    m_minimiseButton->setHot(false);
    m_closeButton->setHot(false);
    if (m_panel.litCommand() != StackCommand::None) {
        m_panel.rest();
        m_stackPanel->refresh();
    }
}

void Wm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintFrameBody(painter, rect(), twipsToPixels(kTitleBarTwips));
    QFont font = painter.font();
    font.setPointSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x9a, 0xa3, 0xb0));
    painter.drawText(twipsRect(390, 0, 1500, kTitleBarTwips), Qt::AlignLeft | Qt::AlignVCenter,
                     "Nuvra");
}

void Wm::mousePressEvent(QMouseEvent* event)
{
    // The title bar and the skin move the frame.
    if (event->position().y() < twipsToPixels(kTitleBarTwips))
        platform::DragWindow(*this);
    emit toolboxesReshowRequested();
}

void Wm::mouseReleaseEvent(QMouseEvent*)
{
    emit toolboxesReshowRequested();
}

void Wm::mouseMoveEvent(QMouseEvent*)
{
    restTitleButtons();
}

} // namespace nuvra::frame::ui
