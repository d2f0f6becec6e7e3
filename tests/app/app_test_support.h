// Helpers shared by the main window tests: saved state files, idle boards, solution moves, clicks.
#pragma once

#include "app/game_main_window.h"
#include "engine/state_records.h"
#include "tests/support/hand_clock.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class Puzzle;

// A fresh, empty current directory for one test, so tests that run side by
// side never share a "PREFS.SAV"; the previous one comes back at the end.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();

private:
    QTemporaryDir directory;
    QString previous;
};

// A saved state as the game writes it: the given records with a fresh puzzle.
void WriteStateFile(const MainWindowRecord& mainRecord,
                    const MusicRecord& musicRecord = MusicRecord{});

// Runs answer on the dialog once it is open and running its modal loop.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

// A main window built from the current "PREFS.SAV" (if any) with `parts`,
// shown.
std::unique_ptr<GameMainWindow> ShowNewWindow(MainWindowParts parts = {});
// Hands `parts` a board clock the test fires by hand; it lives as long as
// the window built from them.
HandClock& HandClockIn(MainWindowParts& parts);
// The same with the board's clock fired by hand (`clock` is set to it) and
// its effects handed in (null: the game's own), every other part the game's own.
std::unique_ptr<GameMainWindow> ShowNewWindow(HandClock*& clock, std::unique_ptr<SoundEffects> effects = nullptr);

// Fires the window's board clock until the board waits for the player (at
// most a few hundred beats); with no clock, waits for the game's own to get
// there.
void TickUntilIdle(const GameMainWindow& window, HandClock* clock);
// Ticks a board the test holds itself until its phase machine is idle.
void TickUntilIdle(BoardView& board);

// The block entries of the first move of the puzzle's solution.
std::vector<BlockRef> FirstSolutionMove(const Puzzle& puzzle);
// Those of move n (from 0).
std::vector<BlockRef> SolutionMove(const Puzzle& puzzle, int n);

// The board as the platform reaches it, for the player's mouse and a screen
// reader: the widget found under the middle of the window's board.
QWidget& BoardWidget(GameMainWindow& window);
// Clicks each block of the window's board with the left button where it
// stands on the screen, as the player does.
void ClickBlocks(GameMainWindow& window, const std::vector<BlockRef>& blocks);
// Each block of a board the test holds itself, to its left-button rule.
void ClickBlocks(BoardView& board, const std::vector<BlockRef>& blocks);

// Clicks the bar button of command `id` where it stands on the screen, as
// the player does.
void ClickCommandButton(GameMainWindow& window, int id);

// Moves the window's keyboard focus to `target` with the Tab key.
void TabTo(GameMainWindow& window, const QWidget& target);

// Chooses the menu item of command `id` from its menu, as the player does.
void ChooseMenuItem(GameMainWindow& window, int id);

// A solver the window is built with (MainWindowParts::solver) whose answers
// the test changes as it goes; the one in force when a search starts answers it.
class StandInSolver {
public:
    StandInSolver();
    SolverCall Call() const;
    void Answer(SolverCall answer);

private:
    struct Shared;
    std::shared_ptr<Shared> shared;
};

// The Ironman preference set with the Preferences dialog's box and OK:
// the game in play keeps its own rule.
void ChooseIronman(GameMainWindow& window, bool on);

// Moves made since the start of the puzzle.
int MovesMade(const Puzzle& puzzle);
