#include "eval/ui/equation_window.h"

#include "art/kit/butler_channel.h"
#include "art/kit/control_table.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "core/session.h"
#include "platform/desktop/twips_geometry.h"
#include "platform/desktop/window_helpers.h"
#include "shell/ui/toolbox_context.h"

#include <QEnterEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <array>
#include <cstdint>

namespace nuvra::eval::ui {

using kit::ControlKind;
using kit::qs;
using platform::pixelsToTwips;
using platform::twipsRect;
using platform::twipsToPixels;
using shell::EquationColours;
using shell::EquationScheme;
using Pic = art::Picture;

namespace {

constexpr std::string_view kInputHelp = "Enter an Equation to generate the result.";
constexpr std::string_view kAngularHelp = "Current angular system is ";
constexpr std::string_view kCloseHelp = "Close the Formula Toolbox.";

// The rounded corners of the floating shape; docked, the window is square.
constexpr qreal kCornerRadius = 8.0;

constexpr platform::TwipsRect kInputRect{150, 180, 3730, 540};
constexpr platform::TwipsRect kIndicatorRect{75, 300, 540, 300};

// The window at its design width; what follows the width is laid out again on every resize.
// The four lines let the pointer through to the window, whose help they share.
constexpr std::array<kit::ControlSpec, 7> kControls{{
    {"top1", ControlKind::Panel, {0, 0, 6000, 15}, "", "", kInputHelp, "", Pic::None},
    {"top2", ControlKind::Panel, {0, 15, 6000, 15}, "", "", kInputHelp, "", Pic::None},
    {"bottom2", ControlKind::Panel, {0, 870, 6000, 15}, "", "", kInputHelp, "", Pic::None},
    {"bottom1", ControlKind::Panel, {0, 885, 6000, 15}, "", "", kInputHelp, "", Pic::None},
    {"txtInput", ControlKind::Field, kInputRect, "0", "Formula", kInputHelp, "", Pic::None},
    {"side",
     ControlKind::Panel,
     {6000 - kEquationSideWidth, 0, kEquationSideWidth, 900},
     "",
     "",
     kInputHelp,
     "",
     Pic::None},
    {"righthandle",
     ControlKind::Panel,
     {6000 - kEquationHandleWidth, 0, kEquationHandleWidth, 900},
     "",
     "Resize",
     kInputHelp,
     "",
     Pic::None},
}};

// The side panel's controls, in twips of the panel. The indicator's help names the system it
// shows, and the buttons' tooltips wait while docked: the window gives those itself.
constexpr std::array<kit::ControlSpec, 3> kSideControls{{
    // A button, pressed for the angular menu, whose pill and text the side panel paints in the
    // scheme's colours.
    {"lblAngSys", ControlKind::Button, kIndicatorRect, "DEG", "", "", "", Pic::None},
    {"cmdEnter",
     ControlKind::Button,
     {675, 240, 480, 420},
     "=",
     "Evaluate",
     "Generate result according to the Equation.",
     "",
     Pic::EqualsKey},
    {"cmdCopy",
     ControlKind::Button,
     {1215, 240, 600, 420},
     "Copy",
     "",
     "Copy the Equation to Clipboard",
     "",
     Pic::FunctionKey},
}};

struct LineColour {
    std::string_view line;
    std::uint32_t EquationColours::*colour;
};

constexpr std::array<LineColour, 4> kLineColours{{
    {"top1", &EquationColours::outerLines},
    {"top2", &EquationColours::top2},
    {"bottom2", &EquationColours::bottom2},
    {"bottom1", &EquationColours::outerLines},
}};

// The line a widget is, or nullptr.
const LineColour* lineColour(const QWidget& widget)
{
    for (const LineColour& row : kLineColours) {
        if (widget.objectName() == qs(row.line))
            return &row;
    }
    return nullptr;
}

struct Tooltip {
    std::string_view control;
    std::string_view text;
};

// Shown while the window floats; docked across the screen's top they would cover the field.
constexpr std::array<Tooltip, 2> kTooltips{{
    {"cmdEnter", "Generate result"},
    {"cmdCopy", "Copy to Clipboard"},
}};

constexpr std::array<core::AngularSystem, 4> kAngularSystems{
    core::AngularSystem::Degrees, core::AngularSystem::Radians, core::AngularSystem::Gradians,
    core::AngularSystem::Turns};

// The scheme's colours are 0x00BBGGRR; the one system colour among them is the window text.
QColor schemeColour(std::uint32_t bgr)
{
    if (bgr == shell::kSystemWindowTextColour)
        return QGuiApplication::palette().color(QPalette::WindowText);
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
            static_cast<int>((bgr >> 16) & 0xFF)};
}

// The formula's ink: light on the dark scheme, dark on the light one.
QColor inputInk(EquationScheme scheme)
{
    return scheme == EquationScheme::Dark ? art::palette::text() : art::palette::onAccent();
}

QPainterPath roundedPath(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

EquationKey equationKey(int key)
{
    switch (key) {
    case Qt::Key_Control:
        return EquationKey::Control;
    case Qt::Key_Up:
        return EquationKey::Up;
    case Qt::Key_Down:
        return EquationKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EquationKey::Enter;
    default:
        return EquationKey::Other;
    }
}

} // namespace

EquationWindow::EquationWindow(shell::ui::ToolboxContext& context, EquationToolboxState& state)
    : ToolboxWindow(shell::toolboxSpec(shell::Toolbox::Equation), context.butler),
      m_context(context), m_model(state, context.session)
{
    // Stretched sideways by its right edge; its height stays the design's.
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMinimumSize(0, 0);
    setFixedHeight(twipsToPixels(spec().heightTwips));
    platform::StartSizeRestrict(*this);
    setAccessibleDescription(qs(kInputHelp));
    kit::addHoverHelp(*this, qs(kInputHelp), butler());
    installEventFilter(this);

    m_controls = buildControls(kControls);
    m_side = m_controls.widget("side");
    m_sideControls = kit::buildControls(*m_side, kSideControls, butler());
    m_handle = m_controls.widget("righthandle");
    m_handle->setCursor(Qt::SizeHorCursor);
    m_input = m_controls.as<QLineEdit>("txtInput");
    m_input->setAutoFillBackground(true);
    QFont formulaFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    formulaFont.setPointSizeF(12.5);
    m_input->setFont(formulaFont);
    m_input->setTextMargins(twipsToPixels(60), 0, twipsToPixels(60), 0);
    m_angularSystem = m_sideControls.button("lblAngSys");
    connect(m_angularSystem, &QAbstractButton::clicked, this, [this] {
        const platform::TwipsPoint place =
            angularMenuPlace(kIndicatorRect, equationLayout(pixelsToTwips(width())).sideLeft);
        m_context.popupMenu(shell::MenuPopup::AngularSystem,
                            mapToGlobal(platform::twipsPoint(place)));
    });
    for (const LineColour& line : kLineColours) {
        QWidget* widget = m_controls.widget(line.line);
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->installEventFilter(this);
        widget->raise();
    }
    setCloseHelp(qs(kCloseHelp));
    closeButton().raise();

    for (QWidget* watched :
         {static_cast<QWidget*>(m_input), m_side, m_handle, static_cast<QWidget*>(m_angularSystem),
          static_cast<QWidget*>(m_sideControls.button("cmdEnter")),
          static_cast<QWidget*>(m_sideControls.button("cmdCopy")),
          static_cast<QWidget*>(&closeButton())})
        watched->installEventFilter(this);
    connect(m_sideControls.button("cmdEnter"), &kit::SkinButton::clicked, this,
            &EquationWindow::Evaluate);
    connect(m_sideControls.button("cmdCopy"), &kit::SkinButton::clicked, this,
            &EquationWindow::CopyEquation);
    // Typing leaves the walk through the formulas: the next Up starts from the newest again.
    connect(m_input, &QLineEdit::textEdited, this, [this] { m_model.recall().endWalk(); });

    applyScheme();
    render();
}

EquationWindow::~EquationWindow()
{
    if (m_placed && isVisible())
        m_model.unload(geometryTwips());
    platform::StopSizeRestrict(*this);
}

void EquationWindow::render()
{
    const EquationScheme scheme =
        m_context.menu.isChecked(shell::equationSchemeItemName(EquationScheme::Light))
            ? EquationScheme::Light
            : EquationScheme::Dark;
    if (scheme != m_scheme) {
        m_scheme = scheme;
        applyScheme();
    }
    for (core::AngularSystem system : kAngularSystems) {
        if (m_context.menu.isChecked(shell::angularSystemItemName(system)))
            m_angularSystem->setText(qs(shell::angularSystemLabel(system)));
    }
    QString help = qs(kAngularHelp);
    help += m_angularSystem->text();
    m_angularSystem->setAccessibleDescription(help);
    m_controls.widget("top2")->setVisible(!docked());
    update();
    m_side->update();
}

void EquationWindow::applyScheme()
{
    const EquationColours colours = shell::equationColours(m_scheme);
    const QColor background = schemeColour(colours.background);
    QPalette palette = m_input->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, inputInk(m_scheme));
    palette.setColor(QPalette::PlaceholderText, art::palette::withAlpha(inputInk(m_scheme), 110));
    palette.setColor(QPalette::Highlight, schemeColour(colours.top2).lighter(140));
    palette.setColor(QPalette::HighlightedText, inputInk(m_scheme));
    m_input->setPalette(palette);
    update();
    m_side->update();
}

