#include "core/ui/form1.h"

#include "art/kit/butler_channel.h"
#include "art/kit/control_table.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "art/skin.h"
#include "core/ui/qt_keys.h"
#include "platform/desktop/twips_geometry.h"
#include "platform/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <functional>

namespace nuvra::core::ui {

using kit::ControlKind;
using kit::ControlSpec;
using platform::twipsRect;
using platform::twipsToPixels;
using Pic = art::Picture;

namespace {

constexpr int kExitStripTopTwips = 770;
constexpr int kCopyPasteTopTwips = 200;
constexpr std::string_view kWelcomeText =
    "Welcome to Nuvra. Hover over buttons to know what they do. Hope you enjoy.";
constexpr std::string_view kDisplayText = "The results / answers will be displayed here.";
constexpr std::string_view kCopyPasteText = "Copy to clipboard or Paste from clipboard.";

// The keypad: five columns at 90, 600, 1110, 1620 and 2130 twips, rows at 855, 1395, 1935 and
// 2475; backspace ends the first row, the sign key sits beside 0, equals spans two rows.
constexpr std::array<ControlSpec, 19> kKeypad{{
    {"cmd7", ControlKind::Button, {90, 855, 465, 480}, "7", "", "The Number / Digit 7.", "",
     Pic::DigitKey},
    {"cmd8", ControlKind::Button, {600, 855, 465, 480}, "8", "", "The Number / Digit 8.", "",
     Pic::DigitKey},
    {"cmd9", ControlKind::Button, {1110, 855, 465, 480}, "9", "", "The Number / Digit 9.", "",
     Pic::DigitKey},
    {"cmdDIVIDE", ControlKind::Button, {1620, 855, 465, 480}, "\u00f7", "", "Divide the values.",
     "", Pic::OperatorKey},
    {"cmdBK", ControlKind::Button, {2130, 855, 465, 480}, "\u232b", "Backspace",
     "Backspace. Erase the last digit on the display.", "", Pic::FunctionKey},
    {"cmd4", ControlKind::Button, {90, 1395, 465, 480}, "4", "", "The Number / Digit 4.", "",
     Pic::DigitKey},
    {"cmd5", ControlKind::Button, {600, 1395, 465, 480}, "5", "", "The Number / Digit 5.", "",
     Pic::DigitKey},
    {"cmd6", ControlKind::Button, {1110, 1395, 465, 480}, "6", "", "The Number / Digit 6.", "",
     Pic::DigitKey},
    {"cmdMULTIPLY", ControlKind::Button, {1620, 1395, 465, 480}, "\u00d7", "",
     "Multiply the values.", "", Pic::OperatorKey},
    {"cmdCancel", ControlKind::Button, {2130, 1395, 465, 480}, "C", "", "Cancel the operation.", "",
     Pic::CancelKey},
    {"cmd1", ControlKind::Button, {90, 1935, 465, 480}, "1", "", "The Number / Digit 1.", "",
     Pic::DigitKey},
    {"cmd2", ControlKind::Button, {600, 1935, 465, 480}, "2", "", "The Number / Digit 2.", "",
     Pic::DigitKey},
    {"cmd3", ControlKind::Button, {1110, 1935, 465, 480}, "3", "", "The Number / Digit 3.", "",
     Pic::DigitKey},
    {"cmdSubtract", ControlKind::Button, {1620, 1935, 465, 480}, "\u2212", "",
     "Subtract the values.", "", Pic::OperatorKey},
    {"cmdEQUALS", ControlKind::Button, {2130, 1935, 465, 1020}, "=", "",
     "Solve and display the value", "", Pic::EqualsKey},
    {"cmd0", ControlKind::Button, {90, 2475, 465, 480}, "0", "", "The Number / Digit 0.", "",
     Pic::DigitKey},
    {"cmdSIGN", ControlKind::Button, {600, 2475, 465, 480}, "\u00b1", "Change sign", "", "",
     Pic::FunctionKey},
    {"cmdDOT", ControlKind::Button, {1110, 2475, 465, 480}, ".", "", "", "", Pic::DigitKey},
    {"cmdADD", ControlKind::Button, {1620, 2475, 465, 480}, "+", "", "Add the values.", "",
     Pic::OperatorKey},
}};

// The operation of each key of kKeypad, in the same order.
constexpr std::array<KeypadButton, 19> kKeypadButtons{
    KeypadButton::Digit7,   KeypadButton::Digit8,   KeypadButton::Digit9,
    KeypadButton::Divide,   KeypadButton::Backspace, KeypadButton::Digit4,
    KeypadButton::Digit5,   KeypadButton::Digit6,   KeypadButton::Multiply,
    KeypadButton::Cancel,   KeypadButton::Digit1,   KeypadButton::Digit2,
    KeypadButton::Digit3,   KeypadButton::Subtract, KeypadButton::Equals,
    KeypadButton::Digit0,   KeypadButton::Sign,     KeypadButton::Dot,
    KeypadButton::Add,
};

// The settings gear and the always-on-top pin in the display's top-left corner.
constexpr std::array<ControlSpec, 2> kCornerButtons{{
    {"cmdmnu", ControlKind::Button, {150, 130, 210, 210}, "", "Settings",
     "Displays the Settings Panel.", "View Settings (Ctrl+Z)", Pic::Gear},
    {"aotmstr", ControlKind::CheckBox, {390, 130, 210, 210}, "", "Always on top", "", "", Pic::Pin},
}};

// The copy/paste strip's choices; the underline goes under the one the pointer is over.
constexpr std::array<ControlSpec, 3> kCopyPasteItems{{
    {"copypaste_back", ControlKind::Button, {260, 60, 240, 330}, "\u2039", "Back", kCopyPasteText,
     "", Pic::StripItem},
    {"copypaste_copy", ControlKind::Button, {630, 60, 860, 330}, "Copy", "", kCopyPasteText, "",
     Pic::StripItem},
    {"copypaste_paste", ControlKind::Button, {1700, 60, 930, 330}, "Paste", "", kCopyPasteText, "",
     Pic::StripItem},
}};

constexpr std::array<ControlSpec, 3> kExitStripItems{{
    {"killfr_q", ControlKind::Label, {0, 120, Form1::kWidthTwips, 330}, "Exit Nuvra?", "", "", "",
     Pic::None},
    {"killfr_n", ControlKind::Button, {370, 540, 948, 330}, "No", "", "", "", Pic::StripItem},
    {"killfr_y", ControlKind::Button, {1440, 540, 840, 330}, "Yes", "", "", "", Pic::StripItem},
}};

} // namespace

// The shown text on the display panel, in the size and colour the display value chose. A label
// to assistive technology, so the shown text is read and followed.
class DisplayLabel : public QLabel {
public:
    explicit DisplayLabel(QWidget* parent) : QLabel(parent) { setObjectName("lblnumber"); }

