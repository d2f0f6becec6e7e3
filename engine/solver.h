// Whether and how a board can still be cleared: a depth-first search over the
// rule of a move that remembers dead positions in a table of fixed size,
// restarting in another order, with randomised greedy games to find a way.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>

#include "engine/move_list.h"
#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

struct SolverLimits {
    // Positions visited before giving up; 0: no limit.
    uint64_t maxNodes = 0;
    // Time before giving up, checked every few hundred positions; 0: no limit.
    std::chrono::milliseconds maxTime{0};
    // Whether maxTime counts the calling thread's CPU time instead of the
    // wall clock: the same budget then means the same work on a busy machine.
    bool cpuTime = false;
    // The most the table of dead positions may take; it starts at 16 KiB and
    // doubles as it fills, holding the old half too while it moves to the
    // new, so at the moment of the last doubling the search takes one and a
    // half times this. The search itself needs 16 KiB more per move of depth:
    // up to about 2.5 MiB on the largest boards the play options make.
    std::size_t tableBytes = std::size_t{16} << 20;
};

struct SolveResult {
    enum class Outcome {
        Solved,      // moves clears the board
        NoSolution,  // proved: no sequence of legal moves clears the board
        Unknown,     // the node or time budget ran out, or the board is not one the engine plays
        Cancelled,   // the cancel flag was raised
    };
    Outcome outcome = Outcome::Unknown;
    // When Solved: solution entries (colour, blocks, marker) that, played in
    // order from the board given, are legal moves that empty it. Otherwise
    // empty.
    MoveList moves;
    // Positions visited, and candidate moves the greedy games tried.
    uint64_t nodes = 0;
    // Dead positions remembered when the search ended.
    std::size_t deadPositions = 0;
};

// Searches rows (rows 0 .. rowCount - 1 in play) under settings, which must be
// within the engine's limits. guide, when given, is the puzzle's stored
// solution: its moves are tried first wherever the board still holds their
// blocks, which finds a way quickly while the board resembles the puzzle's
// start. cancel, when given, may be raised from another thread; the search
// then ends within a few hundred positions. Deterministic: the same input
// gives the same result and the same moves, unless the time budget ends it.
// It reads only its arguments and touches nothing shared (not even the random
// source), so a worker thread may run it on a copy of the board while the
// game plays on.
SolveResult Solve(const RowSet& rows, const PuzzleSettings& settings,
                  const SolverLimits& limits, const MoveList* guide = nullptr,
                  const std::atomic<bool>* cancel = nullptr);
