#pragma once

#include "shell/window_host.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuvra::shell {

// Toolbox windows in memory: which are loaded and shown, where they stand, what they show.
class FakeToolboxHost final : public ToolboxHost {
public:
    struct Window {
        bool loaded = false;
        bool visible = false;
        int loads = 0;
        TwipsPosition position;
    };

    void showToolbox(Toolbox toolbox, bool visible) override;
    void setToolboxVisible(Toolbox toolbox, bool visible) override;
    void unloadToolbox(Toolbox toolbox) override;
    bool isToolboxLoaded(Toolbox toolbox) const override;
    TwipsPosition toolboxPosition(Toolbox toolbox) const override;
    void moveToolbox(Toolbox toolbox, TwipsPosition position) override;
    void setScientificPage(ScientificPage page) override { scientificPage = page; }
    void setScientificAngleIndicator(core::AngularSystem system) override
    {
        scientificAngle = system;
    }
    void setLogKeyPicture(LogKeyMode mode) override { logPicture = mode; }
    void setHistoryCover(bool shown) override { historyCover = shown; }
    void setEquationAngleLabel(std::string_view text) override { equationAngleLabel = text; }
    void applyEquationScheme(EquationScheme scheme) override { equationScheme = scheme; }
    void setFinancialType(FinancialType type) override { financialType = type; }

    bool isVisible(Toolbox toolbox) const;
    const Window& window(Toolbox toolbox) const;

    std::optional<ScientificPage> scientificPage;
    std::optional<core::AngularSystem> scientificAngle;
    std::optional<LogKeyMode> logPicture;
    std::optional<bool> historyCover;
    std::optional<std::string> equationAngleLabel;
    std::optional<EquationScheme> equationScheme;
    std::optional<FinancialType> financialType;

private:
    std::map<Toolbox, Window> m_windows;
};

// The frame, tray and dialogs in memory; every call is counted or recorded.
class FakeFrameHost final : public FrameHost {
public:
    bool isFrameMinimized() const override { return minimized; }
    void minimizeFrame() override { minimized = true; }
    void restoreFrame() override { minimized = false; }
    TwipsPosition framePosition() const override { return position; }
    void focusKeypad() override { ++focusCount; }
    void hideTooltip() override { ++tooltipHides; }
    void showExitStrip() override { ++exitStripShows; }
    void showSettingsPanel() override { settingsPanelVisible = true; }
    bool isSettingsPanelVisible() const override { return settingsPanelVisible; }
    void setSettingsPanelAngleLabel(std::string_view text) override { settingsAngleLabel = text; }
    void showAbout() override { ++aboutShows; }
    void showUpdateWindow() override { ++updateWindowShows; }
    void openControlPanel() override { ++controlPanelOpens; }
    void resetEverything() override { ++resets; }
    void setModePictures(bool rpn) override { modePicturesRpn = rpn; }
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
    TwipsPosition position{4000.0, 6000.0};
    bool settingsPanelVisible = false;
    std::optional<std::string> settingsAngleLabel;
    std::optional<bool> modePicturesRpn;
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

// A clipboard that holds one text, or fails to read while unreadable is set.
class FakeClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override { return unreadable ? std::nullopt : content; }
    void setText(std::string_view text) override { content = std::string(text); }
    void clear() override
    {
        content.reset();
        ++clears;
    }

    std::optional<std::string> content;
    bool unreadable = false;
    int clears = 0;
};

} // namespace nuvra::shell