    void show(const QString& text, const QColor& colour, int points, int topTwips)
    {
        if (text != this->text())
            setText(text);
        m_colour = colour;
        m_points = points;
        m_topTwips = topTwips;
        update();
    }

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onRelease;
    std::function<void()> onDoubleClick;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        art::paintDisplay(painter, rect());
        QFont font = painter.font();
        font.setPointSize(m_points);
        painter.setFont(font);
        painter.setPen(m_colour);
        // The label's top follows the font step; the display panel starts 90 twips down.
        const int top = twipsToPixels(m_topTwips - 90) - twipsToPixels(60);
        const QRect textRect(twipsToPixels(75), top, width() - twipsToPixels(150),
                             height() - top);
        painter.drawText(textRect, Qt::AlignRight | Qt::AlignTop, text());
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (onPress)
            onPress(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (onRelease)
            onRelease(event);
    }
    void mouseDoubleClickEvent(QMouseEvent*) override
    {
        if (onDoubleClick)
            onDoubleClick();
    }

private:
    QColor m_colour;
    int m_points = 20;
    int m_topTwips = 315;
};

// The background of the copy/paste strip and the exit strip.
class StripWidget : public QWidget {
public:
    StripWidget(const char* name, QWidget* parent) : QWidget(parent) { setObjectName(name); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        art::paintStrip(painter, QRectF(rect()).adjusted(2, 0, -2, 0));
    }
};

namespace {

class Underline : public QWidget {
public:
    Underline(const char* name, QWidget* parent) : QWidget(parent)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        art::paintUnderline(painter, rect());
    }
};

} // namespace

