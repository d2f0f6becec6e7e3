// The board view's pictures, as the painter draws them for the puzzle and layout in force.
#include "board_view.h"

#include "engine/puzzle.h"

void BoardView::DrawBlock(BlockRef at, bool selected)
{
    const Rect cell = boardGeometry.BlockRect(at.index, at.row, RowLength(at.row));
    painter.DrawBlock(cell, CodeAt(at.index, at.row), composeSurface, selected, 1.0, false, false);
    if (input.Cursor().Position() == at)
        DrawCursorOutline();
    Invalidate(cell);
}

void BoardView::DrawCursorOutline()
{
    const KeyCursor& cursor = input.Cursor();
    if (!cursor.Shown() || phases.Phase() > PHASE_IDLE || !puzzle || !Usable())
        return;
    const BlockRef at = cursor.Position();
    if (at.row < 0 || at.row >= puzzle->Settings().rowCount || at.index < 0 || at.index >= RowLength(at.row))
        return;
    painter.DrawCursorOutline(composeSurface, boardGeometry.BlockRect(at.index, at.row, RowLength(at.row)));
}

Rect BoardView::DrawBoard(DibSurface& destination, double t)
{
    const Rect board = BoardRect();
    if (!Usable())
        return board;
    destination.CopySame(painter.Background(), board);
    DrawBoardRows(destination, t);
    return board;
}

void BoardView::DrawBoardRows(DibSurface& destination, double t)
{
    if (!Usable())
        return;
    painter.DrawRows(destination, boardGeometry, puzzle->Rows(), puzzle->Settings().rowCount, input.Selection(), t);
}

Rect BoardView::DrawColourCounters(DibSurface& destination)
{
    if (!Usable())
        return {};
    ColourCounters counts{};
    CountBlocks(puzzle->Rows(), puzzle->Settings().rowCount, counts);
    return painter.DrawColourCounters(destination, boardGeometry, counts, puzzle->Settings().colourCount);
}

void BoardView::ShuffleSymbols()
{
    // A new puzzle ends any replay: the cursor pointed into the old solution.
    phases.StopReplay();
    painter.ShuffleSymbols();
}

void BoardView::RedrawAll()
{
    input.ClearSelection();
    Redraw();
}

void BoardView::DrawRemoval(double scale)
{
    if (!Usable())
        return;
    for (const BlockRef& entry : input.Selection()) {
        const auto& before = phases.PreviousRows()[static_cast<size_t>(entry.row)];
        const int n = static_cast<int>(before.size());
        if (entry.index < 0 || entry.index >= n)
            continue;
        const Rect cell = boardGeometry.BlockRect(entry.index, entry.row, n);
        painter.DrawBlock(cell, before[static_cast<size_t>(entry.index)], composeSurface, false, scale, false, false);
        Invalidate(cell);
    }
}

void BoardView::DrawSlide(double t)
{
    Invalidate(DrawBoard(composeSurface, t));
}
