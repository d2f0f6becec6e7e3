// Keyboard cursor steps over row ends, and its return to a row end after a move.
#include "key_cursor.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace {

int32_t Length(const RowSet& rows, int32_t row)
{
    return static_cast<int32_t>(rows[static_cast<size_t>(row)].size());
}

int32_t RowLimit(int32_t rowCount)
{
    return std::clamp(rowCount, 0, MAX_ROWS);
}

// Twice the x of block index's centre, from the middle of a row of length
// blocks: rows are centred, so this compares places across rows.
int32_t DoubledOffset(int32_t index, int32_t length)
{
    return 2 * index - (length - 1);
}

// The next row from `row` in direction `direction` that has blocks; -1 when none.
int32_t NextFilledRow(const RowSet& rows, int32_t rowCount, int32_t row, int32_t direction)
{
    for (int32_t r = row + direction; r >= 0 && r < RowLimit(rowCount); r += direction) {
        if (Length(rows, r) > 0)
            return r;
    }
    return -1;
}

}  // namespace

bool KeyCursor::Snap(const RowSet& rows, int32_t rowCount)
{
    const int32_t limit = RowLimit(rowCount);
    const int32_t from = std::clamp(position.row, 0, std::max(limit - 1, 0));
    int32_t row = -1;
    for (int32_t distance = 0; distance < MAX_ROWS && row < 0; ++distance) {
        for (const int32_t candidate : {from - distance, from + distance}) {
            if (candidate >= 0 && candidate < limit && Length(rows, candidate) > 0) {
                row = candidate;
                break;
            }
        }
    }
    if (row < 0)
        return false;
    const bool rightEnd = position.index > 0;
    position = {rightEnd ? Length(rows, row) - 1 : 0, row};
    return true;
}

void KeyCursor::Move(Step step, const RowSet& rows, int32_t rowCount)
{
    if (!Snap(rows, rowCount))
        return;
    const int32_t n = Length(rows, position.row);
    if (step == Step::Left || step == Step::Right) {
        std::vector<BlockRef> ends;
        for (int32_t r = 0; r < RowLimit(rowCount); ++r) {
            const int32_t length = Length(rows, r);
            if (length > 0)
                ends.push_back({0, r});
            if (length > 1)
                ends.push_back({length - 1, r});
        }
        const auto here = std::find(ends.begin(), ends.end(), position);
        const auto count = static_cast<std::ptrdiff_t>(ends.size());
        const std::ptrdiff_t at = here - ends.begin();
        const std::ptrdiff_t next = step == Step::Right ? (at + 1) % count : (at + count - 1) % count;
        position = ends[static_cast<size_t>(next)];
        return;
    }
    const int32_t row = NextFilledRow(rows, rowCount, position.row, step == Step::Up ? -1 : 1);
    if (row < 0)
        return;
    const int32_t length = Length(rows, row);
    const int32_t x = DoubledOffset(position.index, n);
    const int32_t toLeft = std::abs(DoubledOffset(0, length) - x);
    const int32_t toRight = std::abs(DoubledOffset(length - 1, length) - x);
    const bool right = toRight < toLeft || (toRight == toLeft && position.index > 0);
    position = {right ? length - 1 : 0, row};
}