void EquationWindow::Evaluate()
{
    if (m_model.Evaluate(m_input->text().toStdString()))
        emit commandDone();
}

void EquationWindow::CopyEquation()
{
    EquationToolbox::CopyEquation(m_input->text().toStdString(), m_context.clipboard);
}

void EquationWindow::FocusEquationInput()
{
    // The keys must go to the field even where no window manager hands the focus over.
    activateWindow();
    m_input->setFocus(Qt::OtherFocusReason);
    m_input->end(false);
}

void EquationWindow::DockEquation()
{
    const int screenWidth = pixelsToTwips(screen()->geometry().width());
    if (const auto geometry = m_model.DockEquation(geometryTwips(), screenWidth)) {
        applyGeometry(*geometry);
        render();
    }
}

void EquationWindow::UndockEquation()
{
    if (const auto geometry = m_model.UndockEquation()) {
        applyGeometry(*geometry);
        render();
    }
}

void EquationWindow::applyGeometry(const platform::TwipsRect& geometry)
{
    setGeometry(twipsRect(geometry));
}

platform::TwipsRect EquationWindow::geometryTwips() const
{
    return platform::rectTwips(geometry());
}

bool EquationWindow::keyDown(const QKeyEvent& key)
{
    EquationKeyPress press;
    press.key = equationKey(key.key());
    press.control = key.modifiers().testFlag(Qt::ControlModifier);
    press.otherModifier =
        (key.modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier)) !=
        Qt::NoModifier;
    std::optional<std::string> recalled;
    switch (m_model.keyDown(press)) {
    case EquationCommand::None:
        return false;
    case EquationCommand::Evaluate:
        Evaluate();
        return true;
    case EquationCommand::DockEquation:
        DockEquation();
        return true;
    case EquationCommand::UndockEquation:
        UndockEquation();
        return true;
    case EquationCommand::RecallOlder:
        recalled = m_model.recall().older(m_input->text().toStdString());
        break;
    case EquationCommand::RecallNewer:
        recalled = m_model.recall().newer();
        break;
    }
    if (recalled) {
        m_input->setText(QString::fromStdString(*recalled));
        m_input->end(false);
    }
    return true;
}

