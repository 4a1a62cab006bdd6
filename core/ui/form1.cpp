#include "core/ui/form1.h"

#include "art/skin.h"
#include "core/hover_texts.h"
#include "core/ui/butler_channel.h"
#include "core/ui/keypad_key.h"
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

using platform::twipsRect;
using platform::twipsToPixels;

namespace {

constexpr int kKeyWidthTwips = 465;
constexpr int kKeyHeightTwips = 480;
constexpr std::array<int, 5> kColumnLeftTwips{90, 600, 1110, 1620, 2130};
constexpr int kExitStripTopTwips = 770;
constexpr int kCopyPasteTopTwips = 200;

struct KeySpec {
    KeypadButton button;
    const char* name;
    art::KeyStyle style;
    const char* label;
    int column;
    int rows; // 2 for the tall equals key
};

// The keypad, one row per key; the row top comes from the key itself.
constexpr std::array<KeySpec, 19> kKeys{{
    {KeypadButton::Digit7, "cmd7", art::KeyStyle::Digit, "7", 0, 1},
    {KeypadButton::Digit8, "cmd8", art::KeyStyle::Digit, "8", 1, 1},
    {KeypadButton::Digit9, "cmd9", art::KeyStyle::Digit, "9", 2, 1},
    {KeypadButton::Divide, "cmdDIVIDE", art::KeyStyle::Operator, "\u00f7", 3, 1},
    {KeypadButton::Backspace, "cmdBK", art::KeyStyle::Function, "\u232b", 4, 1},
    {KeypadButton::Digit4, "cmd4", art::KeyStyle::Digit, "4", 0, 1},
    {KeypadButton::Digit5, "cmd5", art::KeyStyle::Digit, "5", 1, 1},
    {KeypadButton::Digit6, "cmd6", art::KeyStyle::Digit, "6", 2, 1},
    {KeypadButton::Multiply, "cmdMULTIPLY", art::KeyStyle::Operator, "\u00d7", 3, 1},
    {KeypadButton::Cancel, "cmdCancel", art::KeyStyle::Cancel, "C", 4, 1},
    {KeypadButton::Digit1, "cmd1", art::KeyStyle::Digit, "1", 0, 1},
    {KeypadButton::Digit2, "cmd2", art::KeyStyle::Digit, "2", 1, 1},
    {KeypadButton::Digit3, "cmd3", art::KeyStyle::Digit, "3", 2, 1},
    {KeypadButton::Subtract, "cmdSubtract", art::KeyStyle::Operator, "\u2212", 3, 1},
    {KeypadButton::Equals, "cmdEQUALS", art::KeyStyle::Equals, "=", 4, 2},
    {KeypadButton::Digit0, "cmd0", art::KeyStyle::Digit, "0", 0, 1},
    {KeypadButton::Sign, "cmdSIGN", art::KeyStyle::Function, "\u00b1", 1, 1},
    {KeypadButton::Dot, "cmdDOT", art::KeyStyle::Digit, ".", 2, 1},
    {KeypadButton::Add, "cmdADD", art::KeyStyle::Operator, "+", 3, 1},
}};

// Keys without a row of their own (backspace and sign) sit in the rows beside them.
int rowTopFor(const KeySpec& key)
{
    if (key.button == KeypadButton::Backspace)
        return 855;
    if (key.button == KeypadButton::Sign)
        return 2475;
    return keypadRowTopTwips(key.button);
}

} // namespace

// The shown text on the display panel, in the size and colour the display value chose.
class DisplayLabel : public QWidget {
public:
    explicit DisplayLabel(QWidget* parent) : QWidget(parent) { setObjectName("lblnumber"); }

    void show(const QString& text, const QColor& colour, int points, int topTwips)
    {
        m_text = text;
        m_colour = colour;
        m_points = points;
        m_topTwips = topTwips;
        setAccessibleName(text);
        update();
    }
    const QString& text() const { return m_text; }

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onRelease;
    std::function<void()> onDoubleClick;
    std::function<void()> onHover;

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
        painter.drawText(textRect, Qt::AlignRight | Qt::AlignTop, m_text);
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
    void enterEvent(QEnterEvent*) override
    {
        if (onHover)
            onHover();
    }

private:
    QString m_text;
    QColor m_colour;
    int m_points = 20;
    int m_topTwips = 315;
};

