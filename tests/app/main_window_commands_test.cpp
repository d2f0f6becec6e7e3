// The game commands: the Ironman rule, Solve, New and Retry during a replay, Undo, and the focus after each.
#include "app/game_main_window.h"
#include "app_test_support.h"
#include "tests/support/recorded_effects.h"

#include "controls/puzzle_code_dialog.h"
#include "engine/game_statistics.h"
#include "engine/puzzle_code.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class GameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = ShowNewWindow(clock, std::make_unique<RecordedEffects>(sounds));
        window->activateWindow();
        TickUntilIdle(*window, clock);
        sounds.clear();
    }
    void TearDown() override
    {
        window.reset();
    }


    // Runs Solve until it has made at least `moves` moves.
    void SolveFor(int moves)
    {
        window->OnSolve();
        ASSERT_TRUE(window->Board().Solving());
        for (int k = 0; k < 2000 && MovesMade(window->GamePuzzle()) < moves; ++k)
            clock->Fire();
        ASSERT_GE(MovesMade(window->GamePuzzle()), moves);
    }

    ScratchDirectory scratch;
    // The board's effects, oldest first.
    std::vector<int> sounds;
    // The board's clock, fired by the test.
    HandClock* clock = nullptr;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(GameCommandsTest, IronmanTurnedOnMidGameWaitsForTheNextNewGame)
{
    ChooseIronman(*window, true);
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("Solve"));
    window->OnSolve();
    EXPECT_TRUE(window->Board().Solving()) << "Solve still works for this game";
    window->OnSolve();
    window->OnRetry();
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("Solve"));

    window->OnNewGame();
    EXPECT_TRUE(window->GameIronman());
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("---"));
    TickUntilIdle(*window, clock);
    sounds.clear();
    window->OnSolve();
    EXPECT_FALSE(window->Board().Solving());
    EXPECT_EQ(sounds, std::vector<int>{SOUND_REFUSE});
}

TEST_F(GameCommandsTest, IronmanTurnedOffStaysRefusedUntilNew)
{
    ChooseIronman(*window, true);
    window->OnNewGame();
    ChooseIronman(*window, false);
    window->OnSolve();
    EXPECT_FALSE(window->Board().Solving());
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("---"));
    window->OnRetry();
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("---")) << "Retry keeps the game";
    window->OnSolve();
    EXPECT_FALSE(window->Board().Solving());
    window->OnNewGame();
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("Solve"));
    window->OnSolve();
    EXPECT_TRUE(window->Board().Solving());
}

TEST_F(GameCommandsTest, ARefusedSolveLeavesTheFocusWhereItWas)
{
    ChooseIronman(*window, true);
    window->OnNewGame();
    TabTo(*window, window->CommandButton(ID_UNDO));
    window->OnSolve();
    EXPECT_TRUE(window->CommandButton(ID_UNDO).hasFocus());
}

TEST_F(GameCommandsTest, SolvePressedTwiceStopsAndUndoTakesItsMovesBack)
{
    SolveFor(2);
    window->OnSolve();
    EXPECT_FALSE(window->Board().Solving());
    TickUntilIdle(*window, clock);
    const int made = MovesMade(window->GamePuzzle());
    for (int k = made; k > 0; --k) {
        window->OnUndo();
        EXPECT_EQ(MovesMade(window->GamePuzzle()), k - 1);
    }
    EXPECT_EQ(window->GamePuzzle().Rows(), window->GamePuzzle().InitialRows());
    sounds.clear();
    window->OnUndo();
    EXPECT_EQ(LastOf(sounds), SOUND_REFUSE);
}

