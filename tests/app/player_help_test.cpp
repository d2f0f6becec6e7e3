// Help for a stuck player in the main window: Hint, Back to a Solvable
// Position, Redo, the dead-end warning, and a search that never holds up the
// board.
#include "app/game_main_window.h"
#include "app/hint_settings.h"
#include "app_test_support.h"
#include "board/board_accessible.h"
#include "engine/move_rule.h"
#include "engine/puzzle.h"
#include "engine/random.h"
#include "tests/support/recorded_effects.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Rows = std::vector<std::vector<int32_t>>;

bool SameBoard(const RowSet& a, const RowSet& b, int rowCount)
{
    return std::equal(a.begin(), a.begin() + rowCount, b.begin());
}

class PlayerHelpTest : public ::testing::Test {
protected:
    void SetUp() override { ShowWindow(true); }

    // The window with the stand-in solver and its board at rest; its clock
    // fired by the test `byHand`, else the game's own.
    void ShowWindow(bool byHand)
    {
        window.reset();
        MainWindowParts parts;
        parts.solver = solver.Call();
        parts.effects = std::make_unique<RecordedEffects>(sounds);
        clock = byHand ? &HandClockIn(parts) : nullptr;
        window = ShowNewWindow(std::move(parts));
        window->activateWindow();
        TickUntilIdle(*window, clock);
        sounds.clear();
    }

    const BoardView& board() const { return window->Board(); }
    const Puzzle& puzzle() { return window->GamePuzzle(); }
    const PlayerHelp& help() { return window->Help(); }

    std::string Shown() { return help().Message().Shown().toStdString(); }
    // The board's name as a screen reader reads it, news and all.
    QString BoardName() { return QAccessible::queryAccessibleInterface(&BoardWidget(*window))->text(QAccessible::Name); }
    // A key as the player types it, wherever the focus is.
    void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    // Until the worker has answered the last question (and every question
    // that answer led to).
    void WaitForAnswers()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !help().Worker().Busy(); }, 20000));
    }

    // Chooses blocks and commits them as the player does; the animation runs out.
    void Move(const std::vector<BlockRef>& blocks)
    {
        ClickBlocks(*window, blocks);
        window->OnCommit();
        TickUntilIdle(*window, clock);
    }

    // Plays moves `from` .. `to` - 1 of the puzzle's solution, on the board
    // after its first `from` moves; the board before and after each move.
    std::vector<RowSet> PlaySolution(int to, int from = 0)
    {
        std::vector<RowSet> boards{puzzle().Rows()};
        std::vector<BlockRef> blocks;
        int group = 0;
        for (const BlockRef& entry : puzzle().Solution()) {
            if (group >= to)
                break;
            if (entry.IsBlock())
                blocks.push_back(entry);
            if (!entry.IsMoveMarker())
                continue;
            if (group++ >= from) {
                Move(blocks);
                boards.push_back(puzzle().Rows());
            }
            blocks.clear();
        }
        return boards;
    }

    // A stub solver that answers by the board: verdict(rows).
    void AnswerBy(std::function<SolverVerdict(const RowSet&)> verdict)
    {
        solver.Answer([verdict](const SolverQuestion& question, const std::atomic<bool>&) {
            SolverAnswer answer;
            answer.verdict = verdict(question.rows);
            return answer;
        });
    }

    ScratchDirectory scratch;
    StandInSolver solver;
    // The board's effects, oldest first.
    std::vector<int> sounds;
    // The board's clock, fired by the test; null on the game's own.
    HandClock* clock = nullptr;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(PlayerHelpTest, HintAtTheStartSelectsALegalMoveAfterWhichTheBoardCanStillBeCleared)
{
    window->OnCommand(ID_MENU_HINT);
    WaitForAnswers();
    const MoveList hinted = board().Selection();
    ASSERT_TRUE(IsLegalMove(puzzle().Rows(), puzzle().Settings(), hinted));
    EXPECT_EQ(LastOf(sounds), SOUND_SELECT);
    EXPECT_EQ(Shown(), "");

    window->OnCommit();
    TickUntilIdle(*window, clock);
    ASSERT_EQ(MovesMade(puzzle()), 1);
    std::atomic<bool> stay{false};
    const SolverAnswer after = PlayerHelp::EngineSolver()({puzzle().Rows(), puzzle().Settings(), {}}, stay);
    EXPECT_EQ(after.verdict, SolverVerdict::Clearable);
}

