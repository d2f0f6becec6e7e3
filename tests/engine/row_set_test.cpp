// Settings, the random source, and clearing, copying and counting rows.
#include "engine/puzzle_settings.h"
#include "engine/random.h"
#include "engine/row_set.h"

#include <gtest/gtest.h>

TEST(PuzzleSettings, DefaultsAreTwelveThreeFiveThreeThree)
{
    PuzzleSettings settings{30, 10, 10, 2, 18};
    settings.SetDefaults();
    EXPECT_EQ(settings, (PuzzleSettings{12, 3, 5, 3, 3}));
    EXPECT_TRUE(settings.WithinEngineLimits());
}

TEST(PuzzleSettings, EngineLimitsAcceptOddButHarmlessValues)
{
    EXPECT_TRUE((PuzzleSettings{7, 1, 1, 1, 1}.WithinEngineLimits()));
    EXPECT_TRUE((PuzzleSettings{2, 12, 10, 1, 1000}.WithinEngineLimits()));
    EXPECT_TRUE((PuzzleSettings{MAX_ROW_WIDTH, 12, 10, 40, 40}.WithinEngineLimits()));
}

TEST(PuzzleSettings, EngineLimitsRefuseWhatWouldBreakTheEngine)
{
    const PuzzleSettings good{12, 3, 5, 3, 3};
    auto with = [&](auto change) {
        PuzzleSettings settings = good;
        change(settings);
        return settings.WithinEngineLimits();
    };
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.rowCount = 0; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.rowCount = 13; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.colourCount = 0; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.colourCount = 11; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.rowWidth = 1; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.rowWidth = MAX_ROW_WIDTH + 1; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.minRemove = 0; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.maxRemove = 2; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.rowCount = INT32_MIN; }));
    EXPECT_FALSE(with([](PuzzleSettings& s) { s.rowWidth = INT32_MAX; }));
}

TEST(Random, FollowsTheLinearCongruentialSequence)
{
    SeedRandom(1);
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected) {
        EXPECT_EQ(Random(), value);
    }
    SeedRandom(0);
    EXPECT_EQ(Random(), 38);
    EXPECT_EQ(RandomState(), 2531011u);
}

TEST(Random, StaysWithinFifteenBitsForAnyState)
{
    for (uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        SeedRandom(seed);
        for (int i = 0; i < 1000; ++i) {
            const int32_t value = Random();
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 32767);
        }
    }
}

TEST(CountBlocks, EmptyBoardCountsNothing)
{
    RowSet rows;
    ColourCounters counters;
    counters.fill(7);
    EXPECT_EQ(CountBlocks(rows, MAX_ROWS, counters), 0);
    for (int32_t n : counters) {
        EXPECT_EQ(n, 0);
    }
}

TEST(CountBlocks, CountsEachColourOfTheRowsInPlayOnly)
{
    RowSet rows;
    rows[0] = {0, 1, 1};
    rows[1] = {9, 1};
    rows[2] = {4, 4, 4, 4};  // beyond rowCount
    ColourCounters counters;
    EXPECT_EQ(CountBlocks(rows, 2, counters), 5);
    EXPECT_EQ(counters[0], 1);
    EXPECT_EQ(counters[1], 3);
    EXPECT_EQ(counters[9], 1);
    EXPECT_EQ(counters[4], 0);
}

TEST(CopyRows, CopiesAllTwelveRowsAndLeavesNothingOfTheDestination)
{
    RowSet source;
    source[0] = {1, 2};
    source[11] = {3};
    RowSet destination;
    for (BlockRow& row : destination) {
        row = {5, 5, 5, 5};
    }
    CopyRows(destination, source);
    EXPECT_EQ(destination, source);
}

TEST(ClearRows, EmptiesEveryRowKeepingRoomForAWholeRow)
{
    RowSet rows;
    rows[3] = {1, 2, 3};
    ClearRows(rows);
    for (const BlockRow& row : rows) {
        EXPECT_TRUE(row.empty());
        EXPECT_GE(row.capacity(), static_cast<std::size_t>(ROW_GROW_BY));
    }
}
