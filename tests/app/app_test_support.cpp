// Helpers shared by the main window tests.
#include "app_test_support.h"

#include "controls/preferences_dialog.h"
#include "engine/puzzle.h"
#include "engine/state_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

ScratchDirectory::ScratchDirectory() : previous(QDir::currentPath())
{
    EXPECT_TRUE(directory.isValid());
    EXPECT_TRUE(QDir::setCurrent(directory.path()));
}

ScratchDirectory::~ScratchDirectory()
{
    QDir::setCurrent(previous);
}

void WriteStateFile(const MainWindowRecord& mainRecord, const MusicRecord& musicRecord)
{
    Puzzle puzzle;
    puzzle.NewGame(mainRecord.settings);
    ASSERT_TRUE(SaveStateFile("PREFS.SAV", mainRecord, musicRecord, puzzle));
}

std::unique_ptr<GameMainWindow> ShowNewWindow(MainWindowParts parts)
{
    auto window = std::make_unique<GameMainWindow>(std::move(parts));
    window->show();
    QApplication::processEvents();
    return window;
}

HandClock& HandClockIn(MainWindowParts& parts)
{
    auto clock = std::make_unique<HandClock>();
    HandClock& kept = *clock;
    parts.clock = std::move(clock);
    return kept;
}

std::unique_ptr<GameMainWindow> ShowNewWindow(HandClock*& clock, std::unique_ptr<SoundEffects> effects)
{
    MainWindowParts parts;
    parts.effects = std::move(effects);
    clock = &HandClockIn(parts);
    return ShowNewWindow(std::move(parts));
}

void TickUntilIdle(const GameMainWindow& window, HandClock* clock)
{
    const BoardView& board = window.Board();
    const auto resting = [&board] { return board.Phase() == PHASE_IDLE && !board.Solving(); };
    if (clock == nullptr) {
        ASSERT_TRUE(QTest::qWaitFor(resting, 5000)) << "the game's own clock never brought the board to rest";
        return;
    }
    for (int k = 0; k < 400 && !resting(); ++k)
        clock->Fire();
}

void TickUntilIdle(BoardView& board)
{
    for (int k = 0; k < 400 && !(board.Phase() == PHASE_IDLE && !board.Solving()); ++k)
        board.Tick();
}

std::vector<BlockRef> SolutionMove(const Puzzle& puzzle, int n)
{
    std::vector<BlockRef> blocks;
    for (const BlockRef& entry : puzzle.Solution()) {
        if (entry.IsMoveMarker() && n-- == 0)
            break;
        if (entry.IsMoveMarker())
            blocks.clear();
        if (entry.IsBlock())
            blocks.push_back(entry);
    }
    return blocks;
}

std::vector<BlockRef> FirstSolutionMove(const Puzzle& puzzle)
{
    return SolutionMove(puzzle, 0);
}

QWidget& BoardWidget(GameMainWindow& window)
{
    const BoardView& board = window.Board();
    QWidget* under = window.childAt(board.mapTo(&window, board.rect().center()));
    EXPECT_EQ(under, &board);
    return under != nullptr ? *under : window;
}

void ClickBlocks(GameMainWindow& window, const std::vector<BlockRef>& blocks)
{
    const BoardView& board = window.Board();
    QWidget& under = BoardWidget(window);
    const qreal ratio = board.devicePixelRatioF();
    for (const BlockRef& block : blocks) {
        const auto length = static_cast<int32_t>(board.ShownPuzzle()->Rows()[block.row].size());
        const Rect cell = board.Geometry().BlockRect(block.index, block.row, length);
        QTest::mouseClick(&under, Qt::LeftButton, {},
                          QPoint(static_cast<int>((cell.left + cell.right) / 2 / ratio),
                                 static_cast<int>((cell.top + cell.bottom) / 2 / ratio)));
    }
}

void ClickBlocks(BoardView& board, const std::vector<BlockRef>& blocks)
{
    for (const BlockRef& block : blocks) {
        const auto length = static_cast<int32_t>(board.ShownPuzzle()->Rows()[block.row].size());
        const Rect cell = board.Geometry().BlockRect(block.index, block.row, length);
        board.LeftButtonUp((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }
}

int MovesMade(const Puzzle& puzzle)
{
    return static_cast<int>(std::count_if(puzzle.History().begin(), puzzle.History().end(),
                                          [](const BlockRef& e) { return e.IsMoveMarker(); }));
}

void ClickCommandButton(GameMainWindow& window, int id)
{
    const QPushButton& button = window.CommandButton(id);
    const QPoint centre = button.mapTo(&window, button.rect().center());
    QWidget* under = window.childAt(centre);
    ASSERT_EQ(under, &button);
    QTest::mouseClick(under, Qt::LeftButton);
}

void TabTo(GameMainWindow& window, const QWidget& target)
{
    // Round the whole bar at most twice.
    for (int k = 0; k < 2 * BAR_BUTTON_COUNT + 2 && window.focusWidget() != &target; ++k)
        QTest::keyClick(window.focusWidget() != nullptr ? window.focusWidget() : &window, Qt::Key_Tab);
    ASSERT_EQ(window.focusWidget(), &target);
}

void ChooseMenuItem(GameMainWindow& window, int id)
{
    for (QAction* top : window.MainMenu().actions()) {
        for (QAction* item : top->menu()->actions()) {
            if (item->data().toInt() == id) {
                item->trigger();
                return;
            }
        }
    }
    ADD_FAILURE() << "no menu item " << id;
}

struct StandInSolver::Shared {
    std::mutex lock;
    SolverCall answer = PlayerHelp::EngineSolver();
};

StandInSolver::StandInSolver() : shared(std::make_shared<Shared>()) {}

SolverCall StandInSolver::Call() const
{
    return [shared = shared](const SolverQuestion& question, const std::atomic<bool>& cancel) {
        SolverCall answer;
        {
            const std::lock_guard<std::mutex> held(shared->lock);
            answer = shared->answer;
        }
        return answer(question, cancel);
    };
}

void StandInSolver::Answer(SolverCall answer)
{
    const std::lock_guard<std::mutex> held(shared->lock);
    shared->answer = std::move(answer);
}

void ChooseIronman(GameMainWindow& window, bool on)
{
    const bool active = window.isActiveWindow();
    WhenOpen<PreferencesDialog>([on](PreferencesDialog& dialog) {
        dialog.CheckBox(PreferencesDialog::IRONMAN_ID)->setChecked(on);
        dialog.accept();
    });
    window.OnPreferences();
    // Back from the dialog, the window is the active one again.
    if (active) {
        window.activateWindow();
        QApplication::processEvents();
    }
}