TEST_F(GameCommandsTest, NewDuringSolveStopsTheReplayBeforeTheBoardChanges)
{
    SolveFor(1);
    const MoveList oldSolution = window->GamePuzzle().Solution();
    const std::string oldSymbols = window->Board().Painter().Symbols();
    window->OnNewGame();
    EXPECT_FALSE(window->Board().Solving());
    EXPECT_NE(window->Board().Painter().Symbols(), oldSymbols) << "a new puzzle draws new symbols";
    EXPECT_TRUE(window->GamePuzzle().History().empty());
    EXPECT_EQ(window->GamePuzzle().Rows(), window->GamePuzzle().InitialRows());
    for (int k = 0; k < 200; ++k)
        clock->Fire();
    EXPECT_TRUE(window->GamePuzzle().History().empty()) << "the replay went on in the new game";
    EXPECT_NE(window->GamePuzzle().Solution(), oldSolution);
}

TEST_F(GameCommandsTest, RetryDuringSolveStopsTheReplayAndKeepsThePuzzle)
{
    SolveFor(1);
    const MoveList solution = window->GamePuzzle().Solution();
    const std::string symbols = window->Board().Painter().Symbols();
    window->OnRetry();
    EXPECT_FALSE(window->Board().Solving());
    EXPECT_EQ(window->Board().Painter().Symbols(), symbols);
    for (int k = 0; k < 200; ++k)
        clock->Fire();
    EXPECT_TRUE(window->GamePuzzle().History().empty());
    EXPECT_EQ(window->GamePuzzle().Solution(), solution);
    EXPECT_EQ(window->GamePuzzle().Rows(), window->GamePuzzle().InitialRows());
}

TEST_F(GameCommandsTest, SolveClearsTheBoard)
{
    window->OnSolve();
    for (int k = 0; k < 5000 && window->Board().Solving(); ++k)
        clock->Fire();
    TickUntilIdle(*window, clock);
    ColourCounters counters{};
    EXPECT_EQ(CountBlocks(window->GamePuzzle().Rows(), window->GamePuzzle().Settings().rowCount, counters), 0);
}

TEST_F(GameCommandsTest, AfterEveryCommandButSpaceTheFocusIsOnTheFocusButton)
{
    for (const int id : {ID_NEW, ID_RETRY, ID_SOLVE, ID_SOLVE, ID_UNDO, ID_MENU_NEW_GAME,
                         ID_MENU_RETRY}) {
        TabTo(*window, window->CommandButton(ID_QUIT));
        window->OnCommand(id);
        EXPECT_TRUE(window->FocusButton().hasFocus()) << id;
    }
    TabTo(*window, window->CommandButton(ID_QUIT));
    window->OnCommand(ID_COMMIT);
    EXPECT_TRUE(window->CommandButton(ID_QUIT).hasFocus());
}

// What the player sees on opening File: the items of commands that would do
// nothing are greyed. The bar's buttons never change.
TEST_F(GameCommandsTest, MenuItemsAreEnabledExactlyWhenTheirCommandWouldAct)
{
    const auto move = [this] {
        ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
        window->OnCommand(ID_COMMIT);
        TickUntilIdle(*window, clock);
    };
    const auto undo = [this] { window->OnCommand(ID_UNDO); };
    const auto solve = [this] { window->OnCommand(ID_SOLVE); };
    const auto solveToTheEnd = [this] {
        window->OnCommand(ID_SOLVE);
        for (int k = 0; k < 5000 && window->Board().Solving(); ++k)
            clock->Fire();
        TickUntilIdle(*window, clock);
    };
    const struct {
        const char* when;
        bool ironman;
        std::vector<std::function<void()>> steps;
        bool hint, back, redo;
    } cases[] = {
        {"a new game", false, {}, true, false, false},
        {"after a move", false, {move}, true, true, false},
        {"after a move and Undo", false, {move, undo}, true, false, true},
        {"while Solve runs", false, {move, undo, solve}, false, false, false},
        {"once Solve has cleared the board", false, {solveToTheEnd}, false, false, false},
        {"an Ironman game after a move and Undo", true, {move, undo}, false, false, true},
    };
    QMenu* file = window->MainMenu().actions().front()->menu();
    ASSERT_NE(file, nullptr);
    for (const auto& c : cases) {
        ChooseIronman(*window, c.ironman);
        window->OnCommand(ID_NEW);
        TickUntilIdle(*window, clock);
        for (const auto& step : c.steps)
            step();
        file->popup(window->mapToGlobal(QPoint(0, 0)));
        EXPECT_EQ(window->MenuAction(ID_MENU_HINT)->isEnabled(), c.hint) << c.when;
        EXPECT_EQ(window->MenuAction(ID_MENU_BACK_TO_SOLVABLE)->isEnabled(), c.back) << c.when;
        EXPECT_EQ(window->MenuAction(ID_MENU_REDO)->isEnabled(), c.redo) << c.when;
        file->hide();
        for (int k = 0; k < BAR_BUTTON_COUNT; ++k)
            EXPECT_TRUE(window->BarButton(k).isEnabled()) << c.when;
        if (window->Board().Solving())
            window->OnCommand(ID_SOLVE);
    }
}

