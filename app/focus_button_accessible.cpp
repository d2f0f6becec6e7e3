// The focus button for screen readers: present in the tree, but no second board.
#include "app/focus_button_accessible.h"

#include <QWidget>

FocusButtonAccessible::FocusButtonAccessible(QWidget* button) : QAccessibleWidget(button, QAccessible::Client)
{
}

void FocusButtonAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(&FocusButtonAccessible::Factory);
    }
}

QAccessibleInterface* FocusButtonAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QPushButton") && object->objectName() == QLatin1String(OBJECT_NAME))
        return new FocusButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

QString FocusButtonAccessible::text(QAccessible::Text) const
{
    return {};
}

QAccessible::State FocusButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
}
