// The solver: depth-first search over legal moves with a table of dead
// positions, pruning by what each colour can still do, and moves ordered by
// the puzzle's stored solution.
#include "engine/solver.h"

#include <algorithm>
#include <vector>

#include "engine/dead_position_table.h"
#include "engine/move_rule.h"
#include "engine/solution_check.h"
#include "engine/solver_position.h"

namespace {

// Cells the guide says nothing about are tried after every cell it ranks.
constexpr int32_t UNRANKED = 1 << 20;
// How often, in positions, the clock and the cancel flag are read.
constexpr uint64_t CHECK_EVERY = 256;

using Ranks = std::array<std::array<int32_t, MAX_ROW_WIDTH>, MAX_ROWS>;

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
Ranks RankByGuide(const RowSet& rows, const PuzzleSettings& settings, const MoveList* guide)
{
    Ranks ranks;
    for (auto& row : ranks) {
        row.fill(guide == nullptr ? 0 : UNRANKED);
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
    Ranks rankAtStart{};
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

struct Child {
    SolverMove move;
    PositionKey key;
    uint64_t order = 0;
};

class Search {
public:
    Search(const PuzzleSettings& settings, const SolverLimits& limits,
           const std::atomic<bool>* cancel, const Ranks& ranks)
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
        if (nodes % CHECK_EVERY != 0) {
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

    // Earlier guide moves first; among them a move that is one whole guide
    // move before one that mixes blocks of several; then larger moves.
    uint64_t OrderOf(const SolverMove& move) const
    {
        int32_t latest = 0;
        int32_t earliest = UNRANKED;
        for (int8_t k = 0; k < move.count; ++k) {
            const int32_t rank = ranks[move.ends[k].row][position->CellAt(move.ends[k])];
            latest = std::max(latest, rank);
            earliest = std::min(earliest, rank);
        }
        const uint64_t mixed = latest == earliest ? 0 : 1;
        return (static_cast<uint64_t>(latest) << 32) | (mixed << 31)
            | static_cast<uint64_t>(2 * MAX_ROWS - move.count);
    }

    void AddChoices(std::vector<Child>& children, int32_t colour,
                    const std::array<RowEnd, 2 * MAX_ROWS>& ends, int32_t endCount,
                    SolverMove& move, int32_t next, int32_t need)
    {
        if (need == 0) {
            const PositionKey key = position->KeyAfter(move);
            if (!table.Contains(key)) {
                children.push_back({move, key, 0});
            }
            return;
        }
        for (int32_t e = next; e <= endCount - need; ++e) {
            move.ends[move.count++] = ends[e];
            AddChoices(children, colour, ends, endCount, move, e + 1, need - 1);
            --move.count;
        }
    }

    void ListChildren(std::vector<Child>& children)
    {
        children.clear();
        std::array<RowEnd, 2 * MAX_ROWS> ends;
        for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
            const int32_t endCount = position->EndsOf(colour, ends);
            const int32_t most = std::min(settings.maxRemove, endCount);
            for (int32_t size = settings.minRemove; size <= most; ++size) {
                SolverMove move;
                move.colour = static_cast<int8_t>(colour);
                AddChoices(children, colour, ends, endCount, move, 0, size);
            }
        }
        // Rows of equal contents give the same position whichever is taken.
        for (std::size_t c = 0; c < children.size(); ++c) {
            children[c].order = OrderOf(children[c].move);
        }
        std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
            return a.key.hash != b.key.hash ? a.key.hash < b.key.hash : a.key.check < b.key.check;
        });
        children.erase(std::unique(children.begin(), children.end(),
                                   [](const Child& a, const Child& b) { return a.key == b.key; }),
                       children.end());
        std::stable_sort(children.begin(), children.end(),
                         [](const Child& a, const Child& b) { return a.order < b.order; });
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
        const PositionKey key = position->Key();
        if (!position->CountsAllowClearing()) {
            return Verdict::Dead;
        }
        if (frames.size() <= depth) {
            frames.resize(depth + 1);
        }
        ListChildren(frames[depth]);
        const uint64_t nodesBefore = nodes;
        for (std::size_t c = 0; c < frames[depth].size(); ++c) {
            const SolverMove move = frames[depth][c].move;
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
    const Ranks& ranks;
    DeadPositionTable table;
    std::chrono::steady_clock::time_point started;
    SolverPosition* position = nullptr;
    std::vector<std::vector<Child>> frames;
    std::vector<Move> path;
    uint64_t nodes = 0;
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
    const Ranks ranks = RankByGuide(rows, settings, guide);
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