Form1::Form1(Session& session, KeypadInput& keys, ButlerChannel& butler, QWidget* parent)
    : QWidget(parent), m_session(session), m_keys(keys), m_butler(butler)
{
    setObjectName("Form1");
    setGeometry(twipsRect(kLeftTwips, kTopTwips, kWidthTwips, kHeightTwips));
    setAttribute(Qt::WA_TranslucentBackground);

    m_surface = new QWidget(this);
    m_surface->setObjectName("main_bg");
    m_surface->setGeometry(rect());
    m_surface->setFocusPolicy(Qt::StrongFocus);
    m_surface->installEventFilter(this);
    m_surface->setAccessibleName("Keypad");
    m_surface->setAccessibleDescription(kit::qs(kWelcomeText));
    kit::addHoverHelp(*m_surface, kit::qs(kWelcomeText), m_butler);

    m_display = new DisplayLabel(this);
    m_display->setGeometry(twipsRect(90, 90, 2505, 690));
    m_display->setAccessibleDescription(kit::qs(kDisplayText));
    kit::addHoverHelp(*m_display, kit::qs(kDisplayText), m_butler);
    m_display->onPress = [this](QMouseEvent*) { FocusKeypad(); };
    m_display->onRelease = [this](QMouseEvent* event) {
        FocusKeypad();
        if (event->button() == Qt::RightButton)
            openCopyPasteStrip();
    };
    m_display->onDoubleClick = [this] {
        // The sign changes on a double-click only while Ctrl is held.
        if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
            m_keys.keypad(KeypadButton::Sign);
            render();
        }
    };

    m_rpnMarker = new QLabel("RPN", this);
    m_rpnMarker->setObjectName("RPN_ToggleEx");
    m_rpnMarker->setGeometry(twipsRect(660, 140, 500, 200));
    kit::setTextStyle(*m_rpnMarker, art::palette::accent(), 7, true);
    m_rpnMarker->setAttribute(Qt::WA_TransparentForMouseEvents);

    const kit::Controls corner = kit::buildControls(*this, kCornerButtons, m_butler);
    m_settingsButton = corner.button("cmdmnu");
    connect(m_settingsButton, &kit::SkinButton::clicked, this, [this] {
        m_butler.HideTooltip();
        emit settingsPanelRequested();
    });
    m_alwaysOnTopBox = corner.button("aotmstr");
    m_alwaysOnTopBox->setChecked(true);
    connect(m_alwaysOnTopBox, &kit::SkinButton::toggled, this, [this](bool onTop) {
        m_alwaysOnTop = onTop;
        emit alwaysOnTopToggled(m_alwaysOnTop);
        FocusKeypad();
    });

    buildKeypad();
    buildStrips();

    // Hidden buttons for Alt+1, Alt+2, Alt+3 and the immediate end without saving.
    for (int i = 1; i <= 3; ++i) {
        auto* button = new QPushButton(QString("&%1").arg(i), this);
        button->setObjectName(QString("shr_%1").arg(i));
        button->hide();
    }
    auto* exitButton = new QPushButton(this);
    exitButton->setObjectName("cmdExit");
    exitButton->hide();
    connect(exitButton, &QPushButton::clicked, this, [this] { emit endAtOnce(); });

    render();
}

void Form1::buildKeypad()
{
    const kit::Controls keys = kit::buildControls(*this, kKeypad, m_butler);
    for (std::size_t i = 0; i < kKeypad.size(); ++i) {
        kit::SkinButton* key = keys.button(kKeypad[i].name);
        key->setDropOffsetTwips(kPressOffsetTwips);
        const KeypadButton button = kKeypadButtons[i];
        connect(key, &kit::SkinButton::clicked, this, [this, button] { keypadReleased(button); });
        m_keyWidgets[i] = key;
    }
}

