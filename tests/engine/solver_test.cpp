// The solver: its answers checked against the rule of a move and against an
// exhaustive search, on hand-made, random and generated boards.
#include "engine/generator.h"
#include "engine/move_rule.h"
#include "engine/random.h"
#include "engine/solution_check.h"
#include "engine/solver.h"
#include "engine/solver_moves.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <random>
#include <thread>

using engine_test::GroupsOf;
using engine_test::ObeysRule;
using engine_test::TotalBlocks;
using Outcome = SolveResult::Outcome;

namespace {

RowSet Board(std::initializer_list<BlockRow> rows)
{
    RowSet board;
    int r = 0;
    for (const BlockRow& row : rows) {
        board[r++] = row;
    }
    return board;
}

// Plays moves from rows through the plain rule the tests write out
// themselves, so a fault in the engine's rule cannot hide one in the solver.
::testing::AssertionResult ClearsBoard(RowSet rows, const PuzzleSettings& settings,
                                       const MoveList& moves)
{
    for (const auto& group : GroupsOf(moves)) {
        const auto obeys = ObeysRule(rows, settings, group);
        if (!obeys) {
            return obeys;
        }
        RemoveBlocks(rows, settings, group.blocks);
    }
    ColourCounters counters;
    const int32_t left = CountBlocks(rows, settings.rowCount, counters);
    if (left != 0) {
        return ::testing::AssertionFailure() << left << " blocks left";
    }
    return ::testing::AssertionSuccess();
}

// Every subset of row ends of one colour, every board reached: whether any
// sequence clears the board, by brute force.
class Exhaustive {
public:
    explicit Exhaustive(const PuzzleSettings& settings) : settings(settings) {}

    bool CanClear(const RowSet& rows)
    {
        if (TotalBlocks(rows) == 0) {
            return true;
        }
        const auto known = memo.find(rows);
        if (known != memo.end()) {
            return known->second;
        }
        std::vector<BlockRef> ends;
        for (int32_t r = 0; r < settings.rowCount; ++r) {
            const auto length = static_cast<int32_t>(rows[r].size());
            if (length > 0) {
                ends.push_back({0, r});
            }
            if (length > 1) {
                ends.push_back({length - 1, r});
            }
        }
        bool clears = false;
        for (uint32_t subset = 1; subset < (1u << ends.size()) && !clears; ++subset) {
            engine_test::Group group;
            for (std::size_t e = 0; e < ends.size(); ++e) {
                if (subset & (1u << e)) {
                    group.blocks.push_back(ends[e]);
                }
            }
            group.colour = rows[group.blocks.front().row][group.blocks.front().index];
            if (!ObeysRule(rows, settings, group)) {
                continue;
            }
            RowSet after = rows;
            RemoveBlocks(after, settings, group.blocks);
            clears = CanClear(after);
        }
        memo[rows] = clears;
        return clears;
    }

private:
    PuzzleSettings settings;
    std::map<RowSet, bool> memo;
};

SolverLimits Unlimited()
{
    return {};
}

}  // namespace

TEST(Solver, AnswersSmallBoardsWhoseFateIsPlain)
{
    struct Case {
        const char* what;
        RowSet rows;
        PuzzleSettings settings;
        Outcome outcome;
    };
    const Case cases[] = {
        {"empty board", Board({}), {6, 2, 2, 2, 2}, Outcome::Solved},
        {"one move", Board({{1, 0, 0, 1}}), {6, 1, 2, 2, 2}, Outcome::Solved},
        {"a colour too few for one move", Board({{0, 0, 1}}), {6, 1, 2, 2, 2}, Outcome::NoSolution},
        {"a colour locked inside its row", Board({{0, 1, 0, 1}}), {6, 1, 2, 2, 2}, Outcome::NoSolution},
        {"three in one row, two at most per move", Board({{0, 0, 0}}), {6, 1, 1, 3, 3}, Outcome::NoSolution},
        {"two moves from one row", Board({{0, 1, 1, 0}}), {6, 1, 2, 2, 2}, Outcome::Solved},
        {"every first move ends stuck", Board({{1, 0, 0}, {0, 1, 1}}), {6, 2, 2, 2, 2},
         Outcome::NoSolution},
        {"a row not in play is not the solver's", Board({{0, 0}, {1}}), {6, 1, 2, 2, 2}, Outcome::Solved},
        {"settings the engine refuses", Board({{0, 0}}), {6, 1, 2, 0, 2}, Outcome::Unknown},
        {"a cell with no colour", Board({{0, 12}}), {6, 1, 2, 1, 2}, Outcome::Unknown},
    };
    for (const Case& c : cases) {
        const SolveResult result = Solve(c.rows, c.settings, Unlimited());
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        if (result.outcome == Outcome::Solved) {
            EXPECT_TRUE(ClearsBoard(c.rows, c.settings, result.moves)) << c.what;
        } else {
            EXPECT_TRUE(result.moves.empty()) << c.what;
        }
    }
}

