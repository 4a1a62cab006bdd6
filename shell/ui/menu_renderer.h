#pragma once

#include "shell/menu_model.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <string_view>

class QMenu;

namespace nuvra::shell::ui {

// Draws a popup of the menu model as a Qt menu, fresh each time, so its captions, check marks
// and enabled states are the model's; a chosen item goes back by its name.
class MenuRenderer : public QObject {
    Q_OBJECT
public:
    using TriggerHandler = std::function<void(std::string_view itemName)>;

    MenuRenderer(const MenuModel& model, TriggerHandler onTrigger, QObject* parent = nullptr);

    // A new menu for the popup; the caller owns it.
    QMenu* build(MenuPopup which) const;
    // Shows the popup at a screen position and deletes it when it closes.
    void popup(MenuPopup which, const QPoint& globalPosition) const;

private:
    const MenuModel& m_model;
    TriggerHandler m_onTrigger;
};

} // namespace nuvra::shell::ui