// Eleven hinted moves of this game leave three lone blocks of one colour:
// one move, and it clears the board.
TEST_F(PlayerHelpTest, ThreeLoneBlocksOfOneColourAreAMoveNotTheEndOfTheGame)
{
    SeedRandom(1000);
    window->OnNewGame();
    TickUntilIdle(*window, clock);
    for (int k = 0; k < 11; ++k) {
        window->OnCommand(ID_MENU_HINT);
        WaitForAnswers();
        ASSERT_FALSE(board().Selection().empty()) << "no hint for move " << k + 1;
        window->OnCommit();
        TickUntilIdle(*window, clock);
    }
    ColourCounters counters{};
    ASSERT_EQ(CountBlocks(puzzle().Rows(), puzzle().Settings().rowCount, counters), 3);
    EXPECT_EQ(Shown(), "");
    window->OnCommand(ID_MENU_HINT);
    WaitForAnswers();
    window->OnCommit();
    TickUntilIdle(*window, clock);
    EXPECT_EQ(CountBlocks(puzzle().Rows(), puzzle().Settings().rowCount, counters), 0);
}

TEST_F(PlayerHelpTest, TheHKeyAsksForAHintAndCtrlYOrCtrlShiftZRedo)
{
    QApplication::setActiveWindow(window.get());
    const auto type = [](int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    };
    window->RestoreFocus();
    type(Qt::Key_H, Qt::NoModifier);
    WaitForAnswers();
    EXPECT_FALSE(board().Selection().empty()) << "H gave no hint";
    EXPECT_TRUE(BoardName().startsWith(QStringLiteral("Board: Hint: take %1 ").arg(board().Selection().size())))
        << BoardName().toStdString() << ": a screen reader hears the hint";

    const std::vector<RowSet> boards = PlaySolution(1);
    const std::pair<int, Qt::KeyboardModifiers> redoKeys[] = {
        {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}};
    for (const auto& [key, modifiers] : redoKeys) {
        window->OnUndo();
        ASSERT_EQ(puzzle().Rows(), boards[0]);
        type(key, modifiers);
        TickUntilIdle(*window, clock);
        EXPECT_EQ(puzzle().Rows(), boards[1]);
    }
}

TEST_F(PlayerHelpTest, AHintAnsweredAfterThePlayerActedIsDropped)
{
    auto release = std::make_shared<std::atomic<bool>>(false);
    auto answered = std::make_shared<std::atomic<bool>>(false);
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    const MoveList firstMove = [this] {
        MoveList group;
        for (const BlockRef& entry : puzzle().Solution()) {
            group.push_back(entry);
            if (entry.IsMoveMarker())
                break;
        }
        return group;
    }();
    solver.Answer([release, answered, cancelled, firstMove](const SolverQuestion&, const std::atomic<bool>& cancel) {
        while (!*release)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        *cancelled = cancel.load();
        *answered = true;
        return SolverAnswer{SolverVerdict::Clearable, firstMove};
    });
    window->OnCommand(ID_MENU_HINT);
    ASSERT_TRUE(help().Worker().Busy());

    const BlockRef chosen = FirstSolutionMove(puzzle()).back();
    const Rect cell = board().Geometry().BlockRect(chosen.index, chosen.row,
                                                   static_cast<int32_t>(puzzle().Rows()[chosen.row].size()));
    const qreal ratio = board().devicePixelRatioF();
    QTest::mouseClick(&BoardWidget(*window), Qt::LeftButton, {},
                      QPoint(static_cast<int>((cell.left + cell.right) / 2 / ratio),
                             static_cast<int>((cell.top + cell.bottom) / 2 / ratio)));
    *release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered->load(); }, 5000));
    // A search told to stop before it answers posts nothing, so no answer
    // can still be on its way to the board.
    EXPECT_TRUE(cancelled->load()) << "the player's click left the search running";
    EXPECT_FALSE(help().Worker().Busy());
    EXPECT_EQ(board().Selection(), MoveList{chosen}) << "the hint came over the player's own choice";
}

