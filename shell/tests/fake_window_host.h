#pragma once

#include "shell/window_host.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuvra::shell {

// Toolbox windows in memory: which are loaded and shown.
class FakeToolboxHost final : public ToolboxHost {
public:
    struct Window {
        bool loaded = false;
        bool visible = false;
        int loads = 0;
    };

    void showToolbox(Toolbox toolbox, bool visible) override;
    void setToolboxVisible(Toolbox toolbox, bool visible) override;
    void unloadToolbox(Toolbox toolbox) override;
    bool isToolboxLoaded(Toolbox toolbox) const override;

    bool isVisible(Toolbox toolbox) const;
    const Window& window(Toolbox toolbox) const;

private:
    std::map<Toolbox, Window> m_windows;
};

// The frame, tray and dialogs in memory; every call is counted or recorded.
class FakeFrameHost final : public FrameHost {
public:
    bool isFrameMinimized() const override { return minimized; }
    void minimizeFrame() override { minimized = true; }
    void restoreFrame() override { minimized = false; }
    void focusKeypad() override { ++focusCount; }
    void hideTooltip() override { ++tooltipHides; }
    void showExitStrip() override { ++exitStripShows; }
    void showSettingsPanel() override { settingsPanelVisible = true; }
    void showAbout() override { ++aboutShows; }
    void showUpdateWindow() override { ++updateWindowShows; }
    void openControlPanel() override { ++controlPanelOpens; }
    void resetEverything() override { ++resets; }
    void offerRevoNotice() override { ++revoNotices; }
    void showTrayBalloon(std::string_view title, std::string_view text) override
    {
        balloons.emplace_back(title, text);
    }
    void showPopup(PopupKind kind) override { popups.push_back(kind); }
    void showShortcutPopup(std::string_view toolboxName, char letter) override
    {
        shortcutPopups.emplace_back(std::string(toolboxName), letter);
    }
    void startReminderTimer() override { reminderRunning = true; }
    void stopReminderTimer() override { reminderRunning = false; }
    void openUrl(std::string_view url) override { urls.emplace_back(url); }

    bool minimized = false;
    bool settingsPanelVisible = false;
    bool reminderRunning = false;
    int focusCount = 0;
    int tooltipHides = 0;
    int exitStripShows = 0;
    int aboutShows = 0;
    int updateWindowShows = 0;
    int controlPanelOpens = 0;
    int resets = 0;
    int revoNotices = 0;
    std::vector<std::pair<std::string, std::string>> balloons;
    std::vector<PopupKind> popups;
    std::vector<std::pair<std::string, char>> shortcutPopups;
    std::vector<std::string> urls;
};


} // namespace nuvra::shell
