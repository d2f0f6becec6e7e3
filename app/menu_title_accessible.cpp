// The menu bar's titles for screen readers, named without their padding.
#include "app/menu_title_accessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

MenuTitleAccessible::MenuTitleAccessible(QMenuBar* bar, QAction* action) : bar(bar), action(action)
{
}

void MenuTitleAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(&MenuTitleAccessible::Factory);
    }
}

QAccessibleInterface* MenuTitleAccessible::Factory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QAction"))
        return nullptr;
    auto* action = static_cast<QAction*>(object);
    if (action->menu<QMenu*>() == nullptr)
        return nullptr;
    for (QObject* user : action->associatedObjects()) {
        if (auto* bar = qobject_cast<QMenuBar*>(user))
            return new MenuTitleAccessible(bar, action);
    }
    return nullptr;
}

bool MenuTitleAccessible::isValid() const
{
    return bar != nullptr && action != nullptr;
}

QObject* MenuTitleAccessible::object() const
{
    return action;
}

QWindow* MenuTitleAccessible::window() const
{
    return bar != nullptr && bar->window() != nullptr ? bar->window()->windowHandle() : nullptr;
}

void* MenuTitleAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QAccessibleInterface* MenuTitleAccessible::childAt(int x, int y) const
{
    QAccessibleInterface* menu = child(0);
    return menu != nullptr && menu->rect().contains(x, y) ? menu : nullptr;
}

QAccessibleInterface* MenuTitleAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(bar);
}

QAccessibleInterface* MenuTitleAccessible::child(int index) const
{
    if (index != 0 || action == nullptr || action->menu<QMenu*>() == nullptr)
        return nullptr;
    return QAccessible::queryAccessibleInterface(action->menu<QMenu*>());
}

int MenuTitleAccessible::childCount() const
{
    return action != nullptr && action->menu<QMenu*>() != nullptr ? 1 : 0;
}

int MenuTitleAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && action != nullptr && child->object() == action->menu<QMenu*>() ? 0 : -1;
}

QString MenuTitleAccessible::text(QAccessible::Text type) const
{
    if (type != QAccessible::Name || action == nullptr)
        return {};
    return action->text().trimmed();
}

QRect MenuTitleAccessible::rect() const
{
    if (!isValid())
        return {};
    return bar->actionGeometry(action).translated(bar->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State MenuTitleAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    state.invisible = !bar->isVisible() || !action->isVisible();
    state.focused = bar->activeAction() == action;
    state.disabled = !action->isEnabled();
    state.hasPopup = true;
    return state;
}

QStringList MenuTitleAccessible::actionNames() const
{
    return {showMenuAction()};
}

void MenuTitleAccessible::doAction(const QString& name)
{
    if (!isValid() || !action->isEnabled() || name != showMenuAction())
        return;
    QMenu* menu = action->menu<QMenu*>();
    if (menu != nullptr && menu->isVisible())
        menu->hide();
    else
        bar->setActiveAction(action);
}
