#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace nuvra::shell::ui {

// Where the tooltip goes for a control, all in twips: above the control, centred on it, moved
// by the caller's offsets.
struct TooltipPlace {
    int left;
    int top;
};
constexpr TooltipPlace tooltipPlace(int formLeft, int formTop, int controlLeft, int controlTop,
                                    int controlWidth, int tooltipWidth, int tooltipHeight, int dy,
                                    int dx)
{
    return {controlLeft + formLeft + controlWidth / 2 - tooltipWidth / 2 + dx,
            controlTop + formTop - tooltipHeight + dy};
}

// The small semi-transparent label shown above a control; it hides itself every five seconds
// once its timer runs.
class TooltipWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 2775;
    static constexpr int kHeightTwips = 690;

    TooltipWindow();

    // dy and dx in twips, as the hover tables give them.
    void ShowTooltip(const QWidget& control, const QString& text, int dy = 0, int dx = 0);
    void HideTooltip();
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label = nullptr;
    QTimer m_hideTimer;
};

} // namespace nuvra::shell::ui
