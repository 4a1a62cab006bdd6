#include "art/kit/skin_button.h"

#include "platform/desktop/twips_geometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace nuvra::kit {

SkinButton::SkinButton(art::Picture picture, QWidget* parent)
    : QAbstractButton(parent), m_picture(picture)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // The keypad surface keeps the keyboard; buttons are pressed by mouse or assistive
    // technology, not tabbed to.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::pressed, this, [this] { updatePlace(); });
    connect(this, &QAbstractButton::released, this, [this] { updatePlace(); });
}

void SkinButton::setPicture(art::Picture picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void SkinButton::place(const platform::TwipsRect& rest)
{
    m_rest = rest;
    m_placed = true;
    updatePlace();
}

void SkinButton::setShownDown(bool down)
{
    if (down == m_shownDown)
        return;
    m_shownDown = down;
    updatePlace();
    update();
}

void SkinButton::setPressable(bool pressable)
{
    if (pressable == m_pressable)
        return;
    m_pressable = pressable;
    updatePlace();
    update();
}

void SkinButton::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

void SkinButton::setHot(bool hot)
{
    if (hot == m_hot)
        return;
    m_hot = hot;
    update();
}

QSize SkinButton::sizeHint() const
{
    return m_placed ? platform::twipsRect(m_rest).size() : QSize(24, 24);
}

bool SkinButton::drawnDown() const
{
    return (m_shownDown || isDown()) && m_pressable;
}

void SkinButton::updatePlace()
{
    if (!m_placed)
        return;
    platform::TwipsRect rect = m_rest;
    if (drawnDown())
        rect.top += m_dropTwips;
    setGeometry(platform::twipsRect(rect));
}

void SkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::PictureState state;
    state.down = drawnDown();
    state.hot = m_hot;
    state.checked = isChecked() || m_lit;
    art::paintPicture(painter, rect(), m_picture, text(), state);
}

void SkinButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    setHot(true);
    emit hovered();
}

void SkinButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    setHot(false);
}

void SkinButton::mouseMoveEvent(QMouseEvent* event)
{
    QAbstractButton::mouseMoveEvent(event);
    // Put back to normal by the window while the pointer stayed on it, it comes over it again.
    if (!m_hot) {
        setHot(true);
        emit hovered();
    }
    // The move is the button's: the skin behind it must not take it for a move over itself
    // (which puts the title buttons and the stack commands back to rest).
    event->accept();
}

bool SkinButton::hitButton(const QPoint& position) const
{
    // A held key sits lower; a press on its top edge still counts when released there.
    const int drop = drawnDown() ? platform::twipsToPixels(m_dropTwips) : 0;
    return rect().adjusted(0, -drop, 0, 0).contains(position);
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    // Other buttons are the button's too (a right click on the menu button), not the skin's
    // behind it, which would start a drag.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        if (rect().contains(event->position().toPoint()))
            emit otherButtonReleased(event->button());
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void SkinButton::checkStateSet()
{
    QAbstractButton::checkStateSet();
    update();
}

} // namespace nuvra::kit
