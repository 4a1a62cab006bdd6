#include "frame/ui/wm.h"

#include "art/kit/butler_channel.h"
#include "art/kit/control_table.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "art/skin.h"
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

using kit::ControlKind;
using Pic = art::Picture;

// The title bar's buttons; the stack panel's toggle shows only in RPN mode.
constexpr std::array<kit::ControlSpec, 4> kTitleButtons{{
    {"wm_menu", ControlKind::Button, {90, 15, 240, 210}, "", "Menu",
     "Toggle various controls through the Menu.", "", Pic::MenuButton},
    {"RPN_Toggle", ControlKind::CheckBox, {2040, 15, 240, 210}, "", "Stack panel",
     "Toggle b/w Algebraic and RPN modes. (Shift+M)", "", Pic::PanelToggle},
    {"wb_min", ControlKind::Button, {2310, 15, 240, 210}, "", "Minimize",
     "Minimize Nuvra to the tray.", "", Pic::Minimise},
    {"wb_btn", ControlKind::Button, {2580, 15, 240, 210}, "", "Close",
     "Exit / Close the application (Nuvra)", "", Pic::Close},
}};

} // namespace

Wm::Wm(core::Session& session, RpnPanel& panel, KeyMap& keys, kit::ButlerChannel& butler)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_session(session), m_panel(panel), m_keys(keys), m_butler(butler)
{
    setObjectName("wm");
    setWindowTitle("Nuvra");
    // Fully opaque except where the skin leaves the rounded corners see-through.
    platform::MakeTransparent(*this, true, false, 255);
    setMouseTracking(true);

    m_form1 = new core::ui::Form1(session, keys, butler, this);

    const kit::Controls buttons = kit::buildControls(*this, kTitleButtons, m_butler);
    kit::SkinButton* menuButton = buttons.button("wm_menu");
    connect(menuButton, &kit::SkinButton::clicked, this, [this] { emit controlPanelRequested(); });
    connect(menuButton, &kit::SkinButton::otherButtonReleased, this, [this] {
        emit menuRequested(mapToGlobal(QPoint(twipsToPixels(150), twipsToPixels(295))));
    });
    m_minimiseButton = buttons.button("wb_min");
    m_closeButton = buttons.button("wb_btn");
    // Over one of the two, the other goes back to its normal picture.
    connect(m_minimiseButton, &kit::SkinButton::hovered, this,
            [this] { m_closeButton->setHot(false); });
    connect(m_minimiseButton, &kit::SkinButton::clicked, this,
            [this] { emit minimiseRequested(); });
    connect(m_closeButton, &kit::SkinButton::hovered, this,
            [this] { m_minimiseButton->setHot(false); });
    connect(m_closeButton, &kit::SkinButton::clicked, this, [this] {
        m_form1->openExitStrip();
        m_form1->FocusKeypad();
    });
    m_panelToggle = buttons.button("RPN_Toggle");
    // Toggled by the mouse or by assistive technology; the panel state follows the box.
    connect(m_panelToggle, &kit::SkinButton::toggled, this, [this](bool open) {
        if (open == m_panel.panelOpen())
            return;
        m_panel.togglePanel();
        applyPanelState();
        m_form1->FocusKeypad();
    });

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

    m_gearTimer.setTimerType(Qt::PreciseTimer);
    m_gearTimer.setInterval(1);
    connect(&m_gearTimer, &QTimer::timeout, this, &Wm::gearStep);
    applyPanelState();
}

void Wm::buildGearDialog()
{
    m_gearDialog = new QWidget(this);
    m_gearDialog->setObjectName("dlg");
    using art::palette::css;
    m_gearDialog->setStyleSheet(
        QString("#dlg { background: %1; border-radius: 6px; }"
                "QLabel { color: %2; font-size: 8pt; }"
                "QPushButton { color: %3; background: %4; border: none; border-radius: 4px;"
                " padding: 2px 6px; font-weight: bold; font-size: 8pt; }"
                "QPushButton:hover { background: %5; }")
            .arg(css(art::palette::panel()), css(art::palette::text()),
                 css(art::palette::onAccent()), css(art::palette::accent()),
                 css(art::palette::accentLight())));
    const int width = GearSlide::kFrameWidthWhileOpenTwips - GearSlide::kOpenLeftTwips - 60;
    m_gearDialog->setGeometry(twipsRect(GearSlide::kHiddenLeftTwips, 400, width, 2600));
    for (const char* name : {"dlg_ptr", "hndl_T", "hndl_B"}) {
        auto* part = new QWidget(m_gearDialog);
        part->setObjectName(name);
        part->setStyleSheet(QString("background: %1; border-radius: 2px;")
                                .arg(css(art::palette::accent())));
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
}

void Wm::offerGearDialog(std::string_view storedChoice)
{
    if (!gearDialogOffered(storedChoice))
        return;
    // Built only when it is offered.
    if (!m_gearDialog)
        buildGearDialog();
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
    m_panelToggle->setChecked(m_panel.panelOpen());
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
    painter.setPen(art::palette::mutedText());
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