void Form1::buildStrips()
{
    m_copyPaste = new StripWidget("copypaste_box", this);
    m_copyPaste->setGeometry(twipsRect(0, kCopyPasteTopTwips, kWidthTwips, 480));
    m_copyPaste->setAccessibleDescription(kit::qs(kCopyPasteText));
    kit::addHoverHelp(*m_copyPaste, kit::qs(kCopyPasteText), m_butler);
    m_copyPaste->installEventFilter(this);
    m_copyPasteUnderline = new Underline("copypaste_under", m_copyPaste);
    m_copyPasteUnderline->hide();
    const kit::Controls items = kit::buildControls(*m_copyPaste, kCopyPasteItems, m_butler);
    for (const ControlSpec& spec : kCopyPasteItems) {
        kit::SkinButton* item = items.button(spec.name);
        connect(item, &kit::SkinButton::hovered, this, [this, item] {
            m_copyPasteUnderline->setGeometry(item->x(), item->geometry().bottom() + 1,
                                              item->width(), twipsToPixels(45));
            m_copyPasteUnderline->show();
        });
    }
    connect(items.button("copypaste_copy"), &kit::SkinButton::clicked, this, [this] {
        CopyShownText();
        emit copied();
        m_session.display.closeCopyPasteStrip();
        render();
        FocusKeypad();
    });
    connect(items.button("copypaste_paste"), &kit::SkinButton::clicked, this,
            &Form1::pasteFromClipboard);
    connect(items.button("copypaste_back"), &kit::SkinButton::clicked, this, [this] {
        m_session.display.closeCopyPasteStrip();
        render();
        FocusKeypad();
    });
    m_copyPaste->hide();

    m_exitStrip = new StripWidget("killfr", this);
    m_exitStrip->setGeometry(twipsRect(0, kExitStripTopTwips, kWidthTwips, 1080));
    const kit::Controls choices = kit::buildControls(*m_exitStrip, kExitStripItems, m_butler);
    auto* question = choices.as<QLabel>("killfr_q");
    question->setAlignment(Qt::AlignCenter);
    kit::setTextStyle(*question, art::palette::text(), 11, true);
    for (const bool yes : {false, true}) {
        kit::SkinButton* choice = choices.button(yes ? "killfr_y" : "killfr_n");
        connect(choice, &kit::SkinButton::hovered, this, [this, yes] { moveExitUnderline(yes); });
        connect(choice, &kit::SkinButton::clicked, this, [this, yes] {
            m_exitOnYes = yes;
            activateExitChoice();
        });
    }
    m_exitUnderline = new Underline("killfr_u", m_exitStrip);
    moveExitUnderline(false);
    m_exitStrip->hide();
}

void Form1::completeSetup()
{
    if (m_entryText)
        return;
    m_entryText = new QLineEdit(this);
    m_entryText->setObjectName("txtnumber");
    m_entryText->setReadOnly(true);
    m_entryText->hide();
    m_typingBox = new QLineEdit(this);
    m_typingBox->setObjectName("txtUSR");
    m_typingBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_typingBox));
    m_typingBox->setGeometry(twipsRect(150, 120, 1200, 250));
    m_typingBox->hide();
    connect(m_typingBox, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_session.display.setTypingBox(text.toStdString());
        render();
    });
    connect(m_typingBox, &QLineEdit::editingFinished, this, [this] { m_typingBox->hide(); });
    render();
}

void Form1::FocusKeypad()
{
    m_surface->setFocus(Qt::OtherFocusReason);
}

void Form1::Setfocus_End()
{
    completeSetup();
    m_typingBox->show();
    m_typingBox->setFocus(Qt::OtherFocusReason);
    m_typingBox->end(false);
}

void Form1::openExitStrip()
{
    m_exitStrip->show();
    m_exitStrip->raise();
    m_keys.setExitStripOpen(true);
    FocusKeypad();
}

void Form1::closeExitStrip()
{
    m_exitStrip->hide();
    m_keys.setExitStripOpen(false);
}

bool Form1::exitStripOpen() const
{
    return m_exitStrip->isVisible();
}

void Form1::openCopyPasteStrip()
{
    m_session.display.openCopyPasteStrip();
    render();
}

void Form1::CopyShownText()
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(m_session.display.shown()));
}

void Form1::pasteFromClipboard()
{
    const QString text = QApplication::clipboard()->text();
    m_keys.PasteNumber(text.toStdString());
    render();
    FocusKeypad();
}

void Form1::moveExitUnderline(bool toYes)
{
    m_exitOnYes = toYes;
    // Under Yes at 1440 (840 wide), under No at 370 (950 wide).
    m_exitUnderline->setGeometry(toYes ? twipsRect(1440, 900, 840, 45)
                                       : twipsRect(370, 900, 950, 45));
    m_exitUnderline->show();
}

void Form1::activateExitChoice()
{
    if (m_exitOnYes) {
        emit exitConfirmed();
        return;
    }
    closeExitStrip();
    emit exitCancelled();
    FocusKeypad();
}

void Form1::keypadReleased(KeypadButton button)
{
    m_keys.keypad(button);
    render();
    FocusKeypad();
}

