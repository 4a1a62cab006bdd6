#pragma once

#include "sci/science_state.h"
#include "shell/ui/toolbox_window.h"

#include <functional>

class QLabel;
class QLineEdit;

namespace nuvra::core {
struct Session;
}

namespace nuvra::sci::ui {

// The Butler bar "ex": one line of help about whatever the pointer is over in any window, and
// the operand strip that asks for the n of x^n, the n-th root, n percent, or a new tax rate.
// The window only shows the strip model of the science state and hands it the user's input.
class ButlerWindow : public shell::ui::ToolboxWindow {
    Q_OBJECT
public:
    static constexpr int kCoverMs = 1500;
    static constexpr std::string_view kWelcomeText =
        "Welcome to Nuvra. Hower over buttons to know what they do. Hope you enjoy.";

    // butlerChecked tells whether the menu's Butler command is checked.
    ButlerWindow(core::Session& session, ScienceState& science, kit::ButlerChannel& butler,
                 std::function<bool()> butlerChecked);

    platform::TwipsPoint firstPlace(platform::TwipsPoint frame, int screenWidthTwips) const override;
    void render() override;

    // The opening keys of the scientific page and the tax set.
    void OpenOperandStrip(OperandMode mode);
    // Enter in the entry field, or the continue button.
    void ApplyOperand(ApplyTrigger trigger);
    // Focus to the entry field with the caret at its end.
    void FocusOperandEntry();
    bool coverShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void afterStripChange();
    void typeIntoEntry(QKeyEvent& event);

    core::Session& m_session;
    ScienceState& m_science;
    std::function<bool()> m_butlerChecked;
    kit::Controls m_controls;
    QLabel* m_help = nullptr;
    QLineEdit* m_entry = nullptr;
    QWidget* m_cover = nullptr;
};

} // namespace nuvra::sci::ui