void EquationWindow::keyPressEvent(QKeyEvent* event)
{
    if (!keyDown(*event))
        ToolboxWindow::keyPressEvent(event);
}

void EquationWindow::keyReleaseEvent(QKeyEvent* event)
{
    m_model.keyUp();
    ToolboxWindow::keyReleaseEvent(event);
}

void EquationWindow::pressBackground(const QMouseEvent& event)
{
    // Only the primary button drags: the window system would keep the secondary button's
    // release, which opens the colour menu.
    if (event.button() == Qt::LeftButton && !docked())
        platform::DragWindow(*this);
}

void EquationWindow::releaseBackground(const QMouseEvent& event)
{
    if (event.button() == Qt::RightButton)
        m_context.popupMenu(shell::MenuPopup::EquationColour, event.globalPosition().toPoint());
    FocusEquationInput();
}

void EquationWindow::mousePressEvent(QMouseEvent* event)
{
    pressBackground(*event);
}

void EquationWindow::mouseReleaseEvent(QMouseEvent* event)
{
    releaseBackground(*event);
}

void EquationWindow::hover(QWidget& control)
{
    if (&control == m_angularSystem)
        butler().ShowButlerText(m_angularSystem->accessibleDescription());
    if (m_hovered == &control)
        return;
    m_hovered = &control;
    for (const Tooltip& tooltip : kTooltips) {
        if (control.objectName() == qs(tooltip.control) && !docked()) {
            butler().ShowTooltip(control, qs(tooltip.text));
            return;
        }
    }
    butler().HideTooltip();
}

