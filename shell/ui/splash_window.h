#pragma once

#include <QTimer>
#include <QWidget>

namespace nuvra::shell::ui {

// The first window: an animated picture that fades in for about a second, then fades out while
// the frame appears.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 2910;
    static constexpr int kHeightTwips = 3314;

    SplashWindow();
    // The sequence: fade in, and on the fifth step (about 1.25 s) frameDue.
    void start();
    int opacityCounter() const { return m_counter; }

signals:
    void frameDue();
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_steps;
    QTimer m_fadeIn;
    QTimer m_fadeOut;
    QTimer m_animation;
    int m_stepCount = 0;
    int m_counter = 0;
    int m_frame = 0;
};

} // namespace nuvra::shell::ui
