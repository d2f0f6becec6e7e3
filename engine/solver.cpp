// The solver: depth-first search over legal moves with a table of dead
// positions, pruning by what each colour can still do, moves ordered by the
// puzzle's stored solution, restarts in another order and greedy games.
#include "engine/solver.h"

#include <time.h>

#include <algorithm>
#include <vector>

#include "engine/dead_position_table.h"
#include "engine/move_rule.h"
#include "engine/solution_check.h"
#include "engine/solver_moves.h"
#include "engine/solver_playout.h"
#include "engine/solver_position.h"

namespace {

// The budget of the first attempt, in positions; see Search::Run.
constexpr uint64_t RESTART_NODES = 2000;
// The search before the games, in positions: most boards are decided well
// within it, and for them nothing changes.
constexpr uint64_t SHORT_SEARCH_NODES = 24000;
// The games' budget, in candidate moves tried per cell of the board: about
// a third of a second on the largest. A game costs about as many tries as the
// board has blocks, so every size gets about as many games; more would take
// the time that proofs of dead boards need.
constexpr uint64_t PLAYOUT_TRIES_PER_CELL = 3400;
// How often, in positions and moves passed over, the clock and the cancel
// flag are read.
constexpr uint64_t CHECK_EVERY = 256;

std::chrono::nanoseconds ThreadCpuTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

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
          table(limits.tableBytes), started(Now())
    {
    }

    enum class Verdict { Clears, Dead, Stopped };
    enum class Stop { Budget, Cancelled, Restart };

    // A depth-first search that starts badly can spend its whole budget
    // below one early mistake. So it starts again, with the moves in another
    // order, after budgets that grow as 1, 1, 2, 1, 1, 2, 4, ... times
    // RESTART_NODES; the dead positions it has proved stay proved, so only
    // the unfinished part is searched again. A board the short search leaves
    // open is most often clearable by a way it keeps missing, so quick
    // randomised games come next, and then the search has the rest.
    Verdict Run(SolverPosition& start)
    {
        position = &start;
        bool played = false;
        for (uint32_t attempt = 0;; ++attempt) {
            if (!played && nodes >= SHORT_SEARCH_NODES) {
                played = true;
                const Verdict verdict = PlayOut();
                if (verdict != Verdict::Dead) {
                    return verdict;
                }
            }
            variation = attempt;
            attemptEnds = nodes + RESTART_NODES * Luby(attempt + 1);
            const Verdict verdict = Visit(0);
            if (verdict != Verdict::Stopped || stopReason != Stop::Restart) {
                return verdict;
            }
        }
    }

    SolveResult::Outcome StopReason() const
    {
        return stopReason == Stop::Cancelled ? SolveResult::Outcome::Cancelled
                                             : SolveResult::Outcome::Unknown;
    }
    uint64_t Nodes() const { return nodes; }
    std::size_t DeadPositions() const { return table.Size(); }
    // The moves found, the last first: each is added as the search unwinds.
    const std::vector<Move>& Path() const { return path; }

private:
    static uint64_t Luby(uint64_t i)
    {
        for (uint64_t k = 1;; ++k) {
            if (i == (uint64_t{1} << k) - 1) {
                return uint64_t{1} << (k - 1);
            }
            if (i < (uint64_t{1} << k) - 1) {
                return Luby(i - (uint64_t{1} << (k - 1)) + 1);
            }
        }
    }

    std::chrono::nanoseconds Now() const
    {
        return limits.cpuTime ? ThreadCpuTime() : std::chrono::steady_clock::now().time_since_epoch();
    }

    bool OutOfBudget()
    {
        if (limits.maxNodes != 0 && nodes > limits.maxNodes) {
            stopReason = Stop::Budget;
            return true;
        }
        if (nodes > attemptEnds) {
            stopReason = Stop::Restart;
            return true;
        }
        if (++ticks < nextCheck) {
            return false;
        }
        nextCheck = ticks + CHECK_EVERY;
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            stopReason = Stop::Cancelled;
            return true;
        }
        const auto elapsed = Now() - started;
        if (limits.maxTime.count() > 0 && elapsed > limits.maxTime) {
            stopReason = Stop::Budget;
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

    // Greedy games, each with its own noise, until one clears the board
    // (Clears, its moves the path) or their budget of candidate moves is
    // spent (Dead here means only: no game won). Each game's every step
    // passes the pruning rules, so it never walks into a known dead end.
    Verdict PlayOut()
    {
        attemptEnds = UINT64_MAX;
        const uint64_t spent = nodes + PLAYOUT_TRIES_PER_CELL * static_cast<uint64_t>(settings.rowWidth)
            * static_cast<uint64_t>(settings.rowCount);
        std::vector<SolverMove> made;
        std::vector<PositionKey> before;
        std::vector<Move> taken;
        std::vector<SolverMove> best;
        int32_t leastLeft = position->Total();
        for (uint64_t game = 1; nodes < spent; ++game) {
            SolverPlayout playout(settings, position->Key().hash * 0x9E3779B97F4A7C15ull + game);
            // Every other game follows the game that got furthest, up to a
            // random move of it, and goes its own way from there.
            const std::size_t kept = game % 2 == 0 && !best.empty() ? playout.Below(best.size()) : 0;
            for (std::size_t m = 0; m < kept; ++m) {
                taken.push_back(Taken(best[m]));
                before.push_back(position->Key());
                position->Apply(best[m]);
                made.push_back(best[m]);
            }
            SolverMove move;
            bool stopped = false;
            while (position->Total() != 0) {
                const bool chosen = playout.Choose(*position, table, move);
                nodes += playout.Tried();
                ticks += playout.Tried();
                playout.ClearTried();
                if (OutOfBudget()) {
                    stopped = true;
                    break;
                }
                if (!chosen) {
                    break;
                }
                taken.push_back(Taken(move));
                before.push_back(position->Key());
                position->Apply(move);
                made.push_back(move);
            }
            const bool cleared = position->Total() == 0;
            if (position->Total() < leastLeft) {
                leastLeft = position->Total();
                best = made;
            }
            for (std::size_t m = made.size(); m-- > 0;) {
                position->Undo(made[m], before[m]);
            }
            if (cleared) {
                path.assign(taken.rbegin(), taken.rend());
                return Verdict::Clears;
            }
            if (stopped) {
                return Verdict::Stopped;
            }
            made.clear();
            before.clear();
            taken.clear();
        }
        return Verdict::Dead;
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
        frames[depth].Start(*position, settings, ranks, variation);
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
    std::chrono::nanoseconds started;
    SolverPosition* position = nullptr;
    std::vector<SolverMoves> frames;
    std::vector<Move> path;
    uint64_t nodes = 0;
    uint64_t ticks = 0;
    uint64_t nextCheck = CHECK_EVERY;
    uint64_t attemptEnds = 0;
    uint32_t variation = 0;
    Stop stopReason = Stop::Budget;
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
