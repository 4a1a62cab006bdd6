#include "app/calculator_app.h"

#include "core/number_text.h"
#include "core/ui/form1.h"
#include "frame/ui/wm.h"
#include "platform/linux/config_paths.h"
#include "platform/twips.h"

#include <QApplication>
#include <QScreen>

#include <cmath>
#include <string>

namespace nuvra::app {

using platform::pixelsToTwips;

void DesktopFeedback::beep()
{
    QApplication::beep();
}

CalculatorApp::CalculatorApp()
    : m_session(m_feedback), m_panel(m_session), m_keys(m_session, m_panel),
      m_settingsBackend(platform::settingsDirectory()), m_settings(m_settingsBackend)
{
}

CalculatorApp::~CalculatorApp() = default;

void CalculatorApp::start()
{
    m_frame = std::make_unique<frame::ui::Wm>(m_session, m_panel, m_keys, m_butler);

    // The frame's position, centred by the default offsets when none is stored.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const float screenWidth = static_cast<float>(pixelsToTwips(screen.width()));
    const float screenHeight = static_cast<float>(pixelsToTwips(screen.height()));
    const double top = m_settings.readNumber(shell::kApplication, shell::kPositionSection, "Top",
                                             screenHeight / 2.0f - 1657.0f);
    const double left = m_settings.readNumber(shell::kApplication, shell::kPositionSection, "Left",
                                              screenWidth / 2.0f - 1455.0f);
    m_frame->moveToTwips(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    m_panel.applyModeState(
        m_settings.ReadSetting(shell::kApplication, shell::kSettingsSection, "Mode State", "0"));
    m_frame->applyPanelState();

    core::ui::Form1& form = m_frame->form1();
    connect(&form, &core::ui::Form1::windowCommand, this, &CalculatorApp::handleWindowCommand);
    connect(&form, &core::ui::Form1::exitConfirmed, this, &CalculatorApp::saveAndExit);
    connect(&form, &core::ui::Form1::endAtOnce, qApp, &QApplication::quit);
    connect(m_frame.get(), &frame::ui::Wm::minimiseRequested, m_frame.get(), &QWidget::showMinimized);

    form.render();
    m_frame->show();
    form.FocusKeypad();
}

void CalculatorApp::handleWindowCommand(const core::KeyOutcome& outcome)
{
    switch (outcome.command) {
    case core::WindowCommand::MoveFrame: {
        const QRect screen = m_frame->screen()->geometry();
        const auto moved = frame::movedFrame(
            {m_frame->leftTwips(), m_frame->topTwips(), pixelsToTwips(m_frame->width()),
             pixelsToTwips(m_frame->height())},
            pixelsToTwips(screen.width()), pixelsToTwips(screen.height()), outcome.direction);
        if (moved)
            m_frame->moveToTwips(moved->left, moved->top);
        break;
    }
    default:
        break;
    }
    m_frame->form1().render();
}

void CalculatorApp::saveAndExit()
{
    const std::string app(shell::kApplication);
    m_settings.WriteSetting(app, shell::kPositionSection, "Top",
                            core::NumberToText(m_frame->topTwips()));
    m_settings.WriteSetting(app, shell::kPositionSection, "Left",
                            core::NumberToText(m_frame->leftTwips()));
    m_settings.WriteSetting(app, shell::kSettingsSection, "Mode State", m_panel.SaveModeState());
    m_frame->hide();
    QApplication::quit();
}

} // namespace nuvra::app
