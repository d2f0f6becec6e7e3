// Move records: block entries grouped by a colour entry and a move marker,
// and the helpers that read and write the two layouts of a group.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

inline constexpr int32_t COLOUR_TAG = -999;
inline constexpr int32_t MOVE_MARKER = -987;

// A block entry (index >= 0, row), a colour entry (COLOUR_TAG, colour) or a
// move marker (MOVE_MARKER, MOVE_MARKER).
struct BlockRef {
    int32_t index = 0;
    int32_t row = 0;

    bool IsMoveMarker() const { return index == MOVE_MARKER; }
    bool IsColourEntry() const { return index == COLOUR_TAG; }
    bool IsBlock() const { return index >= 0; }

    bool operator==(const BlockRef&) const = default;
};

inline constexpr BlockRef MoveMarker() { return {MOVE_MARKER, MOVE_MARKER}; }
inline constexpr BlockRef ColourEntry(int32_t colour) { return {COLOUR_TAG, colour}; }

// Doubly linked: add and remove at either end, remove a given entry, walk both
// ways. Iterators stay valid while other entries come and go, which the Solve
// replay's cursor relies on.
using MoveList = std::list<BlockRef>;

// One move: the colour of its blocks and the block entries, each naming the
// position its block has on the board just before the move.
struct Move {
    int32_t colour = 0;
    MoveList blocks;

    bool operator==(const Move&) const = default;
};

// A solution reads in order of play, each entry opening with its colour:
// (COLOUR_TAG, c), blocks, marker.
void AppendSolutionEntry(MoveList& solution, const Move& move);
// The same entry put before every other, for a solution built backwards.
void PrependSolutionEntry(MoveList& solution, const Move& move);
// The moves of a solution in order of play; false when the list is not a
// sequence of (COLOUR_TAG, c), one or more block entries, marker. Checks the
// layout only, not the board.
bool ReadSolutionEntries(const MoveList& solution, std::vector<Move>& moves);

// A history reads in the order the moves were made, each entry opening with a
// marker: marker, blocks in the order chosen, (COLOUR_TAG, c).
void AppendHistoryEntry(MoveList& history, const Move& move);
// Removes the last entry from history into move; false, and no change, when
// history is empty.
bool TakeLastHistoryEntry(MoveList& history, Move& move);