// An Ironman game gives no help at all, and none is given while Solve runs:
// asked anyway, by the menu or the key, the command says why.
TEST_F(PlayerHelpTest, HelpIsRefusedWithAWordInIronmanGamesAndWhileSolveRuns)
{
    QApplication::setActiveWindow(window.get());
    const auto typeH = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_H); };
    const struct {
        const char* when;
        bool ironman;
        bool solving;
        int item;
        std::function<void()> ask;
        QString said;
    } cases[] = {
        {"Hint in an Ironman game", true, false, ID_MENU_HINT, [this] { window->OnCommand(ID_MENU_HINT); },
         PlayerHelp::NoHintInIronmanText()},
        {"H in an Ironman game", true, false, ID_MENU_HINT, typeH, PlayerHelp::NoHintInIronmanText()},
        {"Hint while Solve runs", false, true, ID_MENU_HINT, [this] { window->OnCommand(ID_MENU_HINT); },
         PlayerHelp::NoHintWhileSolvingText()},
        {"H while Solve runs", false, true, ID_MENU_HINT, typeH, PlayerHelp::NoHintWhileSolvingText()},
        {"Back in an Ironman game", true, false, ID_MENU_BACK_TO_SOLVABLE,
         [this] { window->OnCommand(ID_MENU_BACK_TO_SOLVABLE); },
         PlayerHelp::NoBackInIronmanText()},
        {"Back while Solve runs", false, true, ID_MENU_BACK_TO_SOLVABLE,
         [this] { window->OnCommand(ID_MENU_BACK_TO_SOLVABLE); },
         PlayerHelp::NoBackWhileSolvingText()},
    };
    for (const auto& c : cases) {
        ChooseIronman(*window, c.ironman);
        window->OnNewGame();
        TickUntilIdle(*window, clock);
        PlaySolution(1);
        if (c.solving)
            window->OnSolve();
        // The player sees the item greyed, and asks anyway.
        QMenu* file = window->MainMenu().actions().front()->menu();
        file->popup(window->mapToGlobal(QPoint(0, 0)));
        EXPECT_FALSE(window->MenuAction(c.item)->isEnabled()) << c.when;
        file->hide();
        window->RestoreFocus();
        sounds.clear();
        c.ask();
        EXPECT_FALSE(help().Worker().Busy()) << c.when;
        EXPECT_EQ(sounds, std::vector<int>{SOUND_REFUSE}) << c.when;
        EXPECT_TRUE(board().Selection().empty()) << c.when;
        EXPECT_EQ(Shown(), c.said.toStdString()) << c.when;
        if (c.solving)
            window->OnSolve();
    }
    // Nor does an Ironman game warn of a dead end.
    AnswerBy([](const RowSet&) { return SolverVerdict::Dead; });
    ChooseMenuItem(*window, ID_MENU_WARN_OF_DEAD_ENDS);
    ChooseIronman(*window, true);
    window->OnCommand(ID_NEW);
    TickUntilIdle(*window, clock);
    PlaySolution(1);
    EXPECT_FALSE(help().Worker().Busy()) << "the solver was asked";
    EXPECT_EQ(Shown(), "");
}

