// A colour swatch for screen readers: its number, its colour's name, a press action.
#include "controls/colour_swatch_accessible.h"

#include "board/colour_names.h"
#include "controls/colour_swatch.h"

#include <QTimer>

ColourSwatchAccessible::ColourSwatchAccessible(ColourSwatch* swatch)
    : QAccessibleWidget(swatch, QAccessible::Button), swatch(swatch)
{
}

void ColourSwatchAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(&ColourSwatchAccessible::Factory);
    }
}

QAccessibleInterface* ColourSwatchAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ColourSwatch"))
        return new ColourSwatchAccessible(static_cast<ColourSwatch*>(object));
    return nullptr;
}

QString ColourSwatchAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        //: A colour swatch in the preferences: its number, then its colour ("Colour 3: green").
        return tr("Colour %1: %2").arg(swatch->caption, SpokenColourName(swatch->face));
    return QAccessibleWidget::text(type);
}

QStringList ColourSwatchAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ColourSwatchAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // The chooser is modal: opened from the event loop, not from inside the
    // screen reader's request, which would otherwise wait for it to close.
    QTimer::singleShot(0, swatch, [target = swatch] { target->ChooseColour(); });
}
