// Properties of generated puzzles over every play option and thousands of
// seeds: solutions play legally to the empty board, and undo is exact.
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/solution_check.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

using engine_test::AllPlayOptions;
using engine_test::GroupsOf;
using engine_test::ObeysRule;
using engine_test::TotalBlocks;

namespace {

void NewPuzzle(Puzzle& puzzle, const PuzzleSettings& settings, uint32_t seed)
{
    SeedRandom(seed);
    puzzle.NewGame(settings);
}

// A spread of play options for one seed, so thousands of seeds visit every
// kind of board without multiplying out the whole table for each.
const PuzzleSettings& SampledOptions(const std::vector<PuzzleSettings>& all, uint32_t seed)
{
    return all[(static_cast<std::size_t>(seed) * 7919u + 13u) % all.size()];
}

}  // namespace

// Every choice of colours, rows, minimum and maximum, each with one of the
// thirteen widths in turn (the whole table takes too long for a unit test).
TEST(GeneratedPuzzles, EveryPlayOptionGivesASolutionThatClearsTheBoard)
{
    const auto all = AllPlayOptions();
    ASSERT_EQ(all.size(), 61425u);
    Puzzle puzzle;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const PuzzleSettings& settings = all[i];
        const int32_t widthTurn = (settings.colourCount * 7 + settings.rowCount * 3
                                   + settings.minRemove + settings.maxRemove) % 13;
        if ((settings.rowWidth - 6) / 2 != widthTurn || i % engine_test::SEED_SHARE != 0) {
            continue;
        }
        NewPuzzle(puzzle, settings, static_cast<uint32_t>(i));
        for (int r = 0; r < MAX_ROWS; ++r) {
            ASSERT_LE(static_cast<int32_t>(puzzle.Rows()[r].size()),
                      r < settings.rowCount ? settings.rowWidth : 0);
            for (int32_t colour : puzzle.Rows()[r]) {
                ASSERT_TRUE(colour >= 0 && colour < settings.colourCount);
            }
        }
        for (const auto& group : GroupsOf(puzzle.Solution())) {
            ASSERT_TRUE(ObeysRule(puzzle.Rows(), settings, group)) << "options #" << i;
            puzzle.ApplyMove(group.blocks);
        }
        ASSERT_EQ(TotalBlocks(puzzle.Rows()), 0) << "options #" << i;
    }
}

TEST(GeneratedPuzzles, ThousandsOfSeedsPlayLegallyAndPassTheLoadersChecks)
{
    const auto all = AllPlayOptions();
    Puzzle puzzle;
    for (uint32_t seed = 0; seed < 3000 / engine_test::SEED_SHARE; ++seed) {
        const PuzzleSettings& settings = SampledOptions(all, seed);
        NewPuzzle(puzzle, settings, seed * 2654435761u);
        RowSet rebuilt;
        ASSERT_TRUE(RebuildCheckedBoard(puzzle.Solution(), settings, rebuilt)) << "seed " << seed;
        ASSERT_EQ(rebuilt, puzzle.InitialRows()) << "seed " << seed;
        for (const auto& group : GroupsOf(puzzle.Solution())) {
            ASSERT_TRUE(ObeysRule(puzzle.Rows(), settings, group)) << "seed " << seed;
            puzzle.ApplyMove(group.blocks);
        }
        ASSERT_EQ(TotalBlocks(puzzle.Rows()), 0) << "seed " << seed;
    }
}

TEST(GeneratedPuzzles, UndoingEveryMoveRestoresTheInitialBoard)
{
    const auto all = AllPlayOptions();
    Puzzle puzzle;
    for (uint32_t seed = 0; seed < 3000 / engine_test::SEED_SHARE; ++seed) {
        NewPuzzle(puzzle, SampledOptions(all, seed + 1), seed);
        const auto groups = GroupsOf(puzzle.Solution());
        // Stop part-way on most seeds: an unfinished game undoes as well.
        const std::size_t played = groups.empty() ? 0 : groups.size() - seed % groups.size();
        for (std::size_t g = 0; g < played; ++g) {
            puzzle.ApplyMove(groups[g].blocks);
        }
        std::size_t undone = 0;
        while (puzzle.Undo()) {
            ++undone;
        }
        ASSERT_EQ(undone, played) << "seed " << seed;
        ASSERT_EQ(puzzle.Rows(), puzzle.InitialRows()) << "seed " << seed;
        ASSERT_TRUE(puzzle.History().empty());
    }
}
