// The solver: its answers checked against the rule of a move and against an
// exhaustive search, on hand-made, random and generated boards.
#include "engine/generator.h"
#include "engine/move_rule.h"
#include "engine/random.h"
#include "engine/solution_check.h"
#include "engine/solver.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <map>
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
