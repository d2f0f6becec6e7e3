// The solver's working board: each row a span of the board it was given, with
// per-colour counts and a name that is the same for rows in any order and any
// row read backwards, since the rule of a move cannot tell those apart.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/dead_position_table.h"
#include "engine/move_list.h"
#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

// A row end: the left end (0) or the right end (1) of a row.
struct RowEnd {
    int8_t row = 0;
    int8_t side = 0;
};

// A move in the solver's terms: its colour and the row ends it takes, listed
// by row and, within a row, left before right.
struct SolverMove {
    int8_t colour = 0;
    int8_t count = 0;
    std::array<RowEnd, 2 * MAX_ROWS> ends{};
};

// Scrambles every bit of x into every bit of the result (a splitmix64
// finaliser): position names and the restarts' noise both draw on it.
uint64_t MixBits(uint64_t x);

class SolverPosition {
public:
    // False when a cell holds no colour of 0 .. MAX_COLOURS - 1 or a row is
    // longer than MAX_ROW_WIDTH; the position is then unusable.
    bool Load(const RowSet& rows, const PuzzleSettings& settings);

    int32_t Total() const { return total; }
    int32_t RowCount() const { return rowCount; }
    int32_t Length(int32_t row) const { return hi[row] - lo[row]; }
    PositionKey Key() const { return key; }
    // The key the position will have after move, without making it.
    PositionKey KeyAfter(const SolverMove& move) const;

    // The ends of colour's blocks, in the order of SolverMove::ends; a row of
    // one block has only its left end.
    int32_t EndsOf(int32_t colour, std::array<RowEnd, 2 * MAX_ROWS>& ends) const;
    // The colour at a row end, and the cell of the given board it stands on.
    int32_t ColourAt(RowEnd end) const;
    int32_t CellAt(RowEnd end) const { return end.side == 0 ? lo[end.row] : hi[end.row] - 1; }
    // The block entry naming end on the board as it stands.
    BlockRef BlockAt(RowEnd end) const;

    void Apply(const SolverMove& move);
    // Takes move back; before is the key the position had before it.
    void Undo(const SolverMove& move, const PositionKey& before);

    // False when some colour's blocks can no longer be taken by moves of
    // minRemove .. maxRemove blocks, whatever the order of play: a sound
    // proof that the board cannot be cleared.
    bool CountsAllowClearing() const;
    // False when the colours that have one move left (fewer than
    // 2 * minRemove blocks) would each have to be played before another:
    // all of such a colour's blocks stand at row ends at once, so what lies
    // outside two of them in a row goes first and what lies between goes
    // after. Also a sound proof.
    bool LastMovesAllowClearing() const;
    // How many colours have at least least row ends: how many colours a move
    // could be made of now.
    int32_t ColoursWithEnds(int32_t least) const;

private:
    uint64_t RowHash(int32_t row, int32_t from, int32_t to, int which) const;
    void Count(int32_t row, int32_t cell, int32_t change);

    PuzzleSettings settings;
    int32_t rowCount = 0;
    int32_t stride = 0;
    std::array<std::array<int8_t, MAX_ROW_WIDTH>, MAX_ROWS> cells{};
    std::array<int32_t, MAX_ROWS> lo{};
    std::array<int32_t, MAX_ROWS> hi{};
    // Two independent hashes of every span of every row, the same for a span
    // and its mirror image; [which][row][from * stride + to].
    std::array<std::vector<uint64_t>, 2> spanHashes;
    std::array<std::array<int32_t, MAX_ROWS>, MAX_COLOURS> inRow{};
    std::array<int32_t, MAX_COLOURS> ofColour{};
    int32_t total = 0;
    PositionKey key;
};
