// Checks that a stored solution describes a puzzle the engine can play.
#include "engine/solution_check.h"

#include <algorithm>
#include <vector>

#include "engine/move_rule.h"

namespace {

bool AllDistinct(const MoveList& blocks)
{
    for (auto outer = blocks.begin(); outer != blocks.end(); ++outer) {
        if (std::find(std::next(outer), blocks.end(), *outer) != blocks.end()) {
            return false;
        }
    }
    return true;
}

// A move takes at most one block from each end of each row, so a longer
// entry cannot be legal; refusing it early keeps the distinctness test small.
bool CanBeOneMove(const Move& move, const PuzzleSettings& settings)
{
    return !move.blocks.empty() && static_cast<long>(move.blocks.size()) <= 2L * settings.rowCount;
}

bool IsWellFormedMove(const Move& move, const PuzzleSettings& settings)
{
    return move.colour >= 0 && move.colour < settings.colourCount
        && CanBeOneMove(move, settings)
        && std::all_of(move.blocks.begin(), move.blocks.end(),
                       [&](const BlockRef& block) {
                           return block.row >= 0 && block.row < settings.rowCount;
                       })
        && AllDistinct(move.blocks);
}

// Walks from the last move of play back to the first, putting each move's
// blocks back at the row ends it takes them from.
bool RebuildBoard(const std::vector<Move>& moves, const PuzzleSettings& settings, RowSet& rows)
{
    ClearRows(rows);
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        PutBackBlocks(rows, *move);
        for (const BlockRef& block : move->blocks) {
            if (static_cast<int32_t>(rows[block.row].size()) > settings.rowWidth) {
                return false;
            }
        }
    }
    return true;
}

bool MovesClearBoard(const RowSet& start, const std::vector<Move>& moves,
                     const PuzzleSettings& settings)
{
    RowSet rows;
    CopyRows(rows, start);
    for (const Move& move : moves) {
        if (!IsLegalMove(rows, settings, move.blocks)
            || rows[move.blocks.front().row][move.blocks.front().index] != move.colour) {
            return false;
        }
        RemoveBlocks(rows, settings, move.blocks);
    }
    ColourCounters counters;
    return CountBlocks(rows, settings.rowCount, counters) == 0;
}

}  // namespace

bool SolutionClearsBoard(const RowSet& start, const MoveList& solution,
                         const PuzzleSettings& settings)
{
    std::vector<Move> moves;
    return ReadSolutionEntries(solution, moves) && MovesClearBoard(start, moves, settings);
}

bool RebuildCheckedBoard(const MoveList& solution, const PuzzleSettings& settings,
                         RowSet& rows)
{
    std::vector<Move> moves;
    return settings.WithinEngineLimits()
        && ReadSolutionEntries(solution, moves)
        && std::all_of(moves.begin(), moves.end(),
                       [&](const Move& move) { return IsWellFormedMove(move, settings); })
        && RebuildBoard(moves, settings, rows)
        && MovesClearBoard(rows, moves, settings);
}
