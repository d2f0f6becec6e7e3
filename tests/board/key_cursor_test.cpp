// The keyboard cursor's steps over row ends, and where it goes when rows change.
#include "board/key_cursor.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

RowSet Rows(std::initializer_list<int> lengths)
{
    RowSet rows;
    size_t r = 0;
    for (int n : lengths)
        rows[r++] = BlockRow(static_cast<size_t>(n), 1);
    return rows;
}

// The places visited by `count` steps from `from`.
std::vector<BlockRef> Walk(KeyCursor::Step step, BlockRef from, const RowSet& rows, int rowCount, int count)
{
    KeyCursor cursor;
    cursor.PlaceAt(from);
    std::vector<BlockRef> visited;
    for (int i = 0; i < count; ++i) {
        cursor.Move(step, rows, rowCount);
        visited.push_back(cursor.Position());
    }
    return visited;
}

TEST(KeyCursor, RightWalksTheRowEndsInReadingOrderSkippingEmptyRowsAndWraps)
{
    const RowSet rows = Rows({5, 0, 1, 3});
    EXPECT_EQ(Walk(KeyCursor::Step::Right, {0, 0}, rows, 4, 6),
              (std::vector<BlockRef>{{4, 0}, {0, 2}, {0, 3}, {2, 3}, {0, 0}, {4, 0}}));
    EXPECT_EQ(Walk(KeyCursor::Step::Left, {0, 0}, rows, 4, 5),
              (std::vector<BlockRef>{{2, 3}, {0, 3}, {0, 2}, {4, 0}, {0, 0}}));
}

TEST(KeyCursor, UpAndDownGoToTheNearestEndOfTheNextRowWithBlocksAndStopAtTheEdges)
{
    // Rows are centred: the right end of a row of 7 is nearer the right end
    // of a row of 2 than its left end.
    const RowSet rows = Rows({2, 7, 0, 12});
    EXPECT_EQ(Walk(KeyCursor::Step::Down, {6, 1}, rows, 4, 2), (std::vector<BlockRef>{{11, 3}, {11, 3}}));
    EXPECT_EQ(Walk(KeyCursor::Step::Up, {6, 1}, rows, 4, 2), (std::vector<BlockRef>{{1, 0}, {1, 0}}));
    EXPECT_EQ(Walk(KeyCursor::Step::Up, {0, 3}, rows, 4, 2), (std::vector<BlockRef>{{0, 1}, {0, 0}}));
}

TEST(KeyCursor, AOneBlockRowIsOneStopAndTiesKeepTheSide)
{
    const RowSet rows = Rows({3, 1, 3});
    // From the right end down to the lone block, then on down: both ends of
    // row 2 are as near as each other, and the lone block counts as the left.
    EXPECT_EQ(Walk(KeyCursor::Step::Down, {2, 0}, rows, 3, 2), (std::vector<BlockRef>{{0, 1}, {0, 2}}));
    EXPECT_EQ(Walk(KeyCursor::Step::Right, {2, 0}, rows, 3, 2), (std::vector<BlockRef>{{0, 1}, {0, 2}}));
}

TEST(KeyCursor, SnapKeepsRowAndSideOrFindsTheNearestRowWithBlocks)
{
    KeyCursor cursor;
    cursor.PlaceAt({5, 1});  // right end of a row that lost blocks
    EXPECT_TRUE(cursor.Snap(Rows({4, 3, 4}), 3));
    EXPECT_EQ(cursor.Position(), (BlockRef{2, 1}));
    cursor.PlaceAt({3, 1});  // right end of a row that has grown back
    EXPECT_TRUE(cursor.Snap(Rows({4, 6, 4}), 3));
    EXPECT_EQ(cursor.Position(), (BlockRef{5, 1}));
    cursor.PlaceAt({0, 1});  // a row emptied: the row above on a tie
    EXPECT_TRUE(cursor.Snap(Rows({4, 0, 2}), 3));
    EXPECT_EQ(cursor.Position(), (BlockRef{0, 0}));
    cursor.PlaceAt({3, 0});  // nearest is two rows down, right end
    EXPECT_TRUE(cursor.Snap(Rows({0, 0, 2, 5}), 4));
    EXPECT_EQ(cursor.Position(), (BlockRef{1, 2}));
    cursor.PlaceAt({9, 7});  // a row past rowCount, after a smaller board
    EXPECT_TRUE(cursor.Snap(Rows({3, 3}), 2));
    EXPECT_EQ(cursor.Position(), (BlockRef{2, 1}));
}

TEST(KeyCursor, AnEmptyBoardLeavesTheCursorWhereItWas)
{
    KeyCursor cursor;
    cursor.PlaceAt({1, 1});
    EXPECT_FALSE(cursor.Snap(Rows({0, 0, 0}), 3));
    cursor.Move(KeyCursor::Step::Right, Rows({0, 0, 0}), 3);
    EXPECT_EQ(cursor.Position(), (BlockRef{1, 1}));
}

}  // namespace
