// The moves of one position, handed out one at a time so that a position
// with a million of them costs no more memory than one with three: the
// guide's moves first, then every legal move, the most promising first.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/solver_position.h"

// For every cell of the board the solver was given, the number of the
// guide's move that takes its block (1 for the first); GUIDE_UNRANKED where
// the guide says nothing, 0 everywhere without a guide.
inline constexpr int32_t GUIDE_UNRANKED = 1 << 20;
using GuideRanks = std::array<std::array<int32_t, MAX_ROW_WIDTH>, MAX_ROWS>;

class SolverMoves {
public:
    // position is the same when Start returns and must not change until the
    // last Next. variation 0 gives the plain order: the guide's, then the
    // fewest colours left without a move, then the largest move. Every other
    // value adds noise drawn from the position and the variation, strong
    // enough to bring a somewhat worse move first, and shuffles the colours
    // and row ends of positions with too many moves to order. Odd variations
    // leave the guide out: once play has strayed far from the puzzle's
    // start, its order leads the search astray too.
    void Start(SolverPosition& position, const PuzzleSettings& settings,
               const GuideRanks& ranks, uint32_t variation);
    // The next move; false when every move has been handed out.
    bool Next(SolverMove& move);

private:
    uint64_t OrderOf(SolverPosition& board, const SolverMove& move, const GuideRanks& ranks) const;
    bool NextInTurn(SolverMove& move);
    void AddGuideMoves(const GuideRanks& ranks);
    bool StartColour();
    bool Advance();
    bool IsGuideMove(const SolverMove& move) const;

    const SolverPosition* position = nullptr;
    // Noise for this position and variation; 0 for none.
    uint64_t seed = 0;
    bool useGuide = true;
    int32_t minRemove = 1;
    int32_t maxRemove = 1;
    // Few enough moves are all listed up front and tried best first.
    std::vector<std::pair<uint64_t, SolverMove>> ordered;
    std::size_t nextOrdered = 0;
    std::vector<SolverMove> guideMoves;
    std::size_t nextGuideMove = 0;
    // Where the enumeration of every move stands: the size of the moves,
    // the colour, its row ends, and the ends chosen (increasing indices).
    int32_t size = 0;
    std::array<int8_t, MAX_COLOURS> colourOrder{};
    int32_t colour = MAX_COLOURS;
    std::array<RowEnd, 2 * MAX_ROWS> ends{};
    int32_t endCount = 0;
    std::array<int32_t, 2 * MAX_ROWS> chosen{};
};