void Form1::keyDown(QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::AltModifier) && event.key() >= Qt::Key_1 && event.key() <= Qt::Key_3) {
        emit windowCommand(m_keys.altDigit(event.key() - Qt::Key_0));
        return;
    }
    const std::optional<KeyCode> code = keyCodeFor(event.key());
    // A held Ctrl or Shift whose key-up went elsewhere (a system-wide key grab, another window
    // taking the focus mid-chord) would turn the next letter into a shortcut: a key that comes
    // without that modifier first counts as the key-up that was missed.
    const bool modifierKey = code == KeyCode::Control || code == KeyCode::Shift;
    const bool staleCtrl = m_keys.ctrlHeld() && !(modifiers & Qt::ControlModifier);
    const bool staleShift = m_keys.shiftHeld() && !(modifiers & Qt::ShiftModifier);
    if (!modifierKey && (staleCtrl || staleShift)) {
        const bool ctrlStillHeld = m_keys.ctrlHeld() && !staleCtrl;
        const bool shiftStillHeld = m_keys.shiftHeld() && !staleShift;
        m_keys.KeyUp();
        if (ctrlStillHeld)
            m_keys.KeyDown(KeyCode::Control);
        if (shiftStillHeld)
            m_keys.KeyDown(KeyCode::Shift);
    }
    KeyOutcome outcome;
    if (code)
        outcome = m_keys.KeyDown(*code, modifiers & Qt::ShiftModifier);
    if (outcome.command == WindowCommand::None && !(modifiers & Qt::AltModifier)) {
        if (const char typed = typedCharacter(event))
            outcome = m_keys.KeyPress(typed);
    }
    switch (outcome.command) {
    case WindowCommand::None:
        break;
    case WindowCommand::ExitStripLeft:
        if (m_exitOnYes)
            moveExitUnderline(false);
        break;
    case WindowCommand::ExitStripRight:
        if (!m_exitOnYes)
            moveExitUnderline(true);
        break;
    case WindowCommand::ActivateExitStrip:
        activateExitChoice();
        break;
    case WindowCommand::OpenExitStrip:
        openExitStrip();
        break;
    case WindowCommand::CopyShownText:
        CopyShownText();
        break;
    case WindowCommand::PasteNumber:
        pasteFromClipboard();
        break;
    default:
        break;
    }
    // The windows around hear of every key, also the ones handled here (as no command), so that
    // the menu can follow what the key changed (the mode after Shift+M).
    const bool handledHere = outcome.command == WindowCommand::ExitStripLeft ||
                             outcome.command == WindowCommand::ExitStripRight ||
                             outcome.command == WindowCommand::ActivateExitStrip ||
                             outcome.command == WindowCommand::OpenExitStrip ||
                             outcome.command == WindowCommand::CopyShownText ||
                             outcome.command == WindowCommand::PasteNumber;
    emit windowCommand(handledHere ? KeyOutcome{} : outcome);
    render();
    if (!outcome.keepFocus)
        FocusKeypad();
}

void Form1::keyUp()
{
    m_keys.KeyUp();
    render();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_surface) {
            keyDown(*static_cast<QKeyEvent*>(event));
            return true;
        }
        break;
    case QEvent::KeyRelease:
        if (watched == m_surface) {
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
                keyUp();
            return true;
        }
        break;
    case QEvent::FocusOut:
        // Keys released while another window has the focus never come up here.
        if (watched == m_surface)
            m_keys.KeyUp();
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_surface) {
            FocusKeypad();
            emit keypadSurfacePressed();
        }
        break;
    case QEvent::MouseMove:
    case QEvent::Enter:
        // Over the keypad surface: the gear back to normal, no tooltip, no underline.
        if (watched == m_surface) {
            m_settingsButton->setHot(false);
            m_copyPasteUnderline->hide();
            m_butler.HideTooltip();
        } else if (watched == m_copyPaste) {
            m_copyPasteUnderline->hide();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::render()
{
    const DisplayValue& display = m_session.display;
    const Rgb colour = display.shownColour();
    m_display->show(QString::fromStdString(display.shown()),
                    QColor(colour.red, colour.green, colour.blue), display.font().points,
                    display.font().topTwips);
    if (m_entryText) {
        m_entryText->setText(QString::fromStdString(display.entry()));
        if (!m_typingBox->hasFocus())
            m_typingBox->setText(QString::fromStdString(display.typingBox()));
    }
    const std::optional<KeypadButton> pressed = m_keys.pressedButton();
    const bool rpn = m_session.engine.rpnMode;
    for (std::size_t i = 0; i < m_keyWidgets.size(); ++i) {
        kit::SkinButton* key = m_keyWidgets[i];
        const KeypadButton button = kKeypadButtons[i];
        key->setShownDown(pressed == button);
        if (button == KeypadButton::Equals)
            key->setText(rpn ? "ENTER" : "=");
        if (button == KeypadButton::Dot)
            key->setPressable(display.settings().decimalsMode != DecimalsMode::None);
    }
    m_rpnMarker->setVisible(rpn);
    m_copyPaste->setVisible(display.copyPasteStripOpen());
    if (display.copyPasteStripOpen())
        m_copyPaste->raise();
    emit rendered();
}

} // namespace nuvra::core::ui