// Random boards of up to three rows of five, two or three colours, any
// minimum and maximum up to four: the solver agrees with brute force, also
// when its table holds only a few positions and must forget.
TEST(Solver, AgreesWithAnExhaustiveSearchOnThousandsOfTinyBoards)
{
    std::mt19937 random(20240601);
    int solved = 0;
    int dead = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const auto rowCount = static_cast<int32_t>(1 + random() % 3);
        const auto colours = static_cast<int32_t>(2 + random() % 2);
        const auto least = static_cast<int32_t>(1 + random() % 3);
        const auto most = static_cast<int32_t>(least + random() % (5 - least));
        const PuzzleSettings settings{5, rowCount, colours, least, most};
        RowSet rows;
        for (int32_t r = 0; r < rowCount; ++r) {
            rows[r].resize(random() % 6);
            for (int32_t& cell : rows[r]) {
                cell = static_cast<int32_t>(random() % colours);
            }
        }
        SolverLimits limits;
        limits.tableBytes = trial % 2 == 0 ? 64 : std::size_t{1} << 16;
        const SolveResult result = Solve(rows, settings, limits);
        const bool clears = Exhaustive(settings).CanClear(rows);
        ASSERT_EQ(result.outcome, clears ? Outcome::Solved : Outcome::NoSolution) << "trial " << trial;
        if (clears) {
            ASSERT_TRUE(ClearsBoard(rows, settings, result.moves)) << "trial " << trial;
        }
        (clears ? solved : dead) += 1;
    }
    // Both answers are common, so both are checked.
    EXPECT_GT(solved, 500);
    EXPECT_GT(dead, 500);
}

// Every generated puzzle can be cleared from its start, so the solver must
// say so for a spread of play options, guided by the stored solution as the
// game guides it; without the guide it may run out of budget, never say no.
TEST(Solver, ClearsEveryGeneratedPuzzleFromItsStart)
{
    const auto all = engine_test::AllPlayOptions();
    SolverLimits guidedLimits;
    guidedLimits.maxNodes = 100000;
    SolverLimits unguidedLimits;
    unguidedLimits.maxNodes = 2000;
    const int puzzles = 300 / static_cast<int>(engine_test::SEED_SHARE);
    for (int p = 0; p < puzzles; ++p) {
        const PuzzleSettings& settings = all[(static_cast<std::size_t>(p) * 7919u + 5u) % all.size()];
        RowSet rows;
        MoveList solution;
        SeedRandom(static_cast<uint32_t>(p));
        Generate(rows, settings, solution);
        const SolveResult guided = Solve(rows, settings, guidedLimits, &solution);
        ASSERT_EQ(guided.outcome, Outcome::Solved) << "puzzle " << p;
        ASSERT_TRUE(ClearsBoard(rows, settings, guided.moves)) << "puzzle " << p;
        if (p % 3 == 0) {
            const SolveResult unguided = Solve(rows, settings, unguidedLimits);
            ASSERT_NE(unguided.outcome, Outcome::NoSolution) << "puzzle " << p;
        }
    }
}

