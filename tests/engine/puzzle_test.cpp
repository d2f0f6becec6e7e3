// Moves, undo, retry and new games on the puzzle in play.
#include "engine/move_rule.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

using engine_test::Blocks;
using engine_test::CountingView;
using engine_test::TotalBlocks;

namespace {

// A puzzle with a hand-made board: rows of the given codes, nothing else.
Puzzle PuzzleWithRows(const PuzzleSettings& settings, std::initializer_list<BlockRow> rows)
{
    SeedRandom(1);
    Puzzle puzzle;
    RowSet board;
    int r = 0;
    for (const BlockRow& row : rows) {
        board[r++] = row;
    }
    puzzle.Start(settings, board, {});
    return puzzle;
}

}  // namespace

TEST(Puzzle, NewPuzzleHoldsASolvableDefaultPuzzle)
{
    SeedRandom(5);
    Puzzle puzzle;
    EXPECT_EQ(puzzle.Settings(), (PuzzleSettings{12, 3, 5, 3, 3}));
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
    EXPECT_TRUE(puzzle.History().empty());
    EXPECT_EQ(puzzle.BoardView(), nullptr);
    EXPECT_GT(TotalBlocks(puzzle.Rows()), 0);
    for (const auto& group : engine_test::GroupsOf(puzzle.Solution())) {
        ASSERT_TRUE(engine_test::ObeysRule(puzzle.Rows(), puzzle.Settings(), group));
        puzzle.ApplyMove(group.blocks);
    }
    EXPECT_EQ(TotalBlocks(puzzle.Rows()), 0);
}

TEST(Puzzle, MoveRecordsMarkerBlocksInSelectionOrderAndColour)
{
    Puzzle puzzle = PuzzleWithRows({6, 2, 5, 1, 3}, {{2, 1, 1, 2}, {4, 2}});
    puzzle.ApplyMove(Blocks({{3, 0}, {1, 1}, {0, 0}}));
    EXPECT_EQ(puzzle.Rows()[0], (BlockRow{1, 1}));
    EXPECT_EQ(puzzle.Rows()[1], (BlockRow{4}));
    EXPECT_EQ(puzzle.History(),
              (MoveList{MoveMarker(), {3, 0}, {1, 1}, {0, 0}, ColourEntry(2)}));
}

TEST(Puzzle, TakingBothBlocksOfATwoBlockRowEmptiesItAndUndoPutsBothBack)
{
    Puzzle puzzle = PuzzleWithRows({6, 2, 5, 2, 2}, {{3, 3}, {1}});
    puzzle.ApplyMove(Blocks({{0, 0}, {1, 0}}));
    EXPECT_TRUE(puzzle.Rows()[0].empty());
    ASSERT_TRUE(puzzle.Undo());
    EXPECT_EQ(puzzle.Rows()[0], (BlockRow{3, 3}));
    EXPECT_EQ(puzzle.Rows()[1], (BlockRow{1}));
    EXPECT_TRUE(puzzle.History().empty());
}

TEST(Puzzle, TheOnlyBlockOfARowIsRecordedAtPositionZeroAndComesBack)
{
    Puzzle puzzle = PuzzleWithRows({6, 2, 5, 1, 1}, {{4}, {1, 4}});
    puzzle.ApplyMove(Blocks({{0, 0}}));
    EXPECT_TRUE(puzzle.Rows()[0].empty());
    EXPECT_EQ(*std::next(puzzle.History().begin()), (BlockRef{0, 0}));
    ASSERT_TRUE(puzzle.Undo());
    EXPECT_EQ(puzzle.Rows()[0], (BlockRow{4}));
}

TEST(Puzzle, BothEndsOfOneRowInEitherOrderGiveTheSameBoardAndUndo)
{
    const BlockRow start{2, 0, 1, 0, 1, 2};
    Puzzle rightFirst = PuzzleWithRows({6, 1, 3, 2, 2}, {start});
    Puzzle leftFirst = PuzzleWithRows({6, 1, 3, 2, 2}, {start});
    rightFirst.ApplyMove(Blocks({{5, 0}, {0, 0}}));
    leftFirst.ApplyMove(Blocks({{0, 0}, {5, 0}}));
    EXPECT_EQ(rightFirst.Rows()[0], (BlockRow{0, 1, 0, 1}));
    EXPECT_EQ(leftFirst.Rows(), rightFirst.Rows());
    ASSERT_TRUE(rightFirst.Undo());
    ASSERT_TRUE(leftFirst.Undo());
    EXPECT_EQ(rightFirst.Rows()[0], start);
    EXPECT_EQ(leftFirst.Rows()[0], start);
}

