#pragma once

#include "art/skin.h"

#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace nuvra::shell::ui {

// The fading confirmation in the middle of the screen: a copy, a hotkey, a toolbox shortcut.
// It fades in for one second, fades out and closes itself.
class PopupWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 3345;
    static constexpr int kHeightTwips = 2295;

    // kind: "copy", "altr", "shiftr", "shortcut" or anything else (the plain background).
    PopupWindow(const QString& kind, const QString& toolboxName, const QString& letter);
    // A warning to read: the plain background with the text, held long enough to read it
    // (a click closes it sooner) and announced to assistive technology.
    static PopupWindow* message(const QString& text);

    int opacityCounter() const { return m_counter; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyOpacity();

    art::PopupPicture m_picture;
    QTimer m_fadeIn;
    QTimer m_fadeOut;
    QTimer m_sequence;
    int m_counter = 0;
    int m_ticks = 0;
    int m_fadeOutAtTick;
    bool m_message = false;
};

} // namespace nuvra::shell::ui
