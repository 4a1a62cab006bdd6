#pragma once

#include "art/skin.h"
#include "platform/twips.h"

#include <QAbstractButton>

namespace nuvra::kit {

// The one button of the skin: a picture in its normal or hot form, pressed by the mouse, the
// keyboard map (shown down until the key comes up) or assistive technology. It may sit a few
// twips lower while down, as the keypad's keys do. Screen readers see a push button (a check
// box when it is checkable) with its text, or its accessible name when it shows none.
class SkinButton : public QAbstractButton {
    Q_OBJECT
public:
    SkinButton(art::Picture picture, QWidget* parent);

    art::Picture picture() const { return m_picture; }
    void setPicture(art::Picture picture);
    // The rest place in twips; while down the button is drawn dropOffsetTwips lower.
    void place(const platform::TwipsRect& rest);
    void setDropOffsetTwips(int twips) { m_dropTwips = twips; }
    // Shown down by the keyboard until the next key-up, as if held by the mouse.
    void setShownDown(bool down);
    // A button that cannot look pressed (the decimal point without decimals) still clicks.
    void setPressable(bool pressable);
    // Lit by the window (the stack command under the pointer); drawn as checked.
    void setLit(bool lit);
    bool isLit() const { return m_lit; }
    // The hot form ("_h") is drawn while the pointer is over the button or it is held down;
    // the window may put it back to normal ("_n") when the pointer moves elsewhere.
    void setHot(bool hot);
    bool isHot() const { return m_hot; }

    QSize sizeHint() const override;

signals:
    // The pointer came over the button: it entered, or moved on it after the window had put
    // it back to normal.
    void hovered();
    // A mouse button other than the left one was released over the button.
    void otherButtonReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void checkStateSet() override;
    bool hitButton(const QPoint& position) const override;

private:
    void updatePlace();
    // Held by the mouse or shown down by the keyboard, and able to look pressed.
    bool drawnDown() const;

    art::Picture m_picture;
    platform::TwipsRect m_rest;
    bool m_placed = false;
    int m_dropTwips = 0;
    bool m_shownDown = false;
    bool m_pressable = true;
    bool m_lit = false;
    bool m_hot = false;
};

} // namespace nuvra::kit