TEST_F(PlayerHelpTest, BackToASolvablePositionTakesBackOnlyDeadEndsAndSaysWhatItDid)
{
    const struct {
        int clearableUpTo;  // boards after this many moves or fewer are clearable
        int undecidedAt;    // the solver can't tell for this board (-1: none)
        int movesLeft;
        QString said;
    } cases[] = {
        {2, -1, 2, QStringLiteral("Took back 2 moves; this board can be cleared.")},
        {1, -1, 1, QStringLiteral("Took back 3 moves; this board can be cleared.")},
        {3, -1, 3, QStringLiteral("Took back 1 move; this board can be cleared.")},
        // The solver's doubt takes nothing back: the board may well be clearable.
        {2, 3, 3, QStringLiteral("Took back 1 move; can't tell within a second whether this board can be cleared.")},
        {1, 2, 2, PlayerHelp::TookBackText(2, false)},
        {2, 4, 4, PlayerHelp::UndecidedText()},
        {4, -1, 4, PlayerHelp::StillClearableText()},  // clearable already: nothing taken back
        {0, -1, 0, PlayerHelp::TookBackText(4, true)},  // at worst the start of the puzzle
    };
    for (const auto& c : cases) {
        window->OnRetry();
        TickUntilIdle(*window, clock);
        const std::vector<RowSet> boards = PlaySolution(4);
        ASSERT_EQ(MovesMade(puzzle()), 4);
        const int rowCount = puzzle().Settings().rowCount;
        AnswerBy([&boards, &c, rowCount](const RowSet& rows) {
            int moves = 0;
            while (moves < 4 && !SameBoard(rows, boards[static_cast<size_t>(moves)], rowCount))
                ++moves;
            if (moves == c.undecidedAt)
                return SolverVerdict::Unknown;
            return moves <= c.clearableUpTo ? SolverVerdict::Clearable : SolverVerdict::Dead;
        });
        window->OnCommand(ID_MENU_BACK_TO_SOLVABLE);
        WaitForAnswers();
        EXPECT_EQ(MovesMade(puzzle()), c.movesLeft) << c.clearableUpTo << " " << c.undecidedAt;
        EXPECT_TRUE(SameBoard(puzzle().Rows(), boards[static_cast<size_t>(c.movesLeft)], rowCount));
        EXPECT_EQ(Shown(), c.said.toStdString());

        // Redo brings the moves back, one by one.
        for (int k = c.movesLeft; k < 4; ++k) {
            window->OnCommand(ID_MENU_REDO);
            TickUntilIdle(*window, clock);
        }
        EXPECT_TRUE(SameBoard(puzzle().Rows(), boards[4], rowCount));
    }
}

TEST_F(PlayerHelpTest, RedoAfterUndoGivesBackTheBoardAfterTheMoveWithItsAnimation)
{
    const std::vector<RowSet> boards = PlaySolution(2);
    window->OnUndo();
    window->OnUndo();
    ASSERT_EQ(puzzle().Rows(), puzzle().InitialRows());
    for (size_t k = 1; k <= 2; ++k) {
        sounds.clear();
        window->OnCommand(ID_MENU_REDO);
        EXPECT_EQ(board().Phase(), PHASE_REMOVE_START);
        clock->Fire();
        EXPECT_EQ(LastOf(sounds), board().MusicOn() ? SOUND_REMOVE_QUIET : SOUND_REMOVE);
        TickUntilIdle(*window, clock);
        EXPECT_EQ(puzzle().Rows(), boards[k]);
    }
    sounds.clear();
    window->OnCommand(ID_MENU_REDO);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_REFUSE}) << "nothing left to redo";
}

