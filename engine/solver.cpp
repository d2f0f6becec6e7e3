// The solver: depth-first search over legal moves with a table of dead
// positions, pruning by what each colour can still do, and moves ordered by
// the puzzle's stored solution.
#include "engine/solver.h"

#include <algorithm>
#include <vector>

#include "engine/dead_position_table.h"
#include "engine/move_rule.h"
#include "engine/solution_check.h"
#include "engine/solver_moves.h"
#include "engine/solver_position.h"

namespace {

// How often, in positions and moves passed over, the clock and the cancel
// flag are read.
constexpr uint64_t CHECK_EVERY = 256;

// Finds where row sits inside the start row it came from: moves only ever
// take blocks from the ends, so it is an unbroken part of it.
int32_t OffsetIn(const BlockRow& start, const BlockRow& row)
{
    if (row.size() > start.size()) {
        return -1;
    }
    const auto found = std::search(start.begin(), start.end(), row.begin(), row.end());
    return found == start.end() && !row.empty() ? -1 : static_cast<int32_t>(found - start.begin());
}

// For every cell of rows, the number of the guide's move that takes its
// block (1 for the first), so the guide's moves come first in their order.
GuideRanks RankByGuide(const RowSet& rows, const PuzzleSettings& settings, const MoveList* guide)
{
    GuideRanks ranks;
    for (auto& row : ranks) {
        row.fill(guide == nullptr ? 0 : GUIDE_UNRANKED);
    }
    RowSet start;
    std::vector<Move> moves;
    if (guide == nullptr || !RebuildCheckedBoard(*guide, settings, start)
        || !ReadSolutionEntries(*guide, moves)) {
        return ranks;
    }
    // Play the guide on a board of cell numbers to learn which move takes
    // which block of the start.
    RowSet cellsLeft;
    GuideRanks rankAtStart{};
    for (int32_t r = 0; r < settings.rowCount; ++r) {
        for (int32_t p = 0; p < static_cast<int32_t>(start[r].size()); ++p) {
            cellsLeft[r].push_back(p);
        }
    }
    for (std::size_t m = 0; m < moves.size(); ++m) {
        for (const BlockRef& block : moves[m].blocks) {
            rankAtStart[block.row][cellsLeft[block.row][block.index]] = static_cast<int32_t>(m) + 1;
        }
        RemoveBlocks(cellsLeft, settings, moves[m].blocks);
    }
    for (int32_t r = 0; r < settings.rowCount; ++r) {
        const int32_t offset = OffsetIn(start[r], rows[r]);
        for (int32_t p = 0; offset >= 0 && p < static_cast<int32_t>(rows[r].size()); ++p) {
            ranks[r][p] = rankAtStart[r][offset + p];
        }
    }
    return ranks;
}

class Search {
public:
    Search(const PuzzleSettings& settings, const SolverLimits& limits,
           const std::atomic<bool>* cancel, const GuideRanks& ranks)
        : settings(settings), limits(limits), cancel(cancel), ranks(ranks),
          table(limits.tableBytes), started(std::chrono::steady_clock::now())
    {
    }

    enum class Verdict { Clears, Dead, Stopped };

    Verdict Run(SolverPosition& start)
    {
        position = &start;
        return Visit(0);
    }

    SolveResult::Outcome StopReason() const { return stopReason; }
    uint64_t Nodes() const { return nodes; }
    std::size_t DeadPositions() const { return table.Size(); }
    // The moves found, in order of play.
    const std::vector<Move>& Path() const { return path; }

private:
    bool OutOfBudget()
    {
        if (limits.maxNodes != 0 && nodes > limits.maxNodes) {
            stopReason = SolveResult::Outcome::Unknown;
            return true;
        }
        if (++ticks % CHECK_EVERY != 0) {
            return false;
        }
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            stopReason = SolveResult::Outcome::Cancelled;
            return true;
        }
        if (limits.maxTime.count() > 0 && std::chrono::steady_clock::now() - started > limits.maxTime) {
            stopReason = SolveResult::Outcome::Unknown;
            return true;
        }
        return false;
    }

    Move Taken(const SolverMove& move) const
    {
        Move taken{move.colour, {}};
        for (int8_t k = 0; k < move.count; ++k) {
            taken.blocks.push_back(position->BlockAt(move.ends[k]));
        }
        return taken;
    }

    Verdict Visit(std::size_t depth)
    {
        if (position->Total() == 0) {
            return Verdict::Clears;
        }
        ++nodes;
        if (OutOfBudget()) {
            return Verdict::Stopped;
        }
        if (!position->CountsAllowClearing() || !position->LastMovesAllowClearing()) {
            return Verdict::Dead;
        }
        if (frames.size() <= depth) {
            frames.resize(depth + 1);
        }
        const PositionKey key = position->Key();
        const uint64_t nodesBefore = nodes;
        frames[depth].Start(*position, settings, ranks);
        SolverMove move;
        while (frames[depth].Next(move)) {
            if (table.Contains(position->KeyAfter(move))) {
                // A million remembered moves take time too.
                if (OutOfBudget()) {
                    return Verdict::Stopped;
                }
                continue;
            }
            position->Apply(move);
            const Verdict verdict = Visit(depth + 1);
            position->Undo(move, key);
            if (verdict == Verdict::Clears) {
                path.push_back(Taken(move));
                return verdict;
            }
            if (verdict == Verdict::Stopped) {
                return verdict;
            }
        }
        table.Insert(key, nodes - nodesBefore + 1);
        return Verdict::Dead;
    }

    const PuzzleSettings& settings;
    const SolverLimits& limits;
    const std::atomic<bool>* cancel;
    const GuideRanks& ranks;
    DeadPositionTable table;
    std::chrono::steady_clock::time_point started;
    SolverPosition* position = nullptr;
    std::vector<SolverMoves> frames;
    std::vector<Move> path;
    uint64_t nodes = 0;
    uint64_t ticks = 0;
    SolveResult::Outcome stopReason = SolveResult::Outcome::Unknown;
};

}  // namespace

SolveResult Solve(const RowSet& rows, const PuzzleSettings& settings,
                  const SolverLimits& limits, const MoveList* guide,
                  const std::atomic<bool>* cancel)
{
    SolveResult result;
    SolverPosition position;
    if (!settings.WithinEngineLimits() || !position.Load(rows, settings)) {
        return result;
    }
    const GuideRanks ranks = RankByGuide(rows, settings, guide);
    Search search(settings, limits, cancel, ranks);
    const Search::Verdict verdict = search.Run(position);
    result.nodes = search.Nodes();
    result.deadPositions = search.DeadPositions();
    if (verdict == Search::Verdict::Stopped) {
        result.outcome = search.StopReason();
        return result;
    }
    if (verdict == Search::Verdict::Dead) {
        result.outcome = SolveResult::Outcome::NoSolution;
        return result;
    }
    // The path was collected while the search unwound: last move first.
    const std::vector<Move>& path = search.Path();
    for (auto move = path.rbegin(); move != path.rend(); ++move) {
        AppendSolutionEntry(result.moves, *move);
    }
    // Every answer is replayed through the rule of a move before it is given.
    if (!SolutionClearsBoard(rows, result.moves, settings)) {
        result.moves.clear();
        return result;
    }
    result.outcome = SolveResult::Outcome::Solved;
    return result;
}
