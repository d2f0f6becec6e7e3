// The keyboard's place on the board: always a row end, the blocks a click could choose.
#pragma once

#include "engine/move_list.h"
#include "engine/row_set.h"

#include <cstdint>

class KeyCursor {
public:
    enum class Step { Left, Right, Up, Down };

    // Puts the cursor back on a row end of rows 0 .. rowCount - 1 after the
    // rows changed: the same row and end (left end for index 0, right end
    // otherwise) while that row has blocks, else the same end of the nearest
    // row that has some (the upper one on a tie). False, position unchanged,
    // when every row is empty.
    bool Snap(const RowSet& rows, int32_t rowCount);

    // One step from a snapped position. Left and Right walk the row ends in
    // reading order (left end, right end, then the next row that has blocks),
    // wrapping from the last to the first; a one-block row is one stop. Up and
    // Down go to the end nearest in x of the next row above or below that has
    // blocks, keeping the side on a tie, and stay put at the top or bottom.
    void Move(Step step, const RowSet& rows, int32_t rowCount);

    // A row end of a row that has blocks, once snapped.
    BlockRef Position() const { return position; }
    // The mouse chose a row end: the keyboard goes on from there.
    void PlaceAt(BlockRef at) { position = at; }

    // Drawn on the board; hidden while the player uses the mouse.
    bool Shown() const { return shown; }
    void Show() { shown = true; }
    void Hide() { shown = false; }

private:
    BlockRef position{0, 0};
    bool shown = false;
};