bool EquationWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return ToolboxWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        if (widget == m_side) {
            paintSide();
            return true;
        }
        if (const LineColour* line = lineColour(*widget)) {
            paintLine(*widget, schemeColour(shell::equationColours(m_scheme).*line->colour));
            return true;
        }
        break;
    case QEvent::Enter:
    case QEvent::MouseMove: {
        const QPointF position = event->type() == QEvent::Enter
                                     ? static_cast<QEnterEvent*>(event)->position()
                                     : static_cast<QMouseEvent*>(event)->position();
        // Over a child the child speaks for itself.
        if (!widget->childAt(position.toPoint()))
            hover(*widget);
        break;
    }
    case QEvent::Leave:
        if (m_hovered == widget)
            m_hovered = nullptr;
        break;
    case QEvent::KeyPress:
        if (widget == m_input)
            return keyDown(static_cast<QKeyEvent&>(*event));
        break;
    case QEvent::KeyRelease:
        if (widget == m_input)
            m_model.keyUp();
        break;
    case QEvent::MouseButtonPress: {
        const auto& mouse = static_cast<QMouseEvent&>(*event);
        if (widget == m_side) {
            pressBackground(mouse);
            return true;
        }
        if (widget == m_handle) {
            if (mouse.button() == Qt::LeftButton)
                platform::ResizeFromRightEdge(*this);
            else if (mouse.button() == Qt::RightButton)
                m_context.popupMenu(shell::MenuPopup::EquationColour,
                                    mouse.globalPosition().toPoint());
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<QMouseEvent&>(*event);
        if (widget == m_side) {
            releaseBackground(mouse);
            return true;
        }
        if (widget == m_handle)
            return true;
        break;
    }
    default:
        break;
    }
    return ToolboxWindow::eventFilter(watched, event);
}

void EquationWindow::resizeEvent(QResizeEvent* event)
{
    ToolboxWindow::resizeEvent(event);
    if (!m_side)
        return;
    const EquationLayout layout = equationLayout(pixelsToTwips(width()));
    for (const LineColour& line : kLineColours) {
        QWidget* widget = m_controls.widget(line.line);
        widget->setGeometry(0, widget->y(), twipsToPixels(layout.lineWidth), widget->height());
    }
    m_input->setGeometry(
        twipsRect(kInputRect.left, kInputRect.top, layout.inputWidth, kInputRect.height));
    m_side->move(twipsToPixels(layout.sideLeft), m_side->y());
    m_handle->move(twipsToPixels(layout.handleLeft), m_handle->y());
}

void EquationWindow::showEvent(QShowEvent* event)
{
    ToolboxWindow::showEvent(event);
    if (m_placed)
        return;
    // The registry put the window at the first place of the run; later loads go back to where
    // the run's state says, as wide as it was and not docked.
    m_placed = true;
    applyGeometry(m_model.load(platform::pointTwips(pos()), spec().widthTwips, spec().heightTwips));
    render();
    QTimer::singleShot(0, this, &EquationWindow::FocusEquationInput);
}

void EquationWindow::hideEvent(QHideEvent* event)
{
    // Hidden to unload it or with the frame into the tray: either way the next load starts here.
    if (m_placed)
        m_model.unload(geometryTwips());
    ToolboxWindow::hideEvent(event);
}

void EquationWindow::paintEvent(QPaintEvent*)
{
    const EquationColours colours = shell::equationColours(m_scheme);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(rect());
    if (docked()) {
        painter.fillRect(body, schemeColour(colours.background));
    } else {
        painter.fillPath(roundedPath(body, kCornerRadius), schemeColour(colours.background));
        painter.setPen(QPen(schemeColour(colours.outerLines), 1.0));
        painter.drawPath(roundedPath(body.adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius));
    }
    // A hairline under the formula field.
    const QRectF field(m_input->geometry());
    painter.fillRect(QRectF(field.left(), field.bottom() + 2.0, field.width(), 1.0),
                     schemeColour(colours.top2).lighter(125));
}

void EquationWindow::paintLine(QWidget& line, const QColor& colour)
{
    QPainter painter(&line);
    if (!docked()) {
        // Floating, the lines end where the rounded corners begin.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(roundedPath(QRectF(rect()), kCornerRadius).translated(-line.pos()));
    }
    painter.fillRect(line.rect(), colour);
}

void EquationWindow::paintSide()
{
    const EquationColours colours = shell::equationColours(m_scheme);
    QPainter painter(m_side);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal height = m_side->height();
    // The edge between the field and the panel.
    painter.fillRect(QRectF(0, height * 0.25, 1.0, height * 0.5),
                     schemeColour(colours.top2).lighter(125));
    const QRectF indicator(m_angularSystem->geometry());
    painter.fillPath(
        roundedPath(indicator, indicator.height() / 2),
        schemeColour(m_scheme == EquationScheme::Dark ? colours.top2 : colours.outerLines));
    QFont font = painter.font();
    font.setPointSizeF(7.5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(m_scheme == EquationScheme::Dark ? art::palette::accentLight()
                                                    : art::palette::text());
    painter.drawText(indicator, Qt::AlignCenter, m_angularSystem->text());
}

} // namespace nuvra::eval::ui
