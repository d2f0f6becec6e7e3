// Clearing, copying and counting the rows of a board.
#include "engine/row_set.h"

#include <algorithm>

void ClearRows(RowSet& rows)
{
    for (BlockRow& row : rows) {
        row.clear();
        row.reserve(ROW_GROW_BY);
    }
}

void CopyRows(RowSet& destination, const RowSet& source)
{
    for (int r = 0; r < MAX_ROWS; ++r) {
        destination[r].assign(source[r].begin(), source[r].end());
    }
}

int32_t CountBlocks(const RowSet& rows, int32_t rowCount, ColourCounters& counters)
{
    counters.fill(0);
    const int32_t visited = std::clamp<int32_t>(rowCount, 0, MAX_ROWS);
    int32_t total = 0;
    for (int32_t r = 0; r < visited; ++r) {
        for (int32_t colour : rows[r]) {
            if (colour >= 0 && colour < MAX_COLOURS) {
                ++counters[colour];
            }
            ++total;
        }
    }
    return total;
}
