// The board view from the keyboard: a cursor over the row ends, moved by the
// arrows, Enter choosing as a click does, hidden while the mouse is in use.
#include "board_view.h"

#include "board/board_accessible.h"

#include "engine/puzzle.h"

#include <algorithm>

namespace {

// The outline: black and white dashes along the cell's edge, which stand out
// on every block colour, on the board's texture and around a selected block,
// and look like nothing else on the board.
constexpr ColourValue OUTLINE_DARK = 0x000000;
constexpr ColourValue OUTLINE_LIGHT = 0xFFFFFF;

// A band `thickness` pixels wide just inside cell, dashed every `dash`
// pixels along the diagonal so that corners stay dashed too.
void DashedRing(DibSurface& surface, const Rect& cell, int thickness, int dash)
{
    const Rect inner = cell.Grown(-thickness, -thickness);
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            if (inner.Contains(x, y)) {
                x = inner.right - 1;
                continue;
            }
            const int step = (x - cell.left + y - cell.top) / dash;
            surface.SetPixel(x, y, step % 2 == 0 ? OUTLINE_DARK : OUTLINE_LIGHT);
        }
    }
}

}  // namespace

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
    const int32_t rowCount = puzzle->settings.rowCount;
    if (!keyCursor.Snap(puzzle->rows, rowCount)) {
        keyCursor.shown = false;
        return;
    }
    // The first arrow shows where the cursor is before moving it anywhere.
    if (keyCursor.shown) {
        keyCursor.shown = false;
        DrawCursorCell();
        keyCursor.Move(step, puzzle->rows, rowCount);
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
    if (phase != PHASE_IDLE || solving)
        return;
    if (!keyCursor.Snap(puzzle->rows, puzzle->settings.rowCount))
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
    return phase == PHASE_IDLE && puzzle && Usable() && at.row >= 0 && at.row < puzzle->settings.rowCount
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
    if (!keyCursor.shown || phase > PHASE_IDLE || !puzzle || !Usable())
        return;
    const BlockRef at = keyCursor.position;
    if (at.row < 0 || at.row >= puzzle->settings.rowCount || at.index < 0 || at.index >= RowLength(at.row))
        return;
    const Rect cell = BlockRect(at.index, at.row, RowLength(at.row));
    // Two pixels wide and dashes of six at the usual 50-pixel blocks; both
    // grow with the block, so a dense screen shows the same outline.
    const int s = cell.Width();
    DashedRing(composeSurface, cell, std::clamp(s / 25, 1, s / 4 + 1), std::max(2, s / 8));
}
