#pragma once

#include "core/keypad.h"
#include "core/session.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace nuvra::kit {
class ButlerChannel;
class SkinButton;
} // namespace nuvra::kit

namespace nuvra::core::ui {

using kit::ButlerChannel;
class DisplayLabel;
class StripWidget;

// The main window: keypad, display, copy/paste strip and exit strip. It turns mouse and keyboard
// input into calls of the keyboard map and renders the session's display after each of them.
class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLeftTwips = 120;
    static constexpr int kTopTwips = 230;
    static constexpr int kWidthTwips = 2685;
    static constexpr int kHeightTwips = 2970;

    Form1(Session& session, KeypadInput& keys, ButlerChannel& butler, QWidget* parent);

    // The hidden text fields (the entry text and the typing box), made once the window is on the
    // screen; a second call does nothing.
    void completeSetup();
    // Keyboard focus to the keypad surface, so that the keyboard map keeps working.
    void FocusKeypad();
    // Focus to the typing box with the caret after its last character.
    void Setfocus_End();
    void openExitStrip();
    void closeExitStrip();
    bool exitStripOpen() const;
    void openCopyPasteStrip();
    // Copies the shown text to the clipboard (cleared first); the strip's Copy also says copied.
    void CopyShownText();
    void pasteFromClipboard();
    bool alwaysOnTop() const { return m_alwaysOnTop; }
    // Reads the session again: after changes made outside the window (mode switches, toolboxes).
    void render();

signals:
    // Every key's outcome; keys handled by the window itself come as WindowCommand::None.
    void windowCommand(const nuvra::core::KeyOutcome& outcome);
    void exitConfirmed();
    void exitCancelled();
    void endAtOnce();
    void settingsPanelRequested();
    void alwaysOnTopToggled(bool onTop);
    void copied();
    void keypadSurfacePressed();
    void rendered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildKeypad();
    void buildStrips();
    void keyDown(QKeyEvent& event);
    void keyUp();
    void keypadReleased(KeypadButton button);
    void moveExitUnderline(bool toYes);
    void activateExitChoice();

    Session& m_session;
    KeypadInput& m_keys;
    ButlerChannel& m_butler;
    QWidget* m_surface = nullptr;
    DisplayLabel* m_display = nullptr;
    QLineEdit* m_entryText = nullptr;
    QLineEdit* m_typingBox = nullptr;
    QLabel* m_rpnMarker = nullptr;
    kit::SkinButton* m_settingsButton = nullptr;
    kit::SkinButton* m_alwaysOnTopBox = nullptr;
    std::array<kit::SkinButton*, 19> m_keyWidgets{};
    StripWidget* m_copyPaste = nullptr;
    QWidget* m_copyPasteUnderline = nullptr;
    StripWidget* m_exitStrip = nullptr;
    QWidget* m_exitUnderline = nullptr;
    bool m_exitOnYes = false;
    bool m_alwaysOnTop = true;
};

} // namespace nuvra::core::ui
