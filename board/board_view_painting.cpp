// The board view's pictures, as the painter draws them for the puzzle and layout in force.
#include "board_view.h"

#include "engine/puzzle.h"

#include <algorithm>

void BoardView::DrawBlock(BlockRef at, bool selected)
{
    const Rect cell = boardGeometry.BlockRect(at.index, at.row, RowLength(at.row));
    painter.DrawBlock(cell, CodeAt(at.index, at.row), composeSurface, selected, 1.0, false, false);
    if (at.row >= 0 && at.row < MAX_ROWS)
        shownRows[static_cast<size_t>(at.row)].known = false;
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
    // The counters show no symbols.
    ForgetShownRows();
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
        if (entry.row < MAX_ROWS)
            shownRows[static_cast<size_t>(entry.row)].known = false;
        Invalidate(cell);
    }
}

void BoardView::DrawSlide(double t)
{
    if (!Usable()) {
        Invalidate(BoardRect());
        return;
    }
    DrawChangedRows(t);
}

void BoardView::ForgetShownPicture()
{
    for (ShownRow& row : shownRows)
        row.known = false;
    countersKnown = false;
}

void BoardView::ForgetShownRows()
{
    for (ShownRow& row : shownRows)
        row.known = false;
}

void BoardView::DrawChangedRows(double t, bool withCursor)
{
    const Rect board = BoardRect();
    const int s = boardGeometry.baseCell.Width();
    const RowSet& rows = puzzle->Rows();
    const MoveList& selection = input.Selection();
    const KeyCursor& cursor = input.Cursor();
    const bool outline = withCursor && t >= 1.0 && cursor.Shown() && phases.Phase() <= PHASE_IDLE;
    ShownRow wanted;
    wanted.known = true;
    for (int row = 0; row < puzzle->Settings().rowCount && row < MAX_ROWS; ++row) {
        const BlockRow& cells = rows[static_cast<size_t>(row)];
        const int n = static_cast<int>(cells.size());
        wanted.first = BoardPainter::RowStart(boardGeometry, rows, row, selection, t);
        wanted.cells = cells;
        wanted.selected.clear();
        if (t >= 1.0) {
            for (const BlockRef& entry : selection) {
                if (entry.row == row && entry.index >= 0 && entry.index < n)
                    wanted.selected.push_back(entry.index);
            }
        }
        const BlockRef at = cursor.Position();
        wanted.cursor = outline && at.row == row && at.index >= 0 && at.index < n ? at.index : -1;
        wanted.band = {board.left, board.top + s * row, board.right, board.top + s * (row + 1)};
        ShownRow& shown = shownRows[static_cast<size_t>(row)];
        if (shown == wanted)
            continue;
        // The blocks cover their cells whole: the background goes only beside them.
        const Rect& band = wanted.band;
        const int blocksLeft = n > 0 ? wanted.first.left : band.right;
        const int blocksRight = n > 0 ? wanted.first.left + s * n : band.right;
        composeSurface.CopySame(painter.Background(), {band.left, band.top, std::min(blocksLeft, band.right), band.bottom});
        composeSurface.CopySame(painter.Background(), {std::max(blocksRight, band.left), band.top, band.right, band.bottom});
        painter.DrawRow(composeSurface, cells, wanted.first);
        for (const int32_t index : wanted.selected)
            painter.DrawBlock(boardGeometry.BlockRect(index, row, n), cells[static_cast<size_t>(index)], composeSurface,
                              true, 1.0, false, false);
        if (wanted.cursor >= 0)
            painter.DrawCursorOutline(composeSurface, boardGeometry.BlockRect(wanted.cursor, row, n));
        Invalidate(band.United(Rect{wanted.first.left, band.top, blocksRight, band.bottom}));
        shown = wanted;
    }
}
