#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>
#include <QString>

class QPainter;

// Every picture of the skin is drawn here, as vector art, so it stays crisp at any scale.
namespace nuvra::art {

enum class KeyStyle { Digit, Operator, Equals, Cancel, Function };
enum class TitleButton { Menu, Minimise, Close };
enum class StackGlyph { Roll, Swap, Drop };

QColor displayColour();
QColor errorColour();

void paintFrameBody(QPainter& painter, const QRectF& body, qreal titleBarHeight);
void paintTitleButton(QPainter& painter, const QRectF& rect, TitleButton kind, bool hovered);
void paintKey(QPainter& painter, const QRectF& rect, KeyStyle style, const QString& label,
              bool pressed, bool hovered);
void paintDisplay(QPainter& painter, const QRectF& rect);
// The strips laid over the display and the keypad: copy/paste and the exit question.
void paintStrip(QPainter& painter, const QRectF& rect);
void paintUnderline(QPainter& painter, const QRectF& rect);
void paintStackPanel(QPainter& painter, const QRectF& rect);
void paintStackCommand(QPainter& painter, const QRectF& rect, StackGlyph glyph, bool lit);
// The settings gear and the always-on-top pin of the display corners.
void paintGear(QPainter& painter, const QRectF& rect, bool hovered);
void paintPin(QPainter& painter, const QRectF& rect, bool checked);

// The confirmations of the popup window: a copy, the two hotkeys, a toolbox shortcut.
enum class PopupPicture { Copy, AltR, ShiftR, Shortcut, Plain };
void paintPopup(QPainter& painter, const QRectF& rect, PopupPicture picture);
// A sunken pane inside a window (the pages, the pull-out bar, a result field).
void paintPane(QPainter& painter, const QRectF& rect, bool sunken);
// The rounded shape of the tooltip window.
void paintTooltip(QPainter& painter, const QRectF& rect);

// The pictures a control of a window's table can carry; buttons draw the hot form ("_h") while
// the pointer is over them or they are held down.
enum class Picture {
    None,
    MenuButton,
    Minimise,
    Close,
    Gear,
    Pin,
    DigitKey,
    OperatorKey,
    EqualsKey,
    CancelKey,
    FunctionKey,
    StackRoll,
    StackSwap,
    StackDrop,
    PanelToggle, // checked: the panel is open and the arrow points back
    TextButton,  // a flat button with its text
    StripItem,   // a choice of the strips over the display: its text alone
    Waiting,     // the operand strip's indicators
    Done,
    Invalid,
    PageTab,    // a page tab; checked while its page shows
    Indicator,  // a state shown in a pill (the angular system), pressed for its menu
    Highlight,  // the lit ring around the key under the pointer
    ListHint,   // what an empty list says over itself
};

struct PictureState {
    bool down = false;
    bool hot = false;
    bool checked = false;
};

void paintPicture(QPainter& painter, const QRectF& rect, Picture picture, const QString& text,
                  PictureState state);

// The program's icon, drawn at the usual sizes.
QIcon applicationIcon();

} // namespace nuvra::art
