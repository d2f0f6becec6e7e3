// The puzzle in play: moves, undo, retry and new games.
#include "engine/puzzle.h"

#include <algorithm>

#include "engine/generator.h"
#include "engine/puzzle_view.h"

namespace {

// The same blocks, in whatever order they were chosen.
bool SameBlocks(const MoveList& a, const MoveList& b)
{
    return a.size() == b.size()
        && std::all_of(a.begin(), a.end(),
                       [&b](const BlockRef& x) { return std::find(b.begin(), b.end(), x) != b.end(); });
}

} // namespace

Puzzle::Puzzle()
{
    settings.SetDefaults();
    Generate(rows, settings, solution);
    CopyRows(initialRows, rows);
    history.clear();
}

// Blocks are marked first and deleted afterwards, so the selection names
// positions on the board as it was before the move, in any order.
void Puzzle::ApplyMove(const MoveList& selection)
{
    if (selection.empty()) {
        return;
    }
    if (!redoMoves.empty() && SameBlocks(redoMoves.back(), selection))
        redoMoves.pop_back();
    else
        redoMoves.clear();
    CopyRows(previousRows, rows);
    history.push_back(MoveMarker());
    int32_t colour = 0;
    for (const BlockRef& block : selection) {
        int32_t& cell = rows[block.row][block.index];
        colour = cell;
        cell = REMOVED_BLOCK;
        history.push_back(block);
    }
    for (int32_t r = 0; r < settings.rowCount && r < MAX_ROWS; ++r) {
        BlockRow& row = rows[r];
        row.erase(std::remove(row.begin(), row.end(), REMOVED_BLOCK), row.end());
    }
    history.push_back(ColourEntry(colour));
}

// A move takes at most one block from each end and all share one colour, so
// putting them back in reverse order restores the board exactly.
bool Puzzle::Undo()
{
    if (history.empty()) {
        return false;
    }
    const int32_t colour = history.back().row;
    history.pop_back();
    MoveList undone;
    while (!history.empty()) {
        const BlockRef entry = history.back();
        history.pop_back();
        if (entry.IsMoveMarker()) {
            redoMoves.push_back(std::move(undone));
            return true;
        }
        undone.push_front(entry);
        BlockRow& row = rows[entry.row];
        if (entry.index == 0) {
            row.insert(row.begin(), colour);
        } else {
            row.push_back(colour);
        }
    }
    return true;
}

MoveList Puzzle::NextRedoBlocks() const
{
    return redoMoves.empty() ? MoveList() : redoMoves.back();
}

void Puzzle::Retry()
{
    CopyRows(rows, initialRows);
    history.clear();
    redoMoves.clear();
    if (boardView != nullptr) {
        boardView->ResetBoard();
    }
}

void Puzzle::NewGame()
{
    Generate(rows, settings, solution);
    history.clear();
    redoMoves.clear();
    CopyRows(initialRows, rows);
    if (boardView != nullptr) {
        boardView->ResetBoard();
        boardView->ShuffleSymbols();
    }
}
