// The puzzle in play: starting one, moves, undo, retry and new games.
#include "engine/puzzle.h"

#include <algorithm>

#include "engine/generator.h"
#include "engine/move_rule.h"
#include "engine/puzzle_view.h"
#include "engine/random.h"

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
    NewGame();
}

void Puzzle::Start(const PuzzleSettings& chosen, const RowSet& board, MoveList record)
{
    settings = chosen;
    seed.reset();
    if (&board != &initialRows) {
        CopyRows(initialRows, board);
    }
    solution = std::move(record);
    Retry();
}

void Puzzle::NewGame()
{
    NewGame(settings);
}

void Puzzle::NewGame(const PuzzleSettings& chosen)
{
    NewGame(chosen, RandomState());
}

void Puzzle::NewGame(const PuzzleSettings& chosen, uint32_t from)
{
    RowSet board;
    MoveList record;
    SeedRandom(from);
    Generate(board, chosen, record);
    Start(chosen, board, std::move(record));
    seed = from;
}

bool Puzzle::AdoptSeed(uint32_t from)
{
    const uint32_t saved = RandomState();
    RowSet board;
    MoveList record;
    SeedRandom(from);
    Generate(board, settings, record);
    SeedRandom(saved);
    const auto count = static_cast<std::size_t>(settings.rowCount);
    if (record != solution
        || !std::equal(board.begin(), board.begin() + count, initialRows.begin())) {
        return false;
    }
    seed = from;
    return true;
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

void Puzzle::ApplyMove(const MoveList& selection)
{
    if (selection.empty()) {
        return;
    }
    if (!redoMoves.empty() && SameBlocks(redoMoves.back(), selection))
        redoMoves.pop_back();
    else
        redoMoves.clear();
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
    redoMoves.push_back(std::move(last.blocks));
    return true;
}

MoveList Puzzle::NextRedoBlocks() const
{
    return redoMoves.empty() ? MoveList() : redoMoves.back();
}
