// One place of the board for a screen reader: a block's cell, or a colour counter.
#pragma once

#include <QAccessibleInterface>
#include <QCoreApplication>

class BoardAccessible;

// A block cell (row >= 0) reads as "blue, scissors", selectable when it is
// a row end, selected when chosen, focused under the keyboard cursor. A
// counter (row -1, column = colour code) reads as "red: 6 left". Owned by
// the board's interface, which reads the board for it.
class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
    Q_DECLARE_TR_FUNCTIONS(BoardCellAccessible)

public:
    BoardCellAccessible(BoardAccessible* board, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    bool IsCounter() const { return row < 0; }

private:
    BoardAccessible* board;
    int row;
    int column;
};