TEST_F(PlayerHelpTest, WarnOfDeadEndsIsOffUntilChosenThenWarnsOnceUntilTakenBack)
{
    AnswerBy([](const RowSet&) { return SolverVerdict::Dead; });
    const QAction* item = window->MenuAction(ID_MENU_WARN_OF_DEAD_ENDS);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    PlaySolution(1);
    EXPECT_FALSE(help().Worker().Busy()) << "no check while the warning is off";
    window->OnUndo();

    ASSERT_TRUE(window->SaveState());
    QFile saved(QStringLiteral("PREFS.SAV"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    ChooseMenuItem(*window, ID_MENU_WARN_OF_DEAD_ENDS);
    EXPECT_TRUE(help().WarnOfDeadEnds());
    EXPECT_TRUE(ReadWarnOfDeadEnds("HINTS.SAV"));
    ASSERT_TRUE(window->SaveState());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before) << "the setting has a file of its own";

    const struct {
        const char* step;
        int undo;      // moves taken back first
        int from, to;  // then these moves of the solution
        bool warned;
    } steps[] = {
        {"the first move", 0, 0, 1, true},
        {"the next move on the same dead line", 0, 1, 2, false},
        {"the first move again after both were taken back", 2, 0, 1, true},
    };
    for (const auto& s : steps) {
        for (int k = 0; k < s.undo; ++k)
            window->OnCommand(ID_UNDO);
        PlaySolution(s.to, s.from);
        WaitForAnswers();
        EXPECT_EQ(Shown(), s.warned ? PlayerHelp::MoveMadeItDeadText().toStdString() : "")
            << s.step;
        QTest::mouseClick(&BoardWidget(*window), Qt::LeftButton, {}, QPoint(2, 2));
    }
}

TEST_F(PlayerHelpTest, TheMessageStandsBetweenTheCountersAndTheBlocksInBalancedLinesThatGrowWithTheWindow)
{
    const struct {
        QSize window;
        const QString& text;
        int lines;
    } cases[] = {
        {{480, 320}, PlayerHelp::DeadEndText(), 2},        {{480, 320}, PlayerHelp::StillClearableText(), 1},
        {{480, 320}, PlayerHelp::NoMoveLeftText(), 2},    {{1400, 1000}, PlayerHelp::DeadEndText(), 2},
        {{1400, 1000}, PlayerHelp::StillClearableText(), 1}, {{1400, 1000}, PlayerHelp::UndecidedText(), 2},
    };
    int defaultPixels = 0;
    // A message of the test's own over the window's board, said as the window's is.
    PlayerMessage message(qobject_cast<BoardView*>(&BoardWidget(*window)));
    for (const auto& c : cases) {
        window->resize(c.window);
        QApplication::processEvents();
        message.Say(c.text);
        const std::string what = c.text.toStdString() + " at " + std::to_string(c.window.width());
        EXPECT_EQ(message.Shown(), c.text) << what;
        const QStringList lines = message.Lines();
        EXPECT_EQ(lines.size(), c.lines) << what << ": " << message.text().toStdString();
        EXPECT_EQ(lines.join(QLatin1Char(' ')), c.text) << what;
        const QFontMetrics metrics(message.font());
        int narrowest = message.width();
        for (const QString& line : lines) {
            EXPECT_TRUE(line.contains(QLatin1Char(' '))) << what << ": a word alone on a line";
            narrowest = std::min(narrowest, metrics.horizontalAdvance(line));
            EXPECT_LT(metrics.horizontalAdvance(line), message.contentsRect().width()) << what;
        }
        if (lines.size() > 1) {
            EXPECT_GT(narrowest * 4, message.contentsRect().width() * 3) << what << ": lines of uneven width";
        }

        // Neither the counters nor the blocks are hidden, in logical pixels.
        const BoardGeometry& layout = board().Geometry();
        const qreal ratio = board().devicePixelRatioF();
        const auto logical = [ratio](const Rect& r) {
            return QRect(QPoint(static_cast<int>(r.left / ratio), static_cast<int>(r.top / ratio)),
                         QPoint(static_cast<int>(r.right / ratio) - 1, static_cast<int>(r.bottom / ratio) - 1));
        };
        const Rect counters = layout.CounterRow(puzzle().Settings().colourCount);
        const Rect blocks = layout.BoardRect(puzzle().Settings().rowWidth, puzzle().Settings().rowCount);
        EXPECT_FALSE(message.geometry().intersects(logical(counters))) << what;
        EXPECT_FALSE(message.geometry().intersects(logical(blocks))) << what;
        EXPECT_TRUE(board().rect().contains(message.geometry())) << what;
        if (c.window.width() == 480) {
            defaultPixels = message.font().pixelSize();
        } else {
            EXPECT_GE(message.font().pixelSize(), 2 * defaultPixels) << what << ": the font grows with the window";
        }
        message.Dismiss();
    }
}

TEST_F(PlayerHelpTest, AnyKeyThatPlaysOnTheBoardEndsTheMessageAndItsNews)
{
    const struct {
        const char* name;
        int key;
    } keys[] = {{"Right", Qt::Key_Right}, {"Down", Qt::Key_Down}, {"Return", Qt::Key_Return},
                {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    AnswerBy([](const RowSet&) { return SolverVerdict::Dead; });
    const auto sayDeadEnd = [this] {
        window->OnCommand(ID_MENU_HINT);
        WaitForAnswers();
    };
    for (const auto& k : keys) {
        sayDeadEnd();
        ASSERT_EQ(BoardName(), QStringLiteral("Board: ") + PlayerHelp::DeadEndText());
        Type(k.key);
        EXPECT_EQ(Shown(), "") << k.name;
        EXPECT_FALSE(BoardName().contains(PlayerHelp::DeadEndText())) << k.name << ": the news outlived the message";
    }
    sayDeadEnd();
    Type(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(Shown(), PlayerHelp::DeadEndText().toStdString()) << "a key that does nothing leaves it";
}

TEST_F(PlayerHelpTest, AScreenReaderMeetsTheBoardOnceTheMenusByTheirWordsAndHearsTheBoardCleared)
{
    QStringList boards;
    QStringList menus;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (node == nullptr)
            return;
        const QString name = node->text(QAccessible::Name);
        if (name.startsWith(QLatin1String("Board")))
            boards << QStringLiteral("%1 %2").arg(node->role()).arg(name);
        if (node->role() == QAccessible::MenuItem && node->parent() != nullptr
            && node->parent()->role() == QAccessible::MenuBar)
            menus << name;
        for (int k = 0; k < node->childCount(); ++k)
            walk(node->child(k));
    };
    walk(QAccessible::queryAccessibleInterface(window.get()));
    EXPECT_EQ(boards, QStringList{QStringLiteral("%1 Board").arg(QAccessible::Table)});
    EXPECT_EQ(menus, (QStringList{"File", "Prefs", "Help"}));
    EXPECT_EQ(window->MainMenu().actions().front()->text(), QStringLiteral("File        "))
        << "the drawn caption keeps its padding";

    const int moves = static_cast<int>(std::count_if(puzzle().Solution().begin(), puzzle().Solution().end(),
                                                     [](const BlockRef& entry) { return entry.IsMoveMarker(); }));
    PlaySolution(moves - 1);
    QTest::mouseClick(&BoardWidget(*window), Qt::LeftButton, {}, QPoint(2, 2));
    PlaySolution(moves, moves - 1);
    EXPECT_EQ(BoardName(), QStringLiteral("Board: Board cleared"));
    EXPECT_EQ(Shown(), "") << "a cleared board shows no word and no score";
}

TEST_F(PlayerHelpTest, ASearchInProgressNeverHoldsUpTheBoardsTicksNorTheClosing)
{
    // The board beaten by the game's own 40 ms clock, on the event loop.
    ShowWindow(false);
    auto release = std::make_shared<std::atomic<bool>>(false);
    auto entered = std::make_shared<std::atomic<int>>(0);
    solver.Answer([release, entered](const SolverQuestion&, const std::atomic<bool>&) {
        ++*entered;
        while (!*release)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return SolverAnswer{};
    });
    ChooseMenuItem(*window, ID_MENU_WARN_OF_DEAD_ENDS);
    PlaySolution(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return *entered == 1; }, 5000));

    // The next move is animated by the board's own timer while the search
    // still runs: 14 ticks, none of which may wait for it.
    const std::vector<BlockRef> blocks = [this] {
        std::vector<BlockRef> second;
        int group = 0;
        for (const BlockRef& entry : puzzle().Solution()) {
            group += entry.IsMoveMarker() ? 1 : 0;
            if (group == 1 && entry.IsBlock())
                second.push_back(entry);
        }
        return second;
    }();
    ClickBlocks(*window, blocks);
    window->OnCommit();
    ASSERT_EQ(board().Phase(), PHASE_REMOVE_START);
    EXPECT_TRUE(QTest::qWaitFor([this] { return board().Phase() == PHASE_IDLE; }, 5000));
    EXPECT_FALSE(*release);
    EXPECT_EQ(MovesMade(puzzle()), 2);

    window.reset();  // closing does not wait for the searches still running
    *release = true;
}
} // namespace
