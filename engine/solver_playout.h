// One step of a randomised greedy game the solver plays before it searches:
// a few candidate moves of every colour, the best that the pruning rules and
// the table of dead positions let through.
#pragma once

#include <array>
#include <cstdint>

#include "engine/dead_position_table.h"
#include "engine/solver_position.h"

class SolverPlayout {
public:
    // seed fixes every choice of the game: the same seed, the same game.
    SolverPlayout(const PuzzleSettings& settings, uint64_t seed);

    // Chooses the next move on position, or false when every candidate
    // leaves a position proved dead (the game is lost, though the board may
    // not be). position is the same on return.
    bool Choose(SolverPosition& position, const DeadPositionTable& table, SolverMove& chosen);
    // Candidate moves tried since the last ClearTried, each made and taken
    // back once.
    uint64_t Tried() const { return tried; }
    void ClearTried() { tried = 0; }
    // A number drawn from 0 .. n - 1 (n > 0), from the game's own stream.
    uint64_t Below(uint64_t n) { return Draw() % n; }

private:
    uint64_t Draw();
    // The score of move, made on position: higher is better; clearing the
    // board beats everything. Sets passes when the position after it is not
    // proved dead.
    uint64_t Score(SolverPosition& position, const DeadPositionTable& table,
                   const SolverMove& move, bool& passes);

    int32_t minRemove;
    int32_t maxRemove;
    uint64_t state;
    uint64_t tried = 0;
    std::array<RowEnd, 2 * MAX_ROWS> ends{};
};
