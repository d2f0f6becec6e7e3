// Handing out the moves of a position one at a time.
#include "engine/solver_moves.h"

#include <algorithm>

namespace {

// Up to this many moves are listed and ordered; beyond, they come in turn.
constexpr uint64_t MOST_ORDERED = 256;

// A variation's noise weighs this many times one colour left without a move.
constexpr uint64_t NOISE_IN_COLOURS = 2;
// Units of the score: a colour left without a move, a block fewer.
constexpr uint64_t PER_COLOUR = 1 << 6;
constexpr uint64_t PER_BLOCK = 1 << 4;

uint64_t Choices(int32_t from, int32_t take)
{
    uint64_t ways = 1;
    for (int32_t k = 1; k <= take; ++k) {
        ways = ways * static_cast<uint64_t>(from - take + k) / static_cast<uint64_t>(k);
    }
    return ways;
}

}  // namespace

void SolverMoves::Start(SolverPosition& board, const PuzzleSettings& settings,
                        const GuideRanks& ranks, uint32_t variation)
{
    position = &board;
    minRemove = settings.minRemove;
    maxRemove = std::min(settings.maxRemove, 2 * MAX_ROWS);
    size = maxRemove;
    colour = -1;
    endCount = 0;
    ordered.clear();
    nextOrdered = 0;
    guideMoves.clear();
    nextGuideMove = 0;
    useGuide = variation % 2 == 0;
    seed = variation == 0 ? 0 : MixBits(board.Key().hash + variation * 0x9E3779B97F4A7C15ull) | 1;
    for (int32_t c = 0; c < MAX_COLOURS; ++c) {
        colourOrder[c] = static_cast<int8_t>(c);
    }
    if (seed != 0) {
        std::sort(colourOrder.begin(), colourOrder.end(),
                  [&](int8_t a, int8_t b) { return MixBits(seed + a) < MixBits(seed + b); });
    }
    uint64_t moveCount = 0;
    for (int32_t c = 0; c < MAX_COLOURS && moveCount <= MOST_ORDERED; ++c) {
        const int32_t count = board.EndsOf(c, ends);
        for (int32_t k = minRemove; k <= std::min(maxRemove, count); ++k) {
            moveCount += Choices(count, k);
        }
    }
    if (moveCount > MOST_ORDERED) {
        if (useGuide) {
            AddGuideMoves(ranks);
        }
        return;
    }
    SolverMove move;
    while (NextInTurn(move)) {
        ordered.push_back({0, move});
    }
    for (auto& [order, candidate] : ordered) {
        order = OrderOf(board, candidate, ranks);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

// Earlier guide moves first: a whole guide move (all the ends it still has
// and nothing else) before part of one, and part of one before a move that
// mixes several. Then the move after which the most colours can still be
// played; then the larger move; with noise, a blend of the two.
uint64_t SolverMoves::OrderOf(SolverPosition& board, const SolverMove& move,
                              const GuideRanks& ranks) const
{
    int32_t latest = 0;
    int32_t earliest = GUIDE_UNRANKED;
    for (int8_t k = 0; k < move.count; ++k) {
        const int32_t rank = ranks[move.ends[k].row][board.CellAt(move.ends[k])];
        latest = std::max(latest, rank);
        earliest = std::min(earliest, rank);
    }
    int32_t leftOut = 0;
    for (int8_t r = 0; latest != 0 && r < board.RowCount(); ++r) {
        for (int8_t side = 0; side < 2 && side < board.Length(r); ++side) {
            leftOut += ranks[r][board.CellAt({r, side})] == latest;
        }
    }
    leftOut = latest != 0 ? leftOut - move.count : 0;
    const PositionKey before = board.Key();
    board.Apply(move);
    const auto stuck = static_cast<uint64_t>(MAX_COLOURS - board.ColoursWithEnds(minRemove));
    const uint64_t noise = MixBits(board.Key().hash ^ seed);
    board.Undo(move, before);
    const uint64_t mixed = latest == earliest ? 0 : 1;
    const uint64_t guide = !useGuide ? 0 : (static_cast<uint64_t>(latest) << 32) | (mixed << 31)
        | (static_cast<uint64_t>(std::clamp(leftOut, 0, 2 * MAX_ROWS)) << 24);
    const auto fewer = static_cast<uint64_t>(2 * MAX_ROWS - move.count);
    if (seed == 0) {
        return guide | (stuck << 16) | (fewer << 8);
    }
    return guide | (stuck * PER_COLOUR + fewer * PER_BLOCK + noise % (NOISE_IN_COLOURS * PER_COLOUR));
}

// The row ends each guide move still has on the board; those that form a
// legal move on their own are that guide move, played as the guide plays it.
void SolverMoves::AddGuideMoves(const GuideRanks& ranks)
{
    std::vector<std::pair<int32_t, RowEnd>> ranked;
    for (int8_t r = 0; r < position->RowCount(); ++r) {
        for (int8_t side = 0; side < 2 && side < position->Length(r); ++side) {
            const RowEnd end{r, side};
            const int32_t rank = ranks[r][position->CellAt(end)];
            if (rank != 0 && rank != GUIDE_UNRANKED) {
                ranked.push_back({rank, end});
            }
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t first = 0; first < ranked.size();) {
        std::size_t last = first;
        while (last < ranked.size() && ranked[last].first == ranked[first].first) {
            ++last;
        }
        SolverMove move;
        move.colour = static_cast<int8_t>(position->ColourAt(ranked[first].second));
        for (std::size_t e = first; e < last; ++e) {
            move.ends[move.count++] = ranked[e].second;
        }
        const bool oneColour = std::all_of(move.ends.begin(), move.ends.begin() + move.count,
            [&](RowEnd end) { return position->ColourAt(end) == move.colour; });
        if (oneColour && move.count >= minRemove && move.count <= maxRemove) {
            std::sort(move.ends.begin(), move.ends.begin() + move.count, [](RowEnd a, RowEnd b) {
                return a.row != b.row ? a.row < b.row : a.side < b.side;
            });
            guideMoves.push_back(move);
        }
        first = last;
    }
}

bool SolverMoves::IsGuideMove(const SolverMove& move) const
{
    return std::any_of(guideMoves.begin(), guideMoves.end(), [&](const SolverMove& guide) {
        return guide.count == move.count
            && std::equal(move.ends.begin(), move.ends.begin() + move.count, guide.ends.begin(),
                          [](RowEnd a, RowEnd b) { return a.row == b.row && a.side == b.side; });
    });
}

// The next colour, at the current size or the next smaller one, with ends
// enough for a move of that size.
bool SolverMoves::StartColour()
{
    while (size >= minRemove) {
        while (++colour < MAX_COLOURS) {
            endCount = position->EndsOf(colourOrder[colour], ends);
            if (endCount >= size) {
                for (int32_t e = endCount - 1; seed != 0 && e > 0; --e) {
                    std::swap(ends[e], ends[MixBits(seed ^ (colour * 64 + e)) % (e + 1)]);
                }
                for (int32_t k = 0; k < size; ++k) {
                    chosen[k] = k;
                }
                return true;
            }
        }
        --size;
        colour = -1;
    }
    return false;
}

// The next choice of size ends out of endCount, in increasing order.
bool SolverMoves::Advance()
{
    int32_t k = size - 1;
    while (k >= 0 && chosen[k] == endCount - size + k) {
        --k;
    }
    if (k < 0) {
        return false;
    }
    ++chosen[k];
    for (int32_t j = k + 1; j < size; ++j) {
        chosen[j] = chosen[j - 1] + 1;
    }
    return true;
}

bool SolverMoves::Next(SolverMove& move)
{
    if (!ordered.empty()) {
        if (nextOrdered == ordered.size()) {
            return false;
        }
        move = ordered[nextOrdered++].second;
        return true;
    }
    return NextInTurn(move);
}

bool SolverMoves::NextInTurn(SolverMove& move)
{
    if (nextGuideMove < guideMoves.size()) {
        move = guideMoves[nextGuideMove++];
        return true;
    }
    while (true) {
        if (colour < 0 || colour >= MAX_COLOURS || !Advance()) {
            if (!StartColour()) {
                return false;
            }
        }
        move.colour = colourOrder[colour];
        move.count = static_cast<int8_t>(size);
        for (int32_t k = 0; k < size; ++k) {
            move.ends[k] = ends[chosen[k]];
        }
        if (seed != 0) {
            std::sort(move.ends.begin(), move.ends.begin() + size, [](RowEnd a, RowEnd b) {
                return a.row != b.row ? a.row < b.row : a.side < b.side;
            });
        }
        if (!IsGuideMove(move)) {
            return true;
        }
    }
}
