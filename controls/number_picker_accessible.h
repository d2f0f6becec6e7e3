// How a screen reader sees a number picker: a spin box with its label and value.
#pragma once

#include <QAccessibleWidget>

class NumberPicker;

// Serves the picker itself and its focus sink. The picker is a spin box
// whose children are its two arrows; the sink, which holds the focus after
// an arrow click, is left out of that list and speaks as the picker does
// (same name, role and value), so the player hears the number, not an
// unnamed button.
class NumberPickerAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    NumberPickerAccessible(QWidget* widget, NumberPicker* picker);

    // Registers the factory with Qt once; every picker's constructor asks.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
    bool IsPicker() const;

    NumberPicker* picker;
};
