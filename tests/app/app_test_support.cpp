// Helpers shared by the main window tests.
#include "app_test_support.h"

#include "engine/puzzle.h"
#include "engine/state_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

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

std::unique_ptr<GameMainWindow> ShowNewWindow(std::unique_ptr<SoundEffects> effects)
{
    auto window = std::make_unique<GameMainWindow>(std::move(effects));
    window->show();
    QApplication::processEvents();
    return window;
}

void TickUntilIdle(BoardView& board)
{
    for (int k = 0; k < 400 && !(board.Phase() == PHASE_IDLE && !board.Solving()); ++k)
        board.Tick();
}

std::vector<BlockRef> FirstSolutionMove(const Puzzle& puzzle)
{
    std::vector<BlockRef> blocks;
    for (const BlockRef& entry : puzzle.Solution()) {
        if (entry.IsMoveMarker())
            break;
        if (entry.IsBlock())
            blocks.push_back(entry);
    }
    return blocks;
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

void ChooseIronman(GameMainWindow& window, bool on)
{
    MainWindowRecord record = window.MainRecord(window.StartRect());
    record.ironman = on;
    window.ApplyMainRecord(record);
}
