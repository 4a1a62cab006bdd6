#include "core/ui/keypad_key.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace nuvra::core::ui {

using platform::twipsToPixels;

KeypadKey::KeypadKey(KeypadButton button, art::KeyStyle style, QString label, QWidget* parent)
    : QWidget(parent), m_button(button), m_style(style), m_label(std::move(label))
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void KeypadKey::setLabel(const QString& label)
{
    if (label == m_label)
        return;
    m_label = label;
    update();
}

void KeypadKey::place(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    m_left = leftTwips;
    m_top = topTwips;
    m_width = widthTwips;
    m_height = heightTwips;
    updateGeometryForState();
}

void KeypadKey::setShownPressed(bool pressed)
{
    if (pressed == m_shownPressed)
        return;
    m_shownPressed = pressed;
    updateGeometryForState();
    update();
}

void KeypadKey::updateGeometryForState()
{
    const bool down = (m_shownPressed || m_mouseDown) && m_pressable;
    const int top = m_top + (down ? kPressOffsetTwips : 0);
    setGeometry(twipsToPixels(m_left), twipsToPixels(top), twipsToPixels(m_width),
                twipsToPixels(m_height));
}

void KeypadKey::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool down = (m_shownPressed || m_mouseDown) && m_pressable;
    art::paintKey(painter, rect(), m_style, m_label, down, m_hovered);
}

void KeypadKey::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_mouseDown = true;
    updateGeometryForState();
    update();
}

void KeypadKey::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_mouseDown)
        return;
    m_mouseDown = false;
    updateGeometryForState();
    update();
    if (rect().contains(event->position().toPoint()))
        emit released(m_button);
}

void KeypadKey::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
    emit hovered(objectName());
}

void KeypadKey::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

} // namespace nuvra::core::ui
