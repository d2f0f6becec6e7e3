// The generator: exact boards for known seeds, and small boards that show
// each of its slot and attempt rules.
#include "engine/generator.h"
#include "engine/random.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using engine_test::GroupsOf;
using engine_test::ObeysRule;

namespace {

struct Generated {
    RowSet rows;
    MoveList solution;
    uint32_t stateAfter = 0;
};

Generated GenerateWithSeed(uint32_t seed, const PuzzleSettings& settings)
{
    Generated result;
    SeedRandom(seed);
    Generate(result.rows, settings, result.solution);
    result.stateAfter = RandomState();
    return result;
}

uint32_t StateAfterCalls(uint32_t seed, int calls)
{
    SeedRandom(seed);
    for (int i = 0; i < calls; ++i) {
        Random();
    }
    return RandomState();
}

constexpr int32_t C = COLOUR_TAG;
constexpr int32_t M = MOVE_MARKER;

}  // namespace

// Boards that any faithful implementation must reproduce call for call:
// one puzzle found on the first attempt, one on the fourth, one never.
TEST(Generate, DefaultSettingsGiveTheKnownBoardForSeed12345)
{
    const Generated g = GenerateWithSeed(12345, {12, 3, 5, 3, 3});
    EXPECT_EQ(g.rows[0], (BlockRow{2, 2, 0, 2, 4, 3, 1, 2, 3, 4, 2, 2}));
    EXPECT_EQ(g.rows[1], (BlockRow{3, 4, 1, 2, 2, 2, 0, 2, 1, 2, 1, 3}));
    EXPECT_EQ(g.rows[2], (BlockRow{4, 1, 2, 4, 2, 3, 0, 2, 2, 1, 4, 3}));
    const MoveList firstMoves{{C, 3}, {11, 2}, {11, 1}, {0, 1}, {M, M},
                              {C, 4}, {10, 2}, {0, 2}, {0, 1}, {M, M}};
    EXPECT_TRUE(std::equal(firstMoves.begin(), firstMoves.end(), g.solution.begin()));
    EXPECT_EQ(g.solution.size(), 60u);
    EXPECT_EQ(g.stateAfter, 1944022629u);
}

TEST(Generate, RetriesUntilEveryColourShowsAndKeepsTheFourthBoard)
{
    const Generated g = GenerateWithSeed(7, {8, 4, 6, 2, 5});
    EXPECT_EQ(g.rows[0], (BlockRow{5, 2, 4, 4, 4, 1, 2, 3}));
    EXPECT_EQ(g.rows[1], (BlockRow{5, 2, 2, 2, 4, 2, 2}));
    EXPECT_EQ(g.rows[2], (BlockRow{5, 2, 1, 2, 4, 0, 4, 0}));
    EXPECT_EQ(g.rows[3], (BlockRow{2, 4, 4, 0, 2, 2, 3, 0}));
    const MoveList lastMoves{{C, 0}, {1, 3}, {1, 2}, {M, M}, {C, 4}, {0, 3}, {0, 2}, {M, M}};
    EXPECT_TRUE(std::equal(lastMoves.rbegin(), lastMoves.rend(), g.solution.rbegin()));
    EXPECT_EQ(g.stateAfter, 2849375265u);
}

// Two rows of six hold at most 12 blocks in 6 groups of two: ten colours can
// never all show, so all ten attempts run and the tenth board stands.
TEST(Generate, TenColoursOnTwoShortRowsRunAllTenAttempts)
{
    const Generated g = GenerateWithSeed(1, {6, 2, 10, 2, 2});
    EXPECT_EQ(g.rows[0], (BlockRow{3, 3, 7, 2, 9, 2}));
    EXPECT_EQ(g.rows[1], (BlockRow{3, 9, 2, 7, 3, 2}));
    const MoveList expected{{C, 2}, {5, 1}, {5, 0}, {M, M}, {C, 3}, {4, 1}, {0, 1}, {M, M},
                            {C, 9}, {0, 1}, {4, 0}, {M, M}, {C, 2}, {0, 1}, {3, 0}, {M, M},
                            {C, 7}, {0, 1}, {2, 0}, {M, M}, {C, 3}, {1, 0}, {0, 0}, {M, M}};
    EXPECT_EQ(g.solution, expected);
    EXPECT_EQ(g.stateAfter, 3945285207u);
}

TEST(Generate, TenColoursOnTwoShortRowsNeverShowAllColoursForAnySeed)
{
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const Generated g = GenerateWithSeed(seed, {6, 2, 10, 2, 2});
        ColourCounters counters;
        EXPECT_LE(CountBlocks(g.rows, 2, counters), 12);
        EXPECT_LE(GroupsOf(g.solution).size(), 6u);
    }
}

