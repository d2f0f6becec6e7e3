// The board view's pictures, as the painter draws them for the puzzle and layout in force.
#include "board_view.h"

#include "engine/puzzle.h"

void BoardView::DrawBlock(const Rect& cell, int32_t code, DibSurface& destination, bool selected, double scale,
                          bool noGlyph, bool forceRender)
{
    painter.DrawBlock(cell, code, destination, selected, scale, noGlyph, forceRender);
}

void BoardView::DrawBlockAt(int32_t index, int32_t row, bool selected)
{
    const Rect cell = BlockRect(index, row, RowLength(row));
    DrawBlock(cell, CodeAt(index, row), composeSurface, selected, 1.0, false, false);
    if (keyCursor.position == BlockRef{index, row})
        DrawCursorOutline();
    Invalidate(cell);
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
    painter.DrawRows(destination, boardGeometry, puzzle->Rows(), puzzle->Settings().rowCount, selection, t);
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

void BoardView::BuildBlockCache()
{
    painter.BuildBlockCache();
}

void BoardView::RedrawAll()
{
    selection.clear();
    Redraw();
}

void BoardView::DrawRemoval(double scale)
{
    if (!Usable())
        return;
    for (const BlockRef& entry : selection) {
        const auto& before = phases.PreviousRows()[static_cast<size_t>(entry.row)];
        const int n = static_cast<int>(before.size());
        if (entry.index < 0 || entry.index >= n)
            continue;
        const Rect cell = BlockRect(entry.index, entry.row, n);
        DrawBlock(cell, before[static_cast<size_t>(entry.index)], composeSurface, false, scale, false, false);
        Invalidate(cell);
    }
}

void BoardView::DrawSlide(double t)
{
    Invalidate(DrawBoard(composeSurface, t));
}