TEST_F(GameCommandsTest, SpaceCommitsOnlyAFullSelection)
{
    std::vector<BlockRef> move = FirstSolutionMove(window->GamePuzzle());
    move.pop_back();
    ClickBlocks(*window, move);
    window->OnCommit();
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 0);
    EXPECT_EQ(window->Board().Phase(), PHASE_IDLE);
}

} // namespace

TEST_F(GameCommandsTest, ACopiedPuzzleCodeOpensTheSameBoardAndABadOneChangesNothing)
{
    window->OnNewGame();
    const QString code = window->PuzzleCode();
    ASSERT_EQ(code.size(), PUZZLE_CODE_LENGTH + 2);
    const RowSet board = window->GamePuzzle().InitialRows();
    window->OnCopyPuzzleCode();
    EXPECT_EQ(QApplication::clipboard()->text(), code);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&BoardWidget(*window))->text(QAccessible::Name),
              QStringLiteral("Board: Puzzle code %1 copied").arg(code));

    window->OnNewGame();
    QString refusal;
    WhenOpen<PuzzleCodeDialog>([&refusal](PuzzleCodeDialog& dialog) {
        dialog.CodeField().setText(QStringLiteral("A7D4-G000-C1SV"));
        dialog.OnOk();
        refusal = dialog.Problem();
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    const RowSet other = window->GamePuzzle().InitialRows();
    window->OnOpenPuzzleCode();
    EXPECT_EQ(refusal, QStringLiteral("That code cannot be read: a character of the code is mistyped."));
    EXPECT_EQ(window->GamePuzzle().InitialRows(), other);

    WhenOpen<PuzzleCodeDialog>([&code](PuzzleCodeDialog& dialog) {
        dialog.CodeField().setText(code.toLower().remove(QLatin1Char('-')));
        QTest::keyClick(&dialog.CodeField(), Qt::Key_Return);
    });
    window->OnOpenPuzzleCode();
    EXPECT_EQ(window->GamePuzzle().InitialRows(), board);
    EXPECT_EQ(window->PuzzleCode(), code);
}

TEST(PuzzleCodeWords, EachReasonACodeIsRefusedIsSaidInWords)
{
    const struct {
        const char* typed;
        const char* words;
    } refused[] = {
        {"A7D4-G000-C1SV", "a character of the code is mistyped"},
        {"A7D4-G000-C1S", "a puzzle code has 12 letters and digits, this one 11"},
        {"A7D4-G000-C1ST0", "a puzzle code has 12 letters and digits, this one 13"},
        {"", "a puzzle code has 12 letters and digits, this one 0"},
        {"A7D4-G00U-C1ST", "\"U\" is not a character of a puzzle code"},
        {"A7D4_G000-C1ST", "\"_\" is not a character of a puzzle code"},
        {"A7D4-G000-C1S\xC3\x9F", "a puzzle code has only letters and digits"},
        {"B7D4-G000-C1SR", "the code is from another version of Kolumo"},
        {"AYJY-R000-000T", "the code names play options Kolumo does not offer"},
        {"A7D4-G000-C1ST", ""},
    };
    for (const auto& row : refused)
        EXPECT_EQ(PuzzleCodeDialog::ProblemWords(ReadPuzzleCode(row.typed)).toStdString(), row.words)
            << row.typed;
}

TEST_F(GameCommandsTest, TodaysPuzzleIsTheDatesAndMarkedInTheTitleUntilAnotherGame)
{
    window->OnTodaysPuzzle();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(window->PuzzleCode().toStdString(),
              EncodePuzzleCode(DailySettings(), DailySeed(today.year(), today.month(), today.day())));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kolumo — Today's Puzzle"));
    window->OnRetry();
    EXPECT_TRUE(window->PlayingTodaysPuzzle());
    ASSERT_TRUE(window->SaveState());
    window = ShowNewWindow(clock);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kolumo — Today's Puzzle")) << "after a restart";
    window->OnNewGame();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kolumo"));
    EXPECT_EQ(window->GamePuzzle().Settings(), DailySettings()) << "a new game keeps the day's play options";
}

// How a game is played decides what its one record says: a game counts as
// started at its first move, as cleared when its board empties without
// Solve, and as helped when Hint, Solve or Back to a Solvable Position was
// used; Retry before the end goes on with the same game.
TEST_F(GameCommandsTest, EachGameIsRecordedOnceWithHowItWasPlayed)
{
    enum class Play { ByHand, HintThenByHand, OneMoveRetryThenByHand, BySolve, OneMoveThenNewGame };
    struct Case {
        const char* what;
        Play play;
        bool cleared;
        bool helped;
    };
    const Case cases[] = {
        {"cleared by hand", Play::ByHand, true, false},
        {"a hint asked before the first move still helps", Play::HintThenByHand, true, true},
        {"Retry goes on with the same game", Play::OneMoveRetryThenByHand, true, false},
        {"Solve played it", Play::BySolve, false, true},
        {"left for a new game after one move", Play::OneMoveThenNewGame, false, false},
    };
    const auto playMoves = [this](int from, int to) {
        for (int n = from; n < to; ++n) {
            ClickBlocks(*window, SolutionMove(window->GamePuzzle(), n));
            window->OnCommit();
            TickUntilIdle(*window, clock);
        }
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        window->OnNewGame();
        TickUntilIdle(*window, clock);
        QFile::remove(QString::fromStdString(JOURNAL_FILE_NAME));
        const Puzzle& puzzle = window->GamePuzzle();
        const int moves =
            static_cast<int>(std::count(puzzle.Solution().begin(), puzzle.Solution().end(), MoveMarker()));
        switch (test.play) {
        case Play::ByHand:
            playMoves(0, moves);
            break;
        case Play::HintThenByHand:
            window->OnCommand(ID_MENU_HINT);
            playMoves(0, moves);
            break;
        case Play::OneMoveRetryThenByHand:
            playMoves(0, 1);
            window->OnRetry();
            TickUntilIdle(*window, clock);
            playMoves(0, moves);
            break;
        case Play::BySolve:
            SolveFor(moves);
            TickUntilIdle(*window, clock);
            break;
        case Play::OneMoveThenNewGame:
            playMoves(0, 1);
            window->OnNewGame();
            break;
        }
        const JournalContents journal = ReadJournal(JOURNAL_FILE_NAME);
        ASSERT_EQ(journal.games.size(), 1u);
        const GameRecord& game = journal.games.front();
        EXPECT_EQ(game.cleared, test.cleared);
        EXPECT_EQ(game.helped, test.helped);
        EXPECT_EQ(game.settings, window->GamePuzzle().Settings());
        const StatisticsSummary summary = SummariseGames(journal.games, game.localDay);
        ASSERT_FALSE(summary.lines.empty());
        EXPECT_EQ(summary.lines.front().started, 1);
        EXPECT_EQ(summary.lines.front().clearedUnhelped, test.cleared && !test.helped ? 1 : 0);
    }
}