TEST(Puzzle, AMoveLeavesTheRowsBeyondRowCountAlone)
{
    // Row 5 is beyond rowCount: not part of the game.
    Puzzle puzzle = PuzzleWithRows({6, 2, 5, 1, 2}, {{1, 2, 1}, {3, 1}, {}, {}, {}, {7, 7}});
    puzzle.ApplyMove(Blocks({{2, 0}, {1, 1}}));
    EXPECT_EQ(puzzle.Rows()[5], (BlockRow{7, 7}));
}

TEST(Puzzle, UndoTakesBackMovesOneByOneThenRefuses)
{
    Puzzle puzzle = PuzzleWithRows({8, 2, 5, 1, 2}, {{1, 2, 3, 1}, {2, 4, 2}});
    puzzle.ApplyMove(Blocks({{0, 0}, {3, 0}}));
    const RowSet afterFirst = puzzle.Rows();
    puzzle.ApplyMove(Blocks({{2, 1}, {0, 1}}));
    ASSERT_TRUE(puzzle.Undo());
    EXPECT_EQ(puzzle.Rows(), afterFirst);
    ASSERT_TRUE(puzzle.Undo());
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
    const RowSet start = puzzle.Rows();
    EXPECT_FALSE(puzzle.Undo());
    EXPECT_EQ(puzzle.Rows(), start);
}

TEST(Puzzle, RetryGoesBackToTheStartAndLeavesNothingToUndo)
{
    SeedRandom(8);
    Puzzle puzzle;
    CountingView view;
    puzzle.SetBoardView(&view);
    auto groups = engine_test::GroupsOf(puzzle.Solution());
    puzzle.ApplyMove(groups[0].blocks);
    puzzle.ApplyMove(groups[1].blocks);
    puzzle.Retry();
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
    EXPECT_FALSE(puzzle.Undo());
    EXPECT_EQ(view.calls, (std::vector<char>{'R'}));
}

TEST(Puzzle, NewGameGeneratesForItsSettingsThenResetsTheView)
{
    SeedRandom(8);
    Puzzle puzzle;
    CountingView view;
    puzzle.SetBoardView(&view);
    puzzle.ApplyMove(engine_test::GroupsOf(puzzle.Solution())[0].blocks);
    puzzle.NewGame({20, 6, 9, 2, 6});
    EXPECT_EQ(view.calls, (std::vector<char>{'R'}));
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
    EXPECT_FALSE(puzzle.Undo());
    ColourCounters counters;
    EXPECT_GT(CountBlocks(puzzle.Rows(), 6, counters), 60);
    for (int r = 6; r < MAX_ROWS; ++r) {
        EXPECT_TRUE(puzzle.Rows()[r].empty());
    }
}

TEST(Puzzle, RetryAndNewGameWithoutAViewStillWork)
{
    SeedRandom(8);
    Puzzle puzzle;
    puzzle.NewGame();
    puzzle.Retry();
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
}

// Solve discards the moves made so far, plays the stored solution from the
// start, and its moves can be undone like the player's own.
TEST(Puzzle, SolvingAfterSomeMovesClearsTheBoardAndUndoesStepByStep)
{
    SeedRandom(77);
    Puzzle puzzle;
    const auto groups = engine_test::GroupsOf(puzzle.Solution());
    puzzle.ApplyMove(groups[0].blocks);
    puzzle.Retry();
    for (const auto& group : groups) {
        puzzle.ApplyMove(group.blocks);
    }
    EXPECT_EQ(TotalBlocks(puzzle.Rows()), 0);
    std::size_t undone = 0;
    while (puzzle.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, groups.size());
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
}

