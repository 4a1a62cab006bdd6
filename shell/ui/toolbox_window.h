#pragma once

#include <QWidget>

#include <functional>
#include <optional>

namespace nuvra::shell::ui {

enum class ToolboxSide { Right, Left };

// Toolboxes open on the right while the frame's left edge is not past the middle of the screen.
constexpr ToolboxSide ChooseToolboxSide(int screenWidthTwips, int frameLeftTwips)
{
    return screenWidthTwips / 2 >= frameLeftTwips ? ToolboxSide::Right : ToolboxSide::Left;
}

struct TwipsPoint {
    int left;
    int top;
};

// A toolbox's first opening: its top at the frame's top, its left 3080 twips right of the
// frame's left, or 170 twips left of the frame on the left side.
constexpr TwipsPoint firstToolboxPlace(ToolboxSide side, int frameLeft, int frameTop,
                                       int toolboxWidth)
{
    return {side == ToolboxSide::Right ? frameLeft + 3080 : frameLeft - 170 - toolboxWidth,
            frameTop};
}

// Where a toolbox was when it last closed, kept in memory for the run.
struct ToolboxPlacement {
    std::optional<TwipsPoint> saved;
};

// The base of every toolbox window: borderless and on top, dragged by its skin, with a close
// button "but" (normal and hover pictures) that clears the toolbox's menu check.
class ToolboxWindow : public QWidget {
    Q_OBJECT
public:
    ToolboxWindow(const QString& name, const QString& caption, int widthTwips, int heightTwips,
                  ToolboxPlacement& placement);
    ~ToolboxWindow() override;

    // Places the window: the saved place of an earlier opening, or the first-opening rule
    // beside the frame (given in twips with the screen width).
    void placeBeside(int frameLeft, int frameTop, int screenWidthTwips);
    // The close button: the owner clears the menu check and unloads the window.
    std::function<void()> onClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ToolboxPlacement& m_placement;
    int m_widthTwips;
};

} // namespace nuvra::shell::ui
