// Where the board stands in a client: block size, base cell, block, board and counter rectangles, hits.
#pragma once

#include "board/rect.h"
#include "engine/move_list.h"
#include "engine/row_set.h"

#include <cstdint>

// HitTest's answer for a point on no block: (NO_BLOCK, NO_BLOCK).
inline constexpr int32_t NO_BLOCK = -9999;

// The smallest client the board can be laid out in.
inline constexpr int MIN_CLIENT_WIDTH = 64;
inline constexpr int MIN_CLIENT_HEIGHT = 32;

// Plain values: a client size and the board's shape in, every rectangle the
// pictures and the mouse use out. No widget is needed to ask.
struct BoardGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    // Block size S, even; 0 when the board cannot be laid out.
    int blockSize = 0;
    // The cell of a one-block row 0: rows are centred on its column.
    Rect baseCell;

    // The block size a client of width x height gives a board rowWidth blocks
    // wide and rowCount rows high: 0 when it cannot be laid out (client under
    // 64 x 32, S below 2).
    static int BlockSizeFor(int clientWidth, int clientHeight, int rowWidth, int rowCount);
    // The whole layout for that client and shape; blockSize 0 and an empty
    // baseCell when it cannot be laid out.
    static BoardGeometry For(int clientWidth, int clientHeight, int rowWidth, int rowCount);

    // Block `index` of row `row` when that row holds `length` blocks.
    Rect BlockRect(int32_t index, int32_t row, int32_t length) const;
    // rowWidth x S wide, rowCount x S high: where a full board stands.
    Rect BoardRect(int rowWidth, int rowCount) const;
    // The block of rows[0 .. rowCount - 1] under a client point, or
    // {NO_BLOCK, NO_BLOCK}.
    BlockRef HitTest(int x, int y, const RowSet& rows, int rowCount) const;
    // Counter `i` of `colours` counters above the board.
    Rect CounterCell(int i, int colours) const;
    // All `colours` counters together.
    Rect CounterRow(int colours) const;
};
