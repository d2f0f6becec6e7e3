// The board view from the keyboard: a cursor over the row ends, Enter choosing as a click does.
#include "board_view.h"

#include "board/board_accessible.h"

#include "engine/puzzle.h"

#include <algorithm>

bool BoardView::HandleKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (!puzzle || (modifiers & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Left:
        MoveCursor(KeyCursor::Step::Left);
        return true;
    case Qt::Key_Right:
        MoveCursor(KeyCursor::Step::Right);
        return true;
    case Qt::Key_Up:
        MoveCursor(KeyCursor::Step::Up);
        return true;
    case Qt::Key_Down:
        MoveCursor(KeyCursor::Step::Down);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!autoRepeat)
            EnterKey();
        return true;
    default:
        return false;
    }
}

void BoardView::MoveCursor(KeyCursor::Step step)
{
    const int32_t rowCount = puzzle->Settings().rowCount;
    if (!keyCursor.Snap(puzzle->Rows(), rowCount)) {
        keyCursor.shown = false;
        return;
    }
    // The first arrow shows where the cursor is before moving it anywhere.
    if (keyCursor.shown) {
        keyCursor.shown = false;
        DrawCursorCell();
        keyCursor.Move(step, puzzle->Rows(), rowCount);
    }
    keyCursor.shown = true;
    DrawCursorCell();
    BoardAccessible::Tell(this, BoardAccessible::News::CursorMoved);
}

void BoardView::EnterKey()
{
    if (!keyCursor.shown) {
        MoveCursor(KeyCursor::Step::Left);
        return;
    }
    // Like a click: nothing while the board moves or Solve plays.
    if (phases.Phase() != PHASE_IDLE || phases.Solving())
        return;
    if (!keyCursor.Snap(puzzle->Rows(), puzzle->Settings().rowCount))
        return;
    ChooseBlock(keyCursor.position);
    BoardAccessible::Tell(this, BoardAccessible::News::Selected);
}

void BoardView::HideCursor()
{
    if (!keyCursor.shown)
        return;
    keyCursor.shown = false;
    DrawCursorCell();
}

bool BoardView::CursorDrawable() const
{
    const BlockRef at = keyCursor.position;
    return phases.Phase() == PHASE_IDLE && puzzle && Usable() && at.row >= 0 && at.row < puzzle->Settings().rowCount
        && at.index >= 0 && at.index < RowLength(at.row);
}

void BoardView::DrawCursorCell()
{
    // Outside Idle the animation or the coming Refresh owns the picture.
    if (!CursorDrawable())
        return;
    const BlockRef at = keyCursor.position;
    const bool selected = std::find(selection.begin(), selection.end(), at) != selection.end();
    const Rect cell = BlockRect(at.index, at.row, RowLength(at.row));
    DrawBlock(cell, CodeAt(at.index, at.row), composeSurface, selected, 1.0, false, false);
    DrawCursorOutline();
    Invalidate(cell);
}

void BoardView::DrawCursorOutline()
{
    if (!keyCursor.shown || phases.Phase() > PHASE_IDLE || !puzzle || !Usable())
        return;
    const BlockRef at = keyCursor.position;
    if (at.row < 0 || at.row >= puzzle->Settings().rowCount || at.index < 0 || at.index >= RowLength(at.row))
        return;
    painter.DrawCursorOutline(composeSurface, BlockRect(at.index, at.row, RowLength(at.row)));
}