namespace {

struct PlayedBoard {
    RowSet rows;
    PuzzleSettings settings;
};

// A generated puzzle after the given number of moves, each the first
// minRemove ends of the first colour that has that many.
PlayedBoard AfterSimpleMoves(const PuzzleSettings& settings, uint32_t seed, int moves)
{
    PlayedBoard board{{}, settings};
    MoveList solution;
    SeedRandom(seed);
    Generate(board.rows, settings, solution);
    for (int m = 0; m < moves; ++m) {
        MoveList move;
        for (int32_t colour = 0; colour < settings.colourCount && move.empty(); ++colour) {
            for (int32_t r = 0; r < settings.rowCount; ++r) {
                const auto length = static_cast<int32_t>(board.rows[r].size());
                for (const int32_t index : {0, length - 1}) {
                    const BlockRef block{index, r};
                    if (length > 0 && (index == 0 || length > 1)
                        && static_cast<int32_t>(move.size()) < settings.minRemove
                        && board.rows[r][index] == colour) {
                        move.push_back(block);
                    }
                }
            }
            if (static_cast<int32_t>(move.size()) < settings.minRemove) {
                move.clear();
            }
        }
        if (move.empty()) {
            break;
        }
        EXPECT_TRUE(IsLegalMove(board.rows, settings, move));
        RemoveBlocks(board.rows, settings, move);
    }
    return board;
}

// A board the solver proves dead, but only after thousands of positions.
PlayedBoard DeadBoardWorthSearching()
{
    SolverLimits limits;
    limits.maxNodes = 300000;
    for (uint32_t seed = 1;; ++seed) {
        const PlayedBoard board = AfterSimpleMoves({16, 4, 5, 3, 4}, seed, 1);
        const SolveResult result = Solve(board.rows, board.settings, limits);
        if (result.outcome == Outcome::NoSolution && result.nodes > 2000) {
            return board;
        }
    }
}

// A board the solver cannot decide in 20,000 positions, from seed on.
PlayedBoard UndecidedBoard(const PuzzleSettings& settings = {30, 10, 10, 3, 6}, uint32_t seed = 1)
{
    SolverLimits limits;
    limits.maxNodes = 20000;
    for (;; ++seed) {
        const PlayedBoard board = AfterSimpleMoves(settings, seed, 5);
        if (Solve(board.rows, board.settings, limits).outcome == Outcome::Unknown) {
            return board;
        }
    }
}

}  // namespace

TEST(Solver, StopsWhenItsBudgetRunsOutOrItIsCancelled)
{
    const PlayedBoard board = DeadBoardWorthSearching();
    SolverLimits fewNodes;
    fewNodes.maxNodes = 1000;
    const SolveResult budget = Solve(board.rows, board.settings, fewNodes);
    EXPECT_EQ(budget.outcome, Outcome::Unknown);
    EXPECT_LE(budget.nodes, 1001u);
    EXPECT_TRUE(budget.moves.empty());

    const std::atomic<bool> raised{true};
    const SolveResult cancelled = Solve(board.rows, board.settings, SolverLimits{}, nullptr, &raised);
    EXPECT_EQ(cancelled.outcome, Outcome::Cancelled);
    EXPECT_LE(cancelled.nodes, 256u);

    // Raised from another thread while a search that would take minutes
    // runs: a flag the search missed would show as Unknown at its budget.
    const PlayedBoard hard = UndecidedBoard();
    SolverLimits minutes;
    minutes.maxNodes = 50000000;
    std::atomic<bool> flag{false};
    Outcome outcome = Outcome::Solved;
    std::thread searcher([&] { outcome = Solve(hard.rows, hard.settings, minutes, nullptr, &flag).outcome; });
    flag = true;
    searcher.join();
    EXPECT_EQ(outcome, Outcome::Cancelled);
}

// A table of a few kilobytes must still give exact answers, forgetting
// positions instead of growing; the same search twice gives the same answer.
TEST(Solver, KeepsItsTableWithinItsCapAndAnswersAlike)
{
    const PlayedBoard board = DeadBoardWorthSearching();
    SolverLimits small;
    small.tableBytes = 4096;
    const SolveResult roomy = Solve(board.rows, board.settings, SolverLimits{});
    ASSERT_GT(roomy.deadPositions * 16, small.tableBytes) << "the board is too easy to fill the table";
    const SolveResult first = Solve(board.rows, board.settings, small);
    EXPECT_EQ(first.outcome, Outcome::NoSolution);
    EXPECT_LE(first.deadPositions * 16, small.tableBytes);
    EXPECT_GT(first.deadPositions, 0u);
    const SolveResult again = Solve(board.rows, board.settings, small);
    EXPECT_EQ(again.nodes, first.nodes);

    SeedRandom(3);
    RowSet rows;
    MoveList solution;
    const PuzzleSettings settings{16, 4, 5, 3, 4};
    Generate(rows, settings, solution);
    const SolveResult solved = Solve(rows, settings, small);
    const SolveResult solvedAgain = Solve(rows, settings, small);
    ASSERT_EQ(solved.outcome, Outcome::Solved);
    EXPECT_EQ(solvedAgain.moves, solved.moves);
}