// With min = max the count is not drawn: one block each end of a two-wide row
// takes two slot draws (four calls) and a colour, nothing more.
TEST(Generate, NoBlockCountDrawWhenMinEqualsMax)
{
    const Generated g = GenerateWithSeed(1, {2, 1, 1, 2, 2});
    EXPECT_EQ(g.stateAfter, StateAfterCalls(1, 5));
    EXPECT_EQ(g.solution, (MoveList{{C, 0}, {1, 0}, {0, 0}, {M, M}}));
    EXPECT_EQ(g.rows[0], (BlockRow{0, 0}));
}

TEST(Generate, BlockCountIsDrawnFirstWhenItCanVary)
{
    // Seed 1 draws 41: 1 + 41 % 2 = 2 blocks, then the slots (1, 0), then
    // the colour.
    const Generated g = GenerateWithSeed(1, {2, 1, 1, 1, 2});
    EXPECT_EQ(g.stateAfter, StateAfterCalls(1, 6));
    EXPECT_EQ(g.solution, (MoveList{{C, 0}, {1, 0}, {0, 0}, {M, M}}));
}

// A row one short of full takes its last block at the right end only.
TEST(Generate, RowOneShortOfFullTakesItsLastBlockOnTheRight)
{
    for (uint32_t seed = 0; seed < 100; ++seed) {
        const Generated g = GenerateWithSeed(seed, {2, 1, 1, 1, 1});
        const auto groups = GroupsOf(g.solution);
        ASSERT_EQ(groups.size(), 2u);
        EXPECT_EQ(groups[0].blocks, (MoveList{{1, 0}})) << "seed " << seed;
    }
}

TEST(Generate, LeftEndOfARowOneShortOfFullIsNeverChosen)
{
    const PuzzleSettings settings{9, 4, 4, 1, 6};
    for (uint32_t seed = 0; seed < 300; ++seed) {
        const Generated g = GenerateWithSeed(seed, settings);
        const auto groups = GroupsOf(g.solution);
        // Build the board again in construction order and watch each step.
        RowSet rows;
        for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
            const RowSet before = rows;
            for (const BlockRef& block : group->blocks) {
                const bool oneShort = static_cast<int32_t>(before[block.row].size())
                    == settings.rowWidth - 1;
                EXPECT_FALSE(oneShort && block.index == 0) << "seed " << seed;
            }
            for (auto block = group->blocks.rbegin(); block != group->blocks.rend(); ++block) {
                BlockRow& row = rows[block->row];
                if (block->index == 0) {
                    row.insert(row.begin(), group->colour);
                } else {
                    row.push_back(group->colour);
                }
            }
        }
        EXPECT_EQ(rows, g.rows);
    }
}

TEST(Generate, DefaultsRemoveExactlyThreeAndStopWithAtMostTwoFreeSlots)
{
    const PuzzleSettings settings{12, 3, 5, 3, 3};
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const Generated g = GenerateWithSeed(seed, settings);
        for (const auto& group : GroupsOf(g.solution)) {
            EXPECT_EQ(group.blocks.size(), 3u);
        }
        int freeSlots = 0;
        for (int r = 0; r < 3; ++r) {
            const auto length = static_cast<int>(g.rows[r].size());
            ASSERT_LE(length, 12);
            freeSlots += (length < 11) + (length < 12);
        }
        EXPECT_LE(freeSlots, 2);
    }
}

TEST(Generate, EmptyBoardWhenOneMoveNeedsMoreSlotsThanTheRowsHave)
{
    SeedRandom(99);
    RowSet rows;
    rows[0] = {1, 2, 3};
    MoveList solution{{C, 1}, {0, 0}, {M, M}};
    Generate(rows, {12, 2, 5, 5, 5}, solution);
    EXPECT_TRUE(solution.empty());
    EXPECT_EQ(engine_test::TotalBlocks(rows), 0);
    EXPECT_EQ(RandomState(), 99u);
}

TEST(Generate, SameSeedAndSettingsGiveTheSamePuzzle)
{
    const PuzzleSettings settings{20, 7, 8, 3, 9};
    const Generated first = GenerateWithSeed(4242, settings);
    const Generated second = GenerateWithSeed(4242, settings);
    EXPECT_EQ(first.rows, second.rows);
    EXPECT_EQ(first.solution, second.solution);
}

TEST(Generate, LeavesRowsBeyondRowCountEmpty)
{
    RowSet rows;
    rows[5] = {1, 1};
    MoveList solution;
    SeedRandom(3);
    Generate(rows, {10, 4, 3, 2, 4}, solution);
    for (int r = 4; r < MAX_ROWS; ++r) {
        EXPECT_TRUE(rows[r].empty());
    }
}

TEST(Generate, SolutionPlaysLegallyToTheEmptyBoard)
{
    const PuzzleSettings settings{14, 5, 6, 2, 7};
    const Generated g = GenerateWithSeed(2024, settings);
    Puzzle puzzle;
    puzzle.Start(settings, g.rows, g.solution);
    for (const auto& group : GroupsOf(g.solution)) {
        ASSERT_TRUE(ObeysRule(puzzle.Rows(), settings, group));
        puzzle.ApplyMove(group.blocks);
    }
    EXPECT_EQ(engine_test::TotalBlocks(puzzle.Rows()), 0);
}