namespace {

// Colour 2 stands at six row ends; row 3 is empty and row 4 is not in play.
RowSet RuleBoard()
{
    RowSet rows;
    rows[0] = {2, 1, 1, 2};
    rows[1] = {2, 4, 2};
    rows[2] = {2, 3};
    rows[4] = {2, 2};
    return rows;
}

constexpr PuzzleSettings RULE_SETTINGS{6, 4, 5, 2, 3};

struct JoinCase {
    const char* what;
    MoveList selection;
    BlockRef block;
    bool joins;
};

struct MoveCase {
    const char* what;
    MoveList selection;
    bool legal;
};

}  // namespace

TEST(MoveRule, ABlockJoinsASelectionOnlyAtARowEndInTheColourChosenWhileRoomRemains)
{
    const JoinCase cases[] = {
        {"left end", {}, {0, 0}, true},
        {"right end", {}, {3, 0}, true},
        {"middle of a row", {}, {1, 0}, false},
        {"past the right end", {}, {4, 0}, false},
        {"empty row", {}, {0, 3}, false},
        {"row not in play", {}, {0, 4}, false},
        {"negative row", {}, {0, -1}, false},
        {"colour entry", {}, ColourEntry(2), false},
        {"another colour", {{0, 0}}, {1, 2}, false},
        {"chosen already", {{0, 0}}, {0, 0}, false},
        {"same colour, another row", {{0, 0}, {3, 0}}, {2, 1}, true},
        {"maximum reached", {{0, 0}, {3, 0}, {0, 1}}, {2, 1}, false},
    };
    const RowSet rows = RuleBoard();
    for (const JoinCase& c : cases) {
        EXPECT_EQ(CanJoinSelection(rows, RULE_SETTINGS, c.selection, c.block), c.joins) << c.what;
    }
}

TEST(MoveRule, AMoveIsMinimumToMaximumDistinctRowEndsOfOneColour)
{
    const MoveCase cases[] = {
        {"nothing", {}, false},
        {"fewer than the minimum", {{0, 0}}, false},
        {"both ends of a row, right first", {{3, 0}, {0, 0}}, true},
        {"the maximum over two rows", {{0, 0}, {3, 0}, {0, 2}}, true},
        {"more than the maximum", {{0, 0}, {3, 0}, {0, 1}, {2, 1}}, false},
        {"one block twice", {{0, 0}, {0, 0}}, false},
        {"a block inside a row", {{0, 0}, {1, 0}}, false},
        {"two colours", {{0, 0}, {1, 2}}, false},
        {"a row not in play", {{0, 0}, {0, 4}}, false},
    };
    const RowSet rows = RuleBoard();
    for (const MoveCase& c : cases) {
        EXPECT_EQ(IsLegalMove(rows, RULE_SETTINGS, c.selection), c.legal) << c.what;
    }
}

namespace {

struct MoveLeftCase {
    const char* what;
    std::initializer_list<BlockRow> rows;
    int32_t minRemove;
    int32_t maxRemove;
    bool moveLeft;
};

}  // namespace

TEST(MoveRule, AMoveIsLeftWhileOneColourHasTheMinimumAtRowEnds)
{
    const MoveLeftCase cases[] = {
        {"three lone blocks of one colour", {{1}, {1}, {1}}, 3, 3, true},
        {"lone blocks of two colours", {{1}, {2}, {1}}, 3, 3, false},
        {"both ends of one row and a lone block", {{4, 0, 1, 1}, {4}, {0, 1, 0, 4}}, 3, 3, true},
        {"one colour at the ends, another inside", {{0, 1, 0}, {1, 1, 1}}, 3, 3, false},
        {"a lone block is one end, not two", {{1}, {1, 2}}, 3, 3, false},
        {"the minimum beyond the ends", {{1, 1}, {1}}, 4, 4, false},
        {"every row empty", {{}, {}, {}}, 1, 1, false},
        {"an empty row among them", {{2, 3}, {}, {3}}, 2, 3, true},
    };
    for (const MoveLeftCase& c : cases) {
        RowSet rows;
        ClearRows(rows);
        int32_t rowCount = 0;
        for (const BlockRow& row : c.rows) {
            rows[rowCount++] = row;
        }
        rows[rowCount] = {1, 1, 1};
        const PuzzleSettings settings{12, rowCount, 5, c.minRemove, c.maxRemove};
        EXPECT_EQ(AnyLegalMove(rows, settings), c.moveLeft) << c.what;
    }
}