// A small picture button of the skin (settings gear, always-on-top pin).
class SkinButton : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRectF&, bool)>;
    SkinButton(const char* name, Painter paint, QWidget* parent)
        : QWidget(parent), m_paint(std::move(paint))
    {
        setObjectName(name);
        setAttribute(Qt::WA_Hover);
        setCursor(Qt::PointingHandCursor);
    }
    void setChecked(bool checked)
    {
        m_checked = checked;
        update();
    }
    bool isChecked() const { return m_checked; }
    std::function<void()> onClick;
    std::function<void()> onHover;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_paint(painter, rect(), m_checked || underMouse());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            onClick)
            onClick();
    }
    void enterEvent(QEnterEvent*) override
    {
        update();
        if (onHover)
            onHover();
    }
    void leaveEvent(QEvent*) override { update(); }

private:
    Painter m_paint;
    bool m_checked = false;
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

QLabel* stripItem(const char* name, const QString& text, QWidget* parent, const QRect& geometry,
                  int pointSize = 9)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: #e8ecf1; background: transparent;");
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    return label;
}

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
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
    m_surface->setAccessibleName("Nuvra keypad");

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

    m_display = new DisplayLabel(this);
    m_display->setGeometry(twipsRect(90, 90, 2505, 690));
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
    m_display->onHover = [this] { showHover("lblnumber"); };

    m_rpnMarker = new QLabel("RPN", this);
    m_rpnMarker->setObjectName("RPN_ToggleEx");
    m_rpnMarker->setGeometry(twipsRect(660, 140, 500, 200));
    m_rpnMarker->setStyleSheet("color: #4fa8f0; font-size: 7pt; font-weight: bold;");
    m_rpnMarker->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_settingsButton = new SkinButton(
        "cmdmnu", [](QPainter& p, const QRectF& r, bool hot) { art::paintGear(p, r, hot); }, this);
    m_settingsButton->setGeometry(twipsRect(150, 130, 210, 210));
    m_settingsButton->onClick = [this] { emit settingsPanelRequested(); };
    m_settingsButton->onHover = [this] {
        showHover("cmdmnu");
        emit tooltipRequested(m_settingsButton, "View Settings (Ctrl+Z)");
    };

    m_alwaysOnTopBox = new SkinButton(
        "aotmstr", [](QPainter& p, const QRectF& r, bool on) { art::paintPin(p, r, on); }, this);
    m_alwaysOnTopBox->setGeometry(twipsRect(390, 130, 210, 210));
    m_alwaysOnTopBox->setToolTip("Always on top");
    m_alwaysOnTopBox->setAccessibleName("Always on top");
    m_alwaysOnTopBox->setChecked(true);
    m_alwaysOnTopBox->onClick = [this] {
        m_alwaysOnTop = !m_alwaysOnTop;
        m_alwaysOnTopBox->setChecked(m_alwaysOnTop);
        emit alwaysOnTopToggled(m_alwaysOnTop);
        FocusKeypad();
    };

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
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const KeySpec& spec = kKeys[i];
        auto* key = new KeypadKey(spec.button, spec.style, QString::fromUtf8(spec.label), this);
        key->setObjectName(spec.name);
        key->setAccessibleName(QString::fromUtf8(spec.label));
        const int height = kKeyHeightTwips + (spec.rows - 1) * 540;
        key->place(kColumnLeftTwips[static_cast<std::size_t>(spec.column)], rowTopFor(spec),
                   kKeyWidthTwips, height);
        connect(key, &KeypadKey::released, this, &Form1::keypadReleased);
        connect(key, &KeypadKey::hovered, this, &Form1::showHover);
        m_keyWidgets[i] = key;
    }
}

