#pragma once

#include "art/skin.h"
#include "core/keypad.h"

#include <QWidget>

namespace nuvra::core::ui {

// One key of the keypad: drawn by the skin, pressed while the mouse holds it or while the
// keyboard map says so, and 10 twips lower while pressed.
class KeypadKey : public QWidget {
    Q_OBJECT
public:
    KeypadKey(KeypadButton button, art::KeyStyle style, QString label, QWidget* parent);

    KeypadButton button() const { return m_button; }
    void setLabel(const QString& label);
    // The rest position in twips; the key draws itself 10 twips lower while pressed.
    void place(int leftTwips, int topTwips, int widthTwips, int heightTwips);
    void setShownPressed(bool pressed);
    // The decimal point shows no pressed picture when no decimals are typed.
    void setPressable(bool pressable) { m_pressable = pressable; }

signals:
    void released(nuvra::core::KeypadButton button);
    void hovered(const QString& controlName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void updateGeometryForState();

    KeypadButton m_button;
    art::KeyStyle m_style;
    QString m_label;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_mouseDown = false;
    bool m_shownPressed = false;
    bool m_hovered = false;
    bool m_pressable = true;
};

} // namespace nuvra::core::ui
