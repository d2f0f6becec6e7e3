// A number picker for screen readers: a spin box named by its label, with its range.
#include "controls/number_picker_accessible.h"

#include "controls/number_picker.h"

#include <QPushButton>

NumberPickerAccessible::NumberPickerAccessible(QWidget* widget, NumberPicker* picker)
    : QAccessibleWidget(widget, QAccessible::SpinBox), picker(picker)
{
}

void NumberPickerAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(&NumberPickerAccessible::Factory);
    }
}

QAccessibleInterface* NumberPickerAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("NumberPicker")) {
        auto* picker = static_cast<NumberPicker*>(object);
        return new NumberPickerAccessible(picker, picker);
    }
    // The sink is a plain push button; only its place under a picker tells.
    if (className == QLatin1String("QPushButton")) {
        auto* picker = qobject_cast<NumberPicker*>(object->parent());
        if (picker != nullptr && object == &picker->FocusSink())
            return new NumberPickerAccessible(&picker->FocusSink(), picker);
    }
    return nullptr;
}

bool NumberPickerAccessible::IsPicker() const
{
    return object() == picker;
}

void* NumberPickerAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString NumberPickerAccessible::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return picker->accessibleName();
    case QAccessible::Value:
        return QString::number(picker->GetValue());
    default:
        return QAccessibleWidget::text(type);
    }
}

int NumberPickerAccessible::childCount() const
{
    return IsPicker() ? 2 : 0;
}

QAccessibleInterface* NumberPickerAccessible::child(int index) const
{
    if (!IsPicker() || index < 0 || index > 1)
        return nullptr;
    QWidget* arrow = index == 0 ? static_cast<QWidget*>(&picker->DecrementButton())
                                : static_cast<QWidget*>(&picker->IncrementButton());
    return QAccessible::queryAccessibleInterface(arrow);
}

int NumberPickerAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!IsPicker() || child == nullptr)
        return -1;
    if (child->object() == &picker->DecrementButton())
        return 0;
    if (child->object() == &picker->IncrementButton())
        return 1;
    return -1;
}

QVariant NumberPickerAccessible::currentValue() const
{
    return picker->GetValue();
}

void NumberPickerAccessible::setCurrentValue(const QVariant& value)
{
    // Clamped like any other change; the dialog's rules catch up on their
    // next step, as after an arrow click.
    picker->SetValue(value.toInt());
}

QVariant NumberPickerAccessible::maximumValue() const
{
    return picker->Maximum();
}

QVariant NumberPickerAccessible::minimumValue() const
{
    return picker->Minimum();
}

QVariant NumberPickerAccessible::minimumStepSize() const
{
    return picker->Step();
}
