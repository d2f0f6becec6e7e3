// Move records: block entries grouped by a colour entry and a move marker.
#pragma once

#include <cstdint>
#include <list>

inline constexpr int32_t COLOUR_TAG = -999;
inline constexpr int32_t MOVE_MARKER = -987;

// A block entry (index >= 0, row), a colour entry (COLOUR_TAG, colour) or a
// move marker (MOVE_MARKER, MOVE_MARKER).
struct BlockRef {
    int32_t index = 0;
    int32_t row = 0;

    bool IsMoveMarker() const { return index == MOVE_MARKER; }
    bool IsColourEntry() const { return index < 0 && index != MOVE_MARKER; }
    bool IsBlock() const { return index >= 0; }

    bool operator==(const BlockRef&) const = default;
};

inline constexpr BlockRef MoveMarker() { return {MOVE_MARKER, MOVE_MARKER}; }
inline constexpr BlockRef ColourEntry(int32_t colour) { return {COLOUR_TAG, colour}; }

// Doubly linked: add and remove at either end, remove a given entry, walk both
// ways. Iterators stay valid while other entries come and go, which the Solve
// replay's cursor relies on.
using MoveList = std::list<BlockRef>;
