// The puzzle in play: moves, undo, retry and new games.
#include "engine/puzzle.h"

#include "engine/generator.h"
#include "engine/move_rule.h"
#include "engine/puzzle_view.h"

Puzzle::Puzzle()
{
    settings.SetDefaults();
    Generate(rows, settings, solution);
    CopyRows(initialRows, rows);
    history.clear();
}

void Puzzle::ApplyMove(const MoveList& selection)
{
    if (selection.empty()) {
        return;
    }
    CopyRows(previousRows, rows);
    const int32_t colour = RemoveBlocks(rows, settings, selection);
    AppendHistoryEntry(history, {colour, selection});
}

bool Puzzle::Undo()
{
    Move last;
    if (!TakeLastHistoryEntry(history, last)) {
        return false;
    }
    PutBackBlocks(rows, last);
    return true;
}

void Puzzle::Retry()
{
    CopyRows(rows, initialRows);
    history.clear();
    if (boardView != nullptr) {
        boardView->ResetBoard();
    }
}

void Puzzle::NewGame()
{
    Generate(rows, settings, solution);
    history.clear();
    CopyRows(initialRows, rows);
    if (boardView != nullptr) {
        boardView->ResetBoard();
        boardView->ShuffleSymbols();
    }
}
