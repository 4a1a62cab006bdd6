#include "sci/ui/butler_window.h"

#include "art/kit/butler_channel.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "art/skin.h"
#include "core/session.h"
#include "platform/desktop/twips_geometry.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

namespace nuvra::sci::ui {

using kit::ControlKind;
using kit::qs;
using platform::twipsToPixels;
using Pic = art::Picture;

namespace {

// Without a strip the window is only its title bar and the help line.
constexpr int kHeightWithoutStripTwips = 790;
constexpr std::string_view kHelpDescription = "What the pointer is over";
constexpr std::string_view kBarText =
    "Butler displays the function of each element you hover over.";

// The window: the title bar, the help panel abt with its label o, and below it the strip: the
// four mode panels (one shown), the entry field, the three indicators and the continue button.
constexpr std::array<kit::ControlSpec, 19> kControls{{
    {"main", ControlKind::Panel, {0, 230, 5100, 1180}, "", "", kBarText, "", Pic::None},
    {"wm_bar", ControlKind::Panel, {0, 0, 4700, 230}, "", "", kBarText, "", Pic::None},
    {"abt", ControlKind::Panel, {150, 290, 4800, 450}, "", "", "", "", Pic::None},
    {"raisex", ControlKind::Panel, {150, 790, 3150, 540}, "", "", "", "", Pic::None},
    {"rootx", ControlKind::Panel, {150, 790, 3150, 540}, "", "", "", "", Pic::None},
    {"per", ControlKind::Panel, {150, 790, 3150, 540}, "", "", "", "", Pic::None},
    {"TAXFR", ControlKind::Panel, {150, 790, 3150, 540}, "", "", "", "", Pic::None},
    {"txt", ControlKind::Field, {3360, 880, 780, 360}, "", "n", "", "", Pic::None},
    {"await", ControlKind::Picture, {4200, 895, 330, 330}, "", "Waiting for n", "", "",
     Pic::Waiting},
    {"err_notif", ControlKind::Picture, {4200, 895, 330, 330}, "", "Not a number", "", "",
     Pic::Invalid},
    {"done", ControlKind::Picture, {4200, 895, 330, 330}, "", "Result delivered", "", "",
     Pic::Done},
    {"cont", ControlKind::Button, {4590, 865, 390, 390}, "OK", "", "", "", Pic::TextButton},
    // The instruction texts and prompts of the four mode panels.
    {"raisexText", ControlKind::Label, {150, 790, 2700, 540}, "", "", "", "", Pic::None},
    {"rootxText", ControlKind::Label, {150, 790, 2700, 540}, "", "", "", "", Pic::None},
    {"perText", ControlKind::Label, {150, 790, 2700, 540}, "", "", "", "", Pic::None},
    {"TAXFRText", ControlKind::Label, {150, 790, 2700, 540}, "", "", "", "", Pic::None},
    {"prompt", ControlKind::Label, {2880, 880, 450, 360}, "", "", "", "", Pic::None},
    {"o", ControlKind::Label, {150, 290, 4800, 450}, "", "", "", "", Pic::None},
    {"cvr", ControlKind::Panel, {0, 0, 5100, 1410}, "", "", "", "", Pic::None},
}};

struct ModePanel {
    OperandMode mode;
    std::string_view panel;
    std::string_view text;
    std::string_view clickLabel; // the empty label over the panel that focuses the entry
};

constexpr std::array<ModePanel, 4> kModePanels{{
    {OperandMode::Power, "raisex", "raisexText", "lblrx"},
    {OperandMode::Root, "rootx", "rootxText", "lblrtx"},
    {OperandMode::Percent, "per", "perText", "lblper"},
    {OperandMode::TaxRate, "TAXFR", "TAXFRText", "lbltax"},
}};

} // namespace

ButlerWindow::ButlerWindow(core::Session& session, ScienceState& science,
                           kit::ButlerChannel& butler, std::function<bool()> butlerChecked)
    : ToolboxWindow(shell::toolboxSpec(shell::Toolbox::Butler), butler), m_session(session),
      m_science(science), m_butlerChecked(std::move(butlerChecked))
{
    m_controls = buildControls(kControls);
    using art::palette::css;
    const QString textColour = css(art::palette::text());
    m_help = m_controls.as<QLabel>("o");
    m_help->setWordWrap(true);
    // A listener hears the help itself; the description says what the line is.
    m_help->setAccessibleDescription(qs(kHelpDescription));
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kit::setTextStyle(*m_help, art::palette::text(), 9);
    m_help->setText(butler.lastText().isEmpty() ? qs(kWelcomeText) : butler.lastText());
    connect(&butler, &kit::ButlerChannel::textShown, m_help, &QLabel::setText);

    for (const ModePanel& mode : kModePanels) {
        auto* text = m_controls.as<QLabel>(mode.text);
        text->setWordWrap(true);
        text->setText(qs(operandModeTexts(mode.mode).instruction));
        kit::setTextStyle(*text, art::palette::mutedText(), 8);
        text->setAccessibleDescription(qs(operandModeTexts(mode.mode).instruction));
        // A press on the panel's picture puts the caret into the entry field.
        auto* clickLabel = new QLabel(m_controls.widget(mode.panel));
        clickLabel->setObjectName(qs(mode.clickLabel));
        clickLabel->setGeometry(m_controls.widget(mode.panel)->rect());
        clickLabel->installEventFilter(this);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    auto* prompt = m_controls.as<QLabel>("prompt");
    prompt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kit::setTextStyle(*prompt, art::palette::text(), 9, true);

    m_entry = m_controls.as<QLineEdit>("txt");
    m_entry->setStyleSheet(QString("QLineEdit { color: %1; background: %2; border-radius: 3px;"
                                   " padding: 0 4px; font-size: 10pt; }")
                               .arg(textColour, css(art::palette::displayBack())));
    m_entry->installEventFilter(this);
    m_entry->setContextMenuPolicy(Qt::NoContextMenu);
    m_entry->setAcceptDrops(false);
    // Text that comes other than by keys (a middle-click paste, an input method) is a paste.
    connect(m_entry, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_science.operandStrip.pasteText(text.toStdString());
        render();
    });

    kit::SkinButton* cont = m_controls.button("cont");
    cont->setFocusPolicy(Qt::StrongFocus);
    cont->installEventFilter(this);
    connect(cont, &kit::SkinButton::clicked, this,
            [this] { ApplyOperand(ApplyTrigger::ContinueButton); });

    // The cover shows at creation, then gives way to the window as the caller wanted it.
    m_cover = m_controls.widget("cvr");
    m_cover->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_cover->installEventFilter(this);
    m_cover->raise();
    QTimer::singleShot(kCoverMs, m_cover, &QWidget::hide);
    closeButton().raise();
    render();
}

platform::TwipsPoint ButlerWindow::firstPlace(platform::TwipsPoint frame, int) const
{
    // Always beside the frame on the right, whatever the side of the other toolboxes.
    return {frame.left + 3080, frame.top};
}

bool ButlerWindow::coverShown() const
{
    return !m_cover->isHidden();
}

void ButlerWindow::render()
{
    const StripView& view = m_science.operandStrip.view();
    for (const ModePanel& mode : kModePanels) {
        const bool shown = view.panel == mode.mode;
        m_controls.widget(mode.panel)->setVisible(shown);
        m_controls.widget(mode.text)->setVisible(shown);
        if (shown) {
            const OperandModeTexts texts = operandModeTexts(mode.mode);
            m_controls.as<QLabel>("prompt")->setText(qs(texts.prompt));
            m_entry->setAccessibleName(mode.mode == OperandMode::TaxRate ? "Tax %" : "n");
            m_entry->setAccessibleDescription(qs(texts.instruction));
        }
    }
    m_controls.widget("prompt")->setVisible(view.panel.has_value() && view.entryShown);
    const QString entry = QString::fromStdString(m_science.operandStrip.entryText());
    if (m_entry->text() != entry)
        m_entry->setText(entry);
    if (view.entrySelected)
        m_entry->selectAll();
    m_entry->setVisible(view.entryShown);
    m_controls.widget("await")->setVisible(view.awaitShown);
    m_controls.widget("done")->setVisible(view.doneShown);
    m_controls.widget("err_notif")->setVisible(view.errorShown && !view.doneShown);
    m_controls.widget("cont")->setVisible(view.continueShown);
    m_controls.widget("abt")->setVisible(view.helpPanelShown);
    m_help->setVisible(view.helpPanelShown);
    const bool stripOpen = view.panel.has_value() || view.doneShown || view.errorShown;
    setFixedHeight(twipsToPixels(stripOpen ? spec().heightTwips : kHeightWithoutStripTwips));
    update();
}

void ButlerWindow::afterStripChange()
{
    render();
    const StripView& view = m_science.operandStrip.view();
    emit visibilityRequested(view.windowShown || m_butlerChecked());
    switch (view.focus) {
    case StripFocus::Entry:
        if (view.entryShown)
            FocusOperandEntry();
        break;
    case StripFocus::ContinueButton:
        activateWindow();
        m_controls.widget("cont")->setFocus(Qt::OtherFocusReason);
        break;
    case StripFocus::Elsewhere:
        break;
    }
}

void ButlerWindow::OpenOperandStrip(OperandMode mode)
{
    m_science.operandStrip.OpenOperandStrip(mode, m_science.taxRate);
    afterStripChange();
}

void ButlerWindow::ApplyOperand(ApplyTrigger trigger)
{
    m_science.operandStrip.ApplyOperand(m_session, m_science.taxRate, trigger, m_butlerChecked());
    afterStripChange();
    emit commandDone();
}

void ButlerWindow::FocusOperandEntry()
{
    // The keys must go to the field even where no window manager hands the focus over.
    activateWindow();
    m_entry->setFocus(Qt::OtherFocusReason);
    if (!m_science.operandStrip.view().entrySelected)
        m_entry->end(false);
}

void ButlerWindow::typeIntoEntry(QKeyEvent& event)
{
    OperandStrip& strip = m_science.operandStrip;
    if (event.matches(QKeySequence::Paste)) {
        if (const QClipboard* clipboard = QApplication::clipboard())
            strip.pasteText(clipboard->text().toStdString());
    } else if (event.key() == Qt::Key_Backspace) {
        strip.typeKey('\b');
    } else if (event.text().size() == 1) {
        strip.typeKey(event.text().at(0).toLatin1());
    }
    render();
}

bool ButlerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_cover && event->type() == QEvent::Paint) {
        QPainter painter(m_cover);
        art::paintFrameBody(painter, m_cover->rect(), twipsToPixels(230));
        QFont font = painter.font();
        font.setPointSize(13);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(art::palette::accent());
        painter.drawText(m_cover->rect(), Qt::AlignCenter, windowTitle());
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->objectName().startsWith("lbl")) {
        FocusOperandEntry();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return ToolboxWindow::eventFilter(watched, event);
    auto& key = static_cast<QKeyEvent&>(*event);
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (watched == m_entry) {
        // Tab and Shift+Tab move on; every other key goes through the strip's filter.
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
            return false;
        if (enter)
            ApplyOperand(ApplyTrigger::EnterKey);
        else
            typeIntoEntry(key);
        return true;
    }
    if (watched == m_controls.widget("cont") && enter) {
        m_science.operandStrip.pressEnterOnContinue(m_butlerChecked());
        afterStripChange();
        return true;
    }
    return ToolboxWindow::eventFilter(watched, event);
}

void ButlerWindow::hideEvent(QHideEvent* event)
{
    // Hidden, the strip keeps its state for the next showing.
    m_science.operandStrip.hideWindow();
    ToolboxWindow::hideEvent(event);
}

void ButlerWindow::paintEvent(QPaintEvent* event)
{
    ToolboxWindow::paintEvent(event);
    // main_cont while a strip is open: the strip's band is lit.
    if (m_science.operandStrip.view().panel || m_science.operandStrip.view().doneShown) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor band = art::palette::accent();
        band.setAlpha(28);
        painter.setPen(Qt::NoPen);
        painter.setBrush(band);
        painter.drawRoundedRect(QRectF(platform::twipsRect(90, 770, 4920, 580)), 5, 5);
    }
}

} // namespace nuvra::sci::ui
