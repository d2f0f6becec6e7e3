// Checks that a stored solution describes a puzzle the engine can play.
#include "engine/solution_check.h"

#include <algorithm>

namespace {

bool NamesRowInPlay(const BlockRef& block, const PuzzleSettings& settings)
{
    return block.row >= 0 && block.row < settings.rowCount;
}

bool AtRowEnd(const RowSet& rows, const BlockRef& block)
{
    const auto length = static_cast<int32_t>(rows[block.row].size());
    return length > 0 && (block.index == 0 || block.index == length - 1);
}

bool AllDistinct(MoveList::const_iterator first, MoveList::const_iterator last)
{
    for (auto outer = first; outer != last; ++outer) {
        if (std::find(std::next(outer), last, *outer) != last) {
            return false;
        }
    }
    return true;
}

// A move takes at most one block from each end of each row, so a longer
// group cannot be legal; refusing it early keeps the distinctness test small.
bool CanBeOneMove(long blockCount, const PuzzleSettings& settings)
{
    return blockCount >= 1 && blockCount <= 2L * settings.rowCount;
}

void RemoveBlocks(RowSet& rows, const MoveList& blocks)
{
    for (const BlockRef& block : blocks) {
        rows[block.row][block.index] = REMOVED_BLOCK;
    }
    for (BlockRow& row : rows) {
        row.erase(std::remove(row.begin(), row.end(), REMOVED_BLOCK), row.end());
    }
}

}  // namespace

bool IsLegalMove(const RowSet& rows, const PuzzleSettings& settings,
                 const MoveList& selection)
{
    const auto count = static_cast<long>(selection.size());
    if (count < settings.minRemove || count > settings.maxRemove
        || !CanBeOneMove(count, settings)) {
        return false;
    }
    for (const BlockRef& block : selection) {
        if (!block.IsBlock() || !NamesRowInPlay(block, settings) || !AtRowEnd(rows, block)) {
            return false;
        }
    }
    const BlockRef& first = selection.front();
    const int32_t colour = rows[first.row][first.index];
    const bool oneColour = std::all_of(selection.begin(), selection.end(),
        [&](const BlockRef& block) { return rows[block.row][block.index] == colour; });
    return oneColour && AllDistinct(selection.begin(), selection.end());
}

bool IsWellFormedSolution(const MoveList& solution, const PuzzleSettings& settings)
{
    auto entry = solution.begin();
    while (entry != solution.end()) {
        if (entry->index != COLOUR_TAG || entry->row < 0 || entry->row >= settings.colourCount) {
            return false;
        }
        const auto firstBlock = ++entry;
        long blockCount = 0;
        for (; entry != solution.end() && entry->IsBlock(); ++entry) {
            if (!NamesRowInPlay(*entry, settings) || !CanBeOneMove(++blockCount, settings)) {
                return false;
            }
        }
        if (entry == solution.end() || *entry != MoveMarker() || blockCount == 0
            || !AllDistinct(firstBlock, entry)) {
            return false;
        }
        ++entry;
    }
    return true;
}

// Walks from the last move of play back to the first, putting each group's
// blocks back at the row ends its move takes them from.
bool RebuildBoard(const MoveList& solution, const PuzzleSettings& settings, RowSet& rows)
{
    ClearRows(rows);
    MoveList scratch;
    for (auto entry = solution.rbegin(); entry != solution.rend(); ++entry) {
        if (entry->IsMoveMarker()) {
            scratch.clear();
        } else if (entry->IsBlock()) {
            scratch.push_back(*entry);
        } else {
            const int32_t colour = entry->row;
            for (const BlockRef& block : scratch) {
                if (!NamesRowInPlay(block, settings)) {
                    return false;
                }
                BlockRow& row = rows[block.row];
                if (static_cast<int32_t>(row.size()) >= settings.rowWidth) {
                    return false;
                }
                if (block.index == 0) {
                    row.insert(row.begin(), colour);
                } else {
                    row.push_back(colour);
                }
            }
        }
    }
    return true;
}

bool SolutionClearsBoard(const RowSet& start, const MoveList& solution,
                         const PuzzleSettings& settings)
{
    RowSet rows;
    CopyRows(rows, start);
    MoveList move;
    int32_t colour = 0;
    for (const BlockRef& entry : solution) {
        if (entry.IsBlock()) {
            move.push_back(entry);
        } else if (entry.IsMoveMarker()) {
            if (!IsLegalMove(rows, settings, move)
                || rows[move.front().row][move.front().index] != colour) {
                return false;
            }
            RemoveBlocks(rows, move);
            move.clear();
        } else {
            colour = entry.row;
            move.clear();
        }
    }
    ColourCounters counters;
    return move.empty() && CountBlocks(rows, MAX_ROWS, counters) == 0;
}

bool RebuildCheckedBoard(const MoveList& solution, const PuzzleSettings& settings,
                         RowSet& rows)
{
    return settings.WithinEngineLimits()
        && IsWellFormedSolution(solution, settings)
        && RebuildBoard(solution, settings, rows)
        && SolutionClearsBoard(rows, solution, settings);
}
