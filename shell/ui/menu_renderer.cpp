#include "shell/ui/menu_renderer.h"

#include "art/kit/control_table.h"
#include "art/palette.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace nuvra::shell::ui {

MenuRenderer::MenuRenderer(const MenuModel& model, TriggerHandler onTrigger, QObject* parent)
    : QObject(parent), m_model(model), m_onTrigger(std::move(onTrigger))
{
}

QMenu* MenuRenderer::build(MenuPopup which) const
{
    const MenuItem& root = m_model.popup(which);
    auto* menu = new QMenu(QString::fromStdString(root.caption));
    menu->setObjectName(kit::qs(root.name));
    using art::palette::css;
    menu->setStyleSheet(
        QString("QMenu { background: %1; color: %2; border: 1px solid %3; }"
                "QMenu::item:selected { background: %4; }"
                "QMenu::item:disabled { color: %5; }"
                "QMenu::separator { height: 1px; background: %3; margin: 3px 6px; }")
            .arg(css(art::palette::panel()), css(art::palette::text()),
                 css(art::palette::buttonHot()), css(art::palette::operatorKey()),
                 css(art::palette::faintText())));
    std::vector<QMenu*> levels{menu};
    m_model.forEachItem(which, [&](const MenuItem& item, int depth) {
        levels.resize(static_cast<std::size_t>(depth));
        QMenu* parent = levels.back();
        const QString name = kit::qs(item.name);
        if (item.separator) {
            QAction* separator = parent->addSeparator();
            separator->setObjectName(name);
            separator->setVisible(item.visible);
            levels.push_back(nullptr);
            return;
        }
        if (item.submenu) {
            QMenu* sub = parent->addMenu(QString::fromStdString(item.caption));
            sub->setObjectName(name);
            sub->menuAction()->setObjectName(name);
            sub->menuAction()->setVisible(item.visible);
            sub->setEnabled(item.enabled);
            sub->setStyleSheet(menu->styleSheet());
            levels.push_back(sub);
            return;
        }
        QString text = QString::fromStdString(item.caption);
        if (!item.shortcut.empty())
            text += '\t' + kit::qs(item.shortcut);
        QAction* action = parent->addAction(text);
        action->setObjectName(name);
        action->setCheckable(item.checkable);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
        const std::string_view itemName = item.name;
        connect(action, &QAction::triggered, this, [this, itemName] { m_onTrigger(itemName); });
        levels.push_back(nullptr);
    });
    return menu;
}

void MenuRenderer::popup(MenuPopup which, const QPoint& globalPosition) const
{
    QMenu* menu = build(which);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

} // namespace nuvra::shell::ui
