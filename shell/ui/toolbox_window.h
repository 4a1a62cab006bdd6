#pragma once

#include "art/kit/control_table.h"
#include "platform/twips.h"
#include "shell/toolbox_table.h"

#include <QWidget>

#include <span>

namespace nuvra::kit {
class ButlerChannel;
class SkinButton;
} // namespace nuvra::kit

namespace nuvra::shell::ui {

enum class ToolboxSide { Right, Left };

// Toolboxes open on the right while the frame's left edge is not past the middle of the screen.
constexpr ToolboxSide ChooseToolboxSide(int screenWidthTwips, int frameLeftTwips)
{
    return screenWidthTwips / 2 >= frameLeftTwips ? ToolboxSide::Right : ToolboxSide::Left;
}

// A toolbox's first opening: its top at the frame's top, its left 3080 twips right of the
// frame's left, or 170 twips left of the frame on the left side.
constexpr platform::TwipsPoint firstToolboxPlace(ToolboxSide side, int frameLeft, int frameTop,
                                                 int toolboxWidth)
{
    return {side == ToolboxSide::Right ? frameLeft + 3080 : frameLeft - 170 - toolboxWidth,
            frameTop};
}

// The first place of a window of the table in a run, by its placement kind; Own windows are
// asked themselves.
constexpr platform::TwipsPoint firstPlaceFor(const ToolboxSpec& spec, platform::TwipsPoint frame,
                                             int screenWidthTwips)
{
    switch (spec.place) {
    case PlaceKind::AboveFrame:
        return {frame.left, frame.top - 700};
    case PlaceKind::BesideFrame:
    case PlaceKind::Own:
        break;
    }
    return firstToolboxPlace(ChooseToolboxSide(screenWidthTwips, frame.left), frame.left,
                             frame.top, spec.widthTwips);
}

// The base of every toolbox window: borderless and on top, titled and sized by its row of the
// toolbox table, dragged by its skin, with the close button "but". A window declares its
// controls in a table and builds them with buildControls; after every command it reads the
// session and the models again in render().
class ToolboxWindow : public QWidget {
    Q_OBJECT
public:
    ToolboxWindow(const ToolboxSpec& spec, kit::ButlerChannel& butler);
    ~ToolboxWindow() override;

    const ToolboxSpec& spec() const { return m_spec; }
    // Where an Own window opens first in a run; the others follow the table's kind.
    virtual platform::TwipsPoint firstPlace(platform::TwipsPoint frame, int screenWidthTwips) const;
    virtual void render() {}
    // The window is about to be unloaded (hidden now, deleted later): it hands back what
    // outlives it, so that a window loaded again at once finds it.
    virtual void aboutToUnload() {}
    kit::SkinButton& closeButton() const { return *m_close; }

signals:
    // The window's own close button was released over it.
    void closeRequested();
    // The window changed the session (the main display, the history): the others render again.
    void commandDone();
    // The window shows or hides itself (the Butler bar while a strip is open).
    void visibilityRequested(bool visible);

protected:
    kit::ButlerChannel& butler() const { return m_butler; }
    kit::Controls buildControls(std::span<const kit::ControlSpec> table);
    // The close button's help for the Butler bar, also its accessible description.
    void setCloseHelp(const QString& text);
    void paintEvent(QPaintEvent* event) override;
    // The close button keeps to the right edge of a window that changes its width.
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A close from the window manager (Alt+F4) goes the way of the close button.
    void closeEvent(QCloseEvent* event) override;

private:
    const ToolboxSpec& m_spec;
    kit::ButlerChannel& m_butler;
    kit::SkinButton* m_close = nullptr;
};

} // namespace nuvra::shell::ui
