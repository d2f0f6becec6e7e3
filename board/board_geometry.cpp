// The board's layout as plain values: block size, cells, board, counters and hits.
#include "board_geometry.h"

#include <algorithm>

int BoardGeometry::BlockSizeFor(int clientWidth, int clientHeight, int rowWidth, int rowCount)
{
    if (clientWidth < MIN_CLIENT_WIDTH || clientHeight < MIN_CLIENT_HEIGHT)
        return 0;
    if (rowWidth + 2 <= 0 || rowCount + 5 <= 0)
        return 0;
    // Room for a block either side and for the counters above: S is even so
    // that half a block, by which rows of odd and even length differ, is whole.
    const int s = std::min(clientWidth / (rowWidth + 2), clientHeight / (rowCount + 5)) & ~1;
    return s >= 2 ? s : 0;
}

BoardGeometry BoardGeometry::For(int clientWidth, int clientHeight, int rowWidth, int rowCount)
{
    BoardGeometry g;
    g.clientWidth = clientWidth;
    g.clientHeight = clientHeight;
    const int s = BlockSizeFor(clientWidth, clientHeight, rowWidth, rowCount);
    if (s < 2)
        return g;
    g.blockSize = s;
    g.baseCell.left = clientWidth / 2 - s / 2;
    g.baseCell.right = clientWidth / 2 + s / 2;
    g.baseCell.top = clientHeight / 2 - (s * rowCount) / 2 + (3 * s) / 2;
    g.baseCell.bottom = g.baseCell.top + s;
    return g;
}

Rect BoardGeometry::BlockRect(int32_t index, int32_t row, int32_t length) const
{
    const int s = baseCell.Width();
    return baseCell.Moved(-(s * (length - 1) / 2) + s * index, s * row);
}

Rect BoardGeometry::BoardRect(int rowWidth, int rowCount) const
{
    const int s = baseCell.Width();
    const int half = s * (rowWidth - 1) / 2;
    return {baseCell.left - half, baseCell.top, baseCell.right + half, baseCell.bottom + s * (rowCount - 1)};
}

BlockRef BoardGeometry::HitTest(int x, int y, const RowSet& rows, int rowCount) const
{
    const BlockRef none{NO_BLOCK, NO_BLOCK};
    const int s = baseCell.Width();
    if (s <= 0)
        return none;
    const int dy = y - baseCell.top;
    if (dy < 0)
        return none;
    const int row = dy / s;
    if (row >= rowCount || row >= static_cast<int>(rows.size()))
        return none;
    const int n = static_cast<int>(rows[static_cast<size_t>(row)].size());
    if (n <= 0)
        return none;
    const int dx = s * (n - 1) / 2 + x - baseCell.left;
    if (dx < 0)
        return none;
    const int index = dx / s;
    if (index >= n)
        return none;
    return {index, row};
}

Rect BoardGeometry::CounterCell(int i, int colours) const
{
    const int s = baseCell.Width();
    const int total = std::min((7 * colours * s + 2) / 3, (4 * clientWidth) / 5);
    const int cellWidth = 2 * (total / (2 * colours));
    const int cellHeight = s + (2 * s) / 3;
    const int left = clientWidth / 2 - total / (2 * colours) - cellWidth * (colours - 1) / 2;
    const int top = baseCell.top - 3 * s;
    return {left + i * cellWidth, top, left + (i + 1) * cellWidth, top + cellHeight};
}

Rect BoardGeometry::CounterRow(int colours) const
{
    const Rect first = CounterCell(0, colours);
    return {first.left, first.top, first.left + colours * first.Width(), first.bottom};
}
