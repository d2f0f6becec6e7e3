// The game commands: the Ironman rule, Solve, New and Retry during a replay,
// Undo, and the focus after each command.
#include "app/game_main_window.h"
#include "app_test_support.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class GameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = ShowNewWindow();
        window->activateWindow();
        TickUntilIdle(window->boardView);
        effects().ClearRequested();
    }
    void TearDown() override
    {
        window.reset();
    }

    EffectPlayer& effects() { return window->boardView.Effects(); }

    // Runs Solve until it has made at least `moves` moves.
    void SolveFor(int moves)
    {
        window->OnSolve();
        ASSERT_TRUE(window->boardView.Solving());
        for (int k = 0; k < 2000 && MovesMade(window->puzzle) < moves; ++k)
            window->boardView.Tick();
        ASSERT_GE(MovesMade(window->puzzle), moves);
    }

    ScratchDirectory scratch;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(GameCommandsTest, IronmanTurnedOnMidGameWaitsForTheNextNewGame)
{
    window->ironman = true;
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("Solve"));
    window->OnSolve();
    EXPECT_TRUE(window->boardView.Solving()) << "Solve still works for this game";
    window->OnSolve();
    window->OnRetry();
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("Solve"));

    window->OnNewGame();
    EXPECT_TRUE(window->gameIronman);
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("---"));
    TickUntilIdle(window->boardView);
    effects().ClearRequested();
    window->OnSolve();
    EXPECT_FALSE(window->boardView.Solving());
    EXPECT_EQ(effects().Requested(), std::vector<int>{SOUND_REFUSE});
}

TEST_F(GameCommandsTest, IronmanTurnedOffStaysRefusedUntilNew)
{
    window->ironman = true;
    window->OnNewGame();
    window->ironman = false;
    window->OnSolve();
    EXPECT_FALSE(window->boardView.Solving());
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("---"));
    window->OnRetry();
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("---")) << "Retry keeps the game";
    window->OnSolve();
    EXPECT_FALSE(window->boardView.Solving());
    window->OnNewGame();
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("Solve"));
    window->OnSolve();
    EXPECT_TRUE(window->boardView.Solving());
}

TEST_F(GameCommandsTest, ARefusedSolveLeavesTheFocusWhereItWas)
{
    window->ironman = true;
    window->OnNewGame();
    window->undoButton.setFocus();
    window->OnSolve();
    EXPECT_TRUE(window->undoButton.hasFocus());
}

TEST_F(GameCommandsTest, SolvePressedTwiceStopsAndUndoTakesItsMovesBack)
{
    SolveFor(2);
    window->OnSolve();
    EXPECT_FALSE(window->boardView.Solving());
    TickUntilIdle(window->boardView);
    const int made = MovesMade(window->puzzle);
    for (int k = made; k > 0; --k) {
        window->OnUndo();
        EXPECT_EQ(MovesMade(window->puzzle), k - 1);
    }
    EXPECT_EQ(window->puzzle.rows, window->puzzle.initialRows);
    effects().ClearRequested();
    window->OnUndo();
    EXPECT_EQ(effects().LastRequested(), SOUND_REFUSE);
}

TEST_F(GameCommandsTest, NewDuringSolveStopsTheReplayBeforeTheBoardChanges)
{
    SolveFor(1);
    const MoveList oldSolution = window->puzzle.solution;
    window->OnNewGame();
    EXPECT_FALSE(window->boardView.Solving());
    EXPECT_TRUE(window->puzzle.history.empty());
    EXPECT_EQ(window->puzzle.rows, window->puzzle.initialRows);
    for (int k = 0; k < 200; ++k)
        window->boardView.Tick();
    EXPECT_TRUE(window->puzzle.history.empty()) << "the replay went on in the new game";
    EXPECT_NE(window->puzzle.solution, oldSolution);
}

TEST_F(GameCommandsTest, RetryDuringSolveStopsTheReplayAndKeepsThePuzzle)
{
    SolveFor(1);
    const MoveList solution = window->puzzle.solution;
    window->OnRetry();
    EXPECT_FALSE(window->boardView.Solving());
    for (int k = 0; k < 200; ++k)
        window->boardView.Tick();
    EXPECT_TRUE(window->puzzle.history.empty());
    EXPECT_EQ(window->puzzle.solution, solution);
    EXPECT_EQ(window->puzzle.rows, window->puzzle.initialRows);
}

TEST_F(GameCommandsTest, SolveClearsTheBoard)
{
    window->OnSolve();
    for (int k = 0; k < 5000 && window->boardView.Solving(); ++k)
        window->boardView.Tick();
    TickUntilIdle(window->boardView);
    ColourCounters counters{};
    EXPECT_EQ(CountBlocks(window->puzzle.rows, window->puzzle.settings.rowCount, counters), 0);
}

TEST_F(GameCommandsTest, AfterEveryCommandButSpaceTheFocusIsOnTheFocusButton)
{
    for (const int id : {ID_NEW, ID_RETRY, ID_SOLVE, ID_SOLVE, ID_UNDO, ID_MENU_NEW_GAME,
                         ID_MENU_RETRY}) {
        window->quitButton.setFocus();
        window->OnCommand(id);
        EXPECT_TRUE(window->focusButton.hasFocus()) << id;
    }
    window->quitButton.setFocus();
    window->OnCommand(ID_COMMIT);
    EXPECT_TRUE(window->quitButton.hasFocus());
}

TEST_F(GameCommandsTest, SpaceCommitsOnlyAFullSelection)
{
    std::vector<BlockRef> move = FirstSolutionMove(window->puzzle);
    move.pop_back();
    ClickBlocks(window->boardView, move);
    window->OnCommit();
    EXPECT_EQ(MovesMade(window->puzzle), 0);
    EXPECT_EQ(window->boardView.Phase(), PHASE_IDLE);
}

} // namespace
