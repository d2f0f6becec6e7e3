// Thousands of random player actions on the real main window, checking after
// each that the game is whole and the picture agrees with the board.
#include "app/game_main_window.h"
#include "app_test_support.h"
#include "engine/puzzle.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

// CI plays this many; a long soak sets KOLUMO_SOAK_ACTIONS (e.g. 100000).
constexpr int DEFAULT_ACTIONS = 6000;

int Actions()
{
    const char* wanted = std::getenv("KOLUMO_SOAK_ACTIONS");
    const int actions = wanted != nullptr ? std::atoi(wanted) : 0;
    return actions > 0 ? actions : DEFAULT_ACTIONS;
}

int BlockEntries(const MoveList& list)
{
    int count = 0;
    for (const BlockRef& entry : list)
        count += entry.IsBlock() ? 1 : 0;
    return count;
}

// History is a sequence of whole moves: a marker, minRemove..maxRemove
// blocks, a colour entry.
void CheckHistory(const Puzzle& puzzle)
{
    auto entry = puzzle.History().begin();
    while (entry != puzzle.History().end()) {
        ASSERT_TRUE(entry->IsMoveMarker());
        ++entry;
        int blocks = 0;
        while (entry != puzzle.History().end() && entry->IsBlock()) {
            ++blocks;
            ++entry;
        }
        ASSERT_GE(blocks, puzzle.Settings().minRemove);
        ASSERT_LE(blocks, puzzle.Settings().maxRemove);
        ASSERT_TRUE(entry != puzzle.History().end() && entry->IsColourEntry());
        ++entry;
    }
}

void CheckBoard(const Puzzle& puzzle)
{
    ColourCounters now{};
    ColourCounters start{};
    const int32_t left = CountBlocks(puzzle.Rows(), puzzle.Settings().rowCount, now);
    const int32_t initial = CountBlocks(puzzle.InitialRows(), puzzle.Settings().rowCount, start);
    ASSERT_EQ(left, initial - BlockEntries(puzzle.History()));
    for (int row = 0; row < MAX_ROWS; ++row) {
        if (row >= puzzle.Settings().rowCount) {
            ASSERT_TRUE(puzzle.Rows()[row].empty());
        }
        for (const int32_t code : puzzle.Rows()[row])
            ASSERT_TRUE(code >= 0 && code < puzzle.Settings().colourCount) << code;
    }
}

void CheckSelection(const BoardView& board)
{
    if (board.Phase() != PHASE_IDLE || board.Selection().empty())
        return;
    const Puzzle& puzzle = *board.ShownPuzzle();
    ASSERT_LE(static_cast<int>(board.Selection().size()), puzzle.Settings().maxRemove);
    const BlockRef& head = board.Selection().front();
    const int32_t colour = puzzle.Rows()[head.row][head.index];
    for (const BlockRef& entry : board.Selection()) {
        const auto& row = puzzle.Rows()[entry.row];
        ASSERT_TRUE(entry.index == 0 || entry.index == static_cast<int32_t>(row.size()) - 1);
        ASSERT_EQ(row[entry.index], colour);
    }
}

void CheckLayout(GameMainWindow& window)
{
    const ChildPlacement placement
        = PlaceChildren(window.ClientArea().width(), window.ClientArea().height());
    const Rect& board = placement.boardView;
    ASSERT_EQ(window.Board().geometry(), QRect(board.left, board.top, board.Width(), board.Height()));
    const Rect& quit = placement.buttons[8];
    ASSERT_EQ(window.CommandButton(ID_QUIT).geometry(), QRect(quit.left, quit.top, quit.Width(), quit.Height()));
}

// At rest, the picture on the board is what it paints anew when the player
// confirms the preferences unchanged: a new layout and a full redraw.
void CheckPicture(GameMainWindow& window)
{
    const BoardView& board = window.Board();
    if (board.Phase() != PHASE_IDLE || board.Solving() || !board.Selection().empty()
        || !board.ComposeSurface().HasPixels())
        return;
    const QImage shown = board.ComposeSurface().Image().copy();
    ChooseIronman(window, window.Ironman());
    ASSERT_TRUE(shown == board.ComposeSurface().Image()) << "the picture disagrees with the board";
}

TEST(Soak, ThousandsOfRandomActionsKeepTheGameWhole)
{
    ScratchDirectory scratch;
    MainWindowRecord quiet;
    quiet.soundEffects = false;
    WriteStateFile(quiet);
    HandClock* clock = nullptr;
    auto window = ShowNewWindow(clock);
    const BoardView& board = window->Board();
    QWidget& clicked = BoardWidget(*window);
    std::mt19937 random(4711);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    const int actions = Actions();
    for (int step = 0; step < actions; ++step) {
        const int action = below(100);
        if (action < 45) {
            // Mostly on the end blocks of a row, sometimes anywhere.
            const int32_t row = below(board.ShownPuzzle()->Settings().rowCount);
            const auto length = static_cast<int32_t>(board.ShownPuzzle()->Rows()[row].size());
            QPoint point(below(std::max(board.width(), 1)), below(std::max(board.height(), 1)));
            if (length > 0 && below(3) != 0) {
                const int32_t index = below(2) == 0 ? 0 : length - 1;
                const Rect cell = board.Geometry().BlockRect(index, row, length);
                point = QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
            }
            QTest::mouseClick(&clicked, Qt::LeftButton, {}, point);
        } else if (action < 53) {
            QTest::mouseClick(&clicked, Qt::RightButton, {}, QPoint(5, 5));
        } else if (action < 65) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                            Qt::Key_Space);
        } else if (action < 75) {
            window->OnUndo();
        } else if (action < 80) {
            window->OnSolve();
        } else if (action < 83) {
            ChooseIronman(*window, below(2) == 0);
            window->OnNewGame();
        } else if (action < 88) {
            window->OnRetry();
        } else if (action < 90) {
            window->resize(400 + below(500), 250 + below(400));
            QApplication::processEvents();
        } else if (action < 92) {
            ClickCommandButton(*window, below(2) == 0 ? ID_UNDO : ID_RETRY);
        } else if (action < 96) {
            // Redo after Undo, after moves, mid-animation: whatever came before.
            window->OnCommand(ID_MENU_REDO);
        } else {
            // Whatever the window's own timers have due, the music's among them.
            QApplication::processEvents();
        }
        for (int tick = below(25); tick > 0; --tick)
            clock->Fire();

        ASSERT_NO_FATAL_FAILURE(CheckHistory(*board.ShownPuzzle())) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(CheckBoard(*board.ShownPuzzle())) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(CheckSelection(board)) << "step " << step;
        ASSERT_TRUE(board.Phase() >= PHASE_REFRESH && board.Phase() <= PHASE_SLIDING);
        ASSERT_EQ(window->CommandButton(ID_SOLVE).text(),
                  window->GameIronman() ? QStringLiteral("---") : QStringLiteral("Solve"));
        if (step % 25 == 0) {
            ASSERT_NO_FATAL_FAILURE(CheckLayout(*window)) << "step " << step;
            ASSERT_NO_FATAL_FAILURE(CheckPicture(*window)) << "step " << step;
        }
    }
}

} // namespace
