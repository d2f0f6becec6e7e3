// Helpers shared by the main window tests: saved state files, idle boards, solution moves, clicks.
#pragma once

#include "app/game_main_window.h"
#include "engine/state_records.h"

#include <QString>
#include <QTemporaryDir>

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

// A main window built from the current "PREFS.SAV" (if any), shown; its
// board's effects go to `effects` (null: the audio device).
std::unique_ptr<GameMainWindow> ShowNewWindow(std::unique_ptr<SoundEffects> effects = nullptr);

// Ticks the board until its phase machine is idle (at most a few hundred).
void TickUntilIdle(BoardView& board);

// The block entries of the first move of the puzzle's solution.
std::vector<BlockRef> FirstSolutionMove(const Puzzle& puzzle);

// Clicks each block with the left button, as the player would.
void ClickBlocks(BoardView& board, const std::vector<BlockRef>& blocks);

// The Ironman preference set as the Preferences dialog's OK would set it:
// the game in play keeps its own rule.
void ChooseIronman(GameMainWindow& window, bool on);

// Moves made since the start of the puzzle.
int MovesMade(const Puzzle& puzzle);
