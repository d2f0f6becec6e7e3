// Randomised greedy play through the solver's pruning rules.
#include "engine/solver_playout.h"

#include <algorithm>
#include <limits>

namespace {

// Units of the score: a colour that can still be played, a block taken. The
// noise spans this many colours' worth, so a somewhat worse move is often
// taken, a much worse one never.
constexpr uint64_t PER_COLOUR = 1 << 6;
constexpr uint64_t PER_BLOCK = 1 << 4;
constexpr uint64_t NOISE_IN_COLOURS = 2;

}  // namespace

SolverPlayout::SolverPlayout(const PuzzleSettings& settings, uint64_t seed)
    : minRemove(settings.minRemove), maxRemove(std::min(settings.maxRemove, 2 * MAX_ROWS)),
      state(seed)
{
}

// splitmix64: fast, and every seed gives a good stream.
uint64_t SolverPlayout::Draw()
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t SolverPlayout::Score(SolverPosition& position, const DeadPositionTable& table,
                              const SolverMove& move, bool& passes)
{
    ++tried;
    const PositionKey before = position.Key();
    position.Apply(move);
    uint64_t score = std::numeric_limits<uint64_t>::max();
    passes = true;
    if (position.Total() != 0) {
        passes = position.CountsAllowClearing() && position.LastMovesAllowClearing()
            && !table.Contains(position.Key());
        score = static_cast<uint64_t>(position.ColoursWithEnds(minRemove)) * PER_COLOUR
            + static_cast<uint64_t>(move.count) * PER_BLOCK + Draw() % (NOISE_IN_COLOURS * PER_COLOUR);
    }
    position.Undo(move, before);
    return score;
}

// Of every colour, one random choice of its row ends for each size a move
// may have: few enough candidates to try them all at every step, and over
// many games every move has its chance.
bool SolverPlayout::Choose(SolverPosition& position, const DeadPositionTable& table,
                           SolverMove& chosen)
{
    bool found = false;
    uint64_t best = 0;
    for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
        const int32_t count = position.EndsOf(colour, ends);
        if (count < minRemove) {
            continue;
        }
        for (int32_t e = count - 1; e > 0; --e) {
            std::swap(ends[e], ends[Draw() % static_cast<uint64_t>(e + 1)]);
        }
        for (int32_t size = minRemove; size <= std::min(maxRemove, count); ++size) {
            SolverMove move;
            move.colour = static_cast<int8_t>(colour);
            move.count = static_cast<int8_t>(size);
            std::copy(ends.begin(), ends.begin() + size, move.ends.begin());
            std::sort(move.ends.begin(), move.ends.begin() + size, [](RowEnd a, RowEnd b) {
                return a.row != b.row ? a.row < b.row : a.side < b.side;
            });
            bool passes = false;
            const uint64_t score = Score(position, table, move, passes);
            if (passes && (!found || score > best)) {
                found = true;
                best = score;
                chosen = move;
            }
        }
    }
    return found;
}
