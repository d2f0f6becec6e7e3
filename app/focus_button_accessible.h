// The hidden button that holds the keyboard between commands, as a screen
// reader meets it: not at all, since the board it plays on is the table.
#pragma once

#include <QAccessibleWidget>

// An unnamed, invisible filler instead of a push button: a reader walking
// the window meets the board once, as its table, and the keys played while
// this button holds the focus are heard as that table's news and focus.
class FocusButtonAccessible : public QAccessibleWidget {
public:
    explicit FocusButtonAccessible(QWidget* button);

    // Registers the factory with Qt once; it answers for the widget whose
    // object name is OBJECT_NAME.
    static void Install();
    static constexpr const char* OBJECT_NAME = "FocusButton";

    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;

private:
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
};