void Form1::buildStrips()
{
    m_copyPaste = new StripWidget("copypaste_box", this);
    m_copyPaste->setGeometry(twipsRect(0, kCopyPasteTopTwips, kWidthTwips, 480));
    m_copyPaste->setMouseTracking(true);
    m_copyPaste->installEventFilter(this);
    struct Item {
        const char* name;
        const char* text;
        int left;
        int width;
    };
    const std::array<Item, 3> items{{{"copypaste_back", "\u2039", 260, 240},
                                     {"copypaste_copy", "Copy", 630, 860},
                                     {"copypaste_paste", "Paste", 1700, 930}}};
    m_copyPasteUnderline = new Underline("copypaste_under", m_copyPaste);
    m_copyPasteUnderline->hide();
    for (const Item& item : items) {
        QLabel* label = stripItem(item.name, item.text, m_copyPaste,
                                  twipsRect(item.left, 60, item.width, 330), 10);
        label->installEventFilter(this);
    }
    m_copyPaste->hide();

    m_exitStrip = new StripWidget("killfr", this);
    m_exitStrip->setGeometry(twipsRect(0, kExitStripTopTwips, kWidthTwips, 1080));
    auto* question = stripItem("killfr_q", "Exit Nuvra?", m_exitStrip, twipsRect(0, 120, kWidthTwips, 330), 11);
    question->setCursor(Qt::ArrowCursor);
    QLabel* no = stripItem("killfr_n", "No", m_exitStrip, twipsRect(370, 540, 948, 330), 11);
    QLabel* yes = stripItem("killfr_y", "Yes", m_exitStrip, twipsRect(1440, 540, 840, 330), 11);
    no->installEventFilter(this);
    yes->installEventFilter(this);
    m_exitUnderline = new Underline("killfr_u", m_exitStrip);
    moveExitUnderline(false);
    m_exitStrip->hide();
}

void Form1::FocusKeypad()
{
    m_surface->setFocus(Qt::OtherFocusReason);
}

void Form1::Setfocus_End()
{
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

void Form1::showHover(const QString& controlName)
{
    m_butler.ShowButlerText(QString::fromUtf8(hoverText(controlName.toStdString()).data()));
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
    const QString name = watched->objectName();
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
        if (watched == m_surface) {
            showHover("main_bg");
            m_copyPasteUnderline->hide();
            emit tooltipHidden();
        } else if (watched == m_copyPaste) {
            m_copyPasteUnderline->hide();
            showHover("copypaste_box");
        } else if (name == "copypaste_copy" || name == "copypaste_paste" ||
                   name == "copypaste_back") {
            const QWidget* item = static_cast<QWidget*>(watched);
            m_copyPasteUnderline->setGeometry(item->x(), item->geometry().bottom() + 1,
                                              item->width(), twipsToPixels(45));
            m_copyPasteUnderline->show();
        } else if (name == "killfr_n") {
            moveExitUnderline(false);
        } else if (name == "killfr_y") {
            moveExitUnderline(true);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (name == "copypaste_copy") {
            CopyShownText();
            emit copied();
            m_session.display.closeCopyPasteStrip();
            render();
            FocusKeypad();
            return true;
        }
        if (name == "copypaste_paste") {
            pasteFromClipboard();
            return true;
        }
        if (name == "copypaste_back") {
            m_session.display.closeCopyPasteStrip();
            render();
            FocusKeypad();
            return true;
        }
        if (name == "killfr_n" || name == "killfr_y") {
            m_exitOnYes = name == "killfr_y";
            activateExitChoice();
            return true;
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
    m_entryText->setText(QString::fromStdString(display.entry()));
    if (!m_typingBox->hasFocus())
        m_typingBox->setText(QString::fromStdString(display.typingBox()));
    const std::optional<KeypadButton> pressed = m_keys.pressedButton();
    const bool rpn = m_session.engine.rpnMode;
    for (KeypadKey* key : m_keyWidgets) {
        key->setShownPressed(pressed == key->button());
        if (key->button() == KeypadButton::Equals)
            key->setLabel(rpn ? "ENTER" : "=");
        if (key->button() == KeypadButton::Dot)
            key->setPressable(display.settings().decimalsMode != DecimalsMode::None);
    }
    m_rpnMarker->setVisible(rpn);
    m_copyPaste->setVisible(display.copyPasteStripOpen());
    if (display.copyPasteStripOpen())
        m_copyPaste->raise();
    emit rendered();
}

} // namespace nuvra::core::ui
