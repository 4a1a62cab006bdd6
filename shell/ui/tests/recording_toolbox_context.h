#pragma once

#include "art/kit/butler_channel.h"
#include "core/feedback.h"
#include "core/session.h"
#include "platform/desktop/qt_clipboard.h"
#include "sci/science_state.h"
#include "shell/menu_model.h"
#include "shell/ui/toolbox_context.h"

#include <QImage>
#include <QPoint>

#include <string>
#include <string_view>
#include <vector>

namespace nuvra::shell::ui::testing {

// What a toolbox window reaches of the program, over a fresh session and menu, recording what
// the window asks of the program. A chosen menu item sets its mark, as the menu would.
struct RecordingToolboxContext {
    struct Popup {
        MenuPopup which;
        QPoint at;
    };

    core::CountingFeedback sounds;
    core::Session session{sounds};
    sci::ScienceState science;
    MenuModel menu;
    kit::ButlerChannel channel;
    platform::QtClipboard clipboard;
    std::vector<Popup> popups;
    std::vector<std::string> menuItems;
    std::vector<sci::OperandMode> strips;
    std::vector<PopupKind> notifications;
    int keypadFocused = 0;
    ToolboxContext context{
        session,
        science,
        menu,
        channel,
        clipboard,
        [this](MenuPopup which, QPoint at) { popups.push_back({which, at}); },
        [this](std::string_view item) {
            menuItems.emplace_back(item);
            menu.checkInGroup(item);
        },
        [this] { ++keypadFocused; },
        [this](sci::OperandMode mode) { strips.push_back(mode); },
        [this](const QImage& image) { static_cast<void>(clipboard.setImage(image)); },
        [this](PopupKind kind) { notifications.push_back(kind); }};
};

} // namespace nuvra::shell::ui::testing
