// A menu bar's title as a screen reader reads it: the caption without the
// spaces that widen it on screen.
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenuBar;

// Stands in for Qt's own item for each title of a menu bar: the same role,
// place, states, child (the menu) and actions, with a trimmed name. The
// drawn caption keeps its padding.
class MenuTitleAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuTitleAccessible(QMenuBar* bar, QAction* action);

    // Registers the factory with Qt once, before any title is read.
    static void Install();

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    QPointer<QMenuBar> bar;
    QPointer<QAction> action;
};
