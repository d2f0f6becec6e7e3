// One block cell or colour counter of the board, as a screen reader reads it.
#include "board/board_cell_accessible.h"

#include "board/board_accessible.h"

#include <QWidget>

BoardCellAccessible::BoardCellAccessible(BoardAccessible* board, int row, int column)
    : board(board), row(row), column(column)
{
}

bool BoardCellAccessible::isValid() const
{
    return board != nullptr && board->isValid();
}

QWindow* BoardCellAccessible::window() const
{
    return board->window();
}

void* BoardCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface && !IsCounter())
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

QAccessibleInterface* BoardCellAccessible::parent() const
{
    return board;
}

QString BoardCellAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        return IsCounter() ? board->CounterName(column) : board->CellName(row, column);
    if (type == QAccessible::Description && !IsCounter() && board->IsRowEnd(row, column))
        //: A block at either end of its row, the only ones a move can take.
        return tr("row end");
    return {};
}

QRect BoardCellAccessible::rect() const
{
    return IsCounter() ? QRect() : board->CellRect(row, column);
}

QAccessible::Role BoardCellAccessible::role() const
{
    return IsCounter() ? QAccessible::StaticText : QAccessible::Cell;
}

QAccessible::State BoardCellAccessible::state() const
{
    QAccessible::State state;
    if (IsCounter())
        return state;
    state.selectable = board->IsRowEnd(row, column);
    state.selected = board->IsSelected(row, column);
    state.focusable = state.selectable;
    state.focused = board->IsCursor(row, column);
    state.invisible = !board->HasBlock(row, column);
    return state;
}

bool BoardCellAccessible::isSelected() const
{
    return !IsCounter() && board->IsSelected(row, column);
}

QAccessibleInterface* BoardCellAccessible::table() const
{
    return board;
}