// Boards a short search leaves open go on to randomised games and restarts
// in a shuffled order; whatever finds the way, the answer obeys the rule and
// comes out the same every time.
TEST(Solver, AnswersBoardsTheShortSearchLeavesOpenAlikeAndByTheRule)
{
    // Where to start looking, so that an open board comes soon: few boards
    // of 2-18 play stay open long.
    const std::pair<PuzzleSettings, uint32_t> families[] = {
        {{30, 10, 10, 3, 6}, 1}, {{30, 10, 5, 4, 8}, 1}, {{30, 10, 10, 2, 18}, 600}};
    SolverLimits limits;
    limits.maxNodes = 100000;
    int solved = 0;
    for (const auto& [settings, seed] : families) {
        const PlayedBoard board = UndecidedBoard(settings, seed);
        const SolveResult first = Solve(board.rows, settings, limits);
        const SolveResult again = Solve(board.rows, settings, limits);
        EXPECT_EQ(again.outcome, first.outcome);
        EXPECT_EQ(again.nodes, first.nodes);
        EXPECT_EQ(again.moves, first.moves);
        if (first.outcome == Outcome::Solved) {
            EXPECT_TRUE(ClearsBoard(board.rows, settings, first.moves));
            ++solved;
        }
    }
    EXPECT_GE(solved, 2);
}

// However a restart reorders the moves, every legal move is handed out once:
// a move left out could make a clearable board look dead. Boards with few
// moves are listed and sorted; a colour at twelve row ends gives thousands,
// handed out in turn.
TEST(Solver, HandsOutEveryMoveOnceInAnyOrder)
{
    struct Case {
        const char* what;
        RowSet rows;
        PuzzleSettings settings;
        std::size_t moves;
    };
    const Case cases[] = {
        {"few moves", Board({{0, 1, 0}, {1, 2}, {0, 2, 1}}), {6, 3, 3, 1, 3}, 11},
        {"thousands of moves", Board({{0, 1, 0}, {0, 2, 0}, {0, 1, 0}, {0, 0}, {0, 2, 0}, {0, 1, 0}}),
         {6, 6, 3, 2, 12}, 4083},
    };
    GuideRanks unguided;
    for (auto& row : unguided) {
        row.fill(0);
    }
    for (const Case& c : cases) {
        SolverPosition position;
        ASSERT_TRUE(position.Load(c.rows, c.settings)) << c.what;
        std::vector<std::pair<int, std::vector<int>>> first;
        std::vector<std::pair<int, std::vector<int>>> firstInOrder;
        for (uint32_t variation : {0u, 1u, 2u, 7u}) {
            SolverMoves moves;
            moves.Start(position, c.settings, unguided, variation);
            std::vector<std::pair<int, std::vector<int>>> seen;
            SolverMove move;
            while (moves.Next(move)) {
                std::vector<int> ends;
                for (int8_t k = 0; k < move.count; ++k) {
                    ASSERT_EQ(position.ColourAt(move.ends[k]), move.colour) << c.what;
                    ends.push_back(move.ends[k].row * 2 + move.ends[k].side);
                }
                ASSERT_TRUE(std::is_sorted(ends.begin(), ends.end())) << c.what;
                seen.push_back({move.colour, ends});
            }
            const std::set<std::pair<int, std::vector<int>>> distinct(seen.begin(), seen.end());
            EXPECT_EQ(distinct.size(), seen.size()) << c.what << ", variation " << variation;
            EXPECT_EQ(seen.size(), c.moves) << c.what << ", variation " << variation;
            // A restart that repeats the order repeats the search.
            if (variation == 0) {
                firstInOrder = seen;
            } else {
                EXPECT_NE(seen, firstInOrder) << c.what << ", variation " << variation;
            }
            std::sort(seen.begin(), seen.end());
            if (variation == 0) {
                first = seen;
            }
            EXPECT_EQ(seen, first) << c.what << ", variation " << variation;
        }
    }
}
