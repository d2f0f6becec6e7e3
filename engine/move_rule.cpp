// The rule of a move and the two directions of a move on the board.
#include "engine/move_rule.h"

#include <algorithm>
#include <array>

namespace {

bool NamesRowInPlay(const BlockRef& block, const PuzzleSettings& settings)
{
    return block.row >= 0 && block.row < settings.rowCount && block.row < MAX_ROWS;
}

int32_t ColourAt(const RowSet& rows, const BlockRef& block)
{
    return rows[block.row][block.index];
}

}  // namespace

bool IsAtRowEnd(const RowSet& rows, const PuzzleSettings& settings, const BlockRef& block)
{
    if (!block.IsBlock() || !NamesRowInPlay(block, settings)) {
        return false;
    }
    const auto length = static_cast<int32_t>(rows[block.row].size());
    return length > 0 && (block.index == 0 || block.index == length - 1);
}

bool CanJoinSelection(const RowSet& rows, const PuzzleSettings& settings,
                      const MoveList& selection, const BlockRef& block)
{
    if (!IsAtRowEnd(rows, settings, block)
        || static_cast<long>(selection.size()) >= settings.maxRemove) {
        return false;
    }
    if (selection.empty()) {
        return true;
    }
    return ColourAt(rows, block) == ColourAt(rows, selection.front())
        && std::find(selection.begin(), selection.end(), block) == selection.end();
}

// Each block is checked against the ones before it only, so the first failure
// ends the walk: a selection can hold no more than two blocks per row before
// one repeats, which keeps a hostile list from a file cheap to refuse.
bool IsLegalMove(const RowSet& rows, const PuzzleSettings& settings,
                 const MoveList& selection)
{
    MoveList chosen;
    for (const BlockRef& block : selection) {
        if (!CanJoinSelection(rows, settings, chosen, block)) {
            return false;
        }
        chosen.push_back(block);
    }
    return static_cast<long>(chosen.size()) >= settings.minRemove;
}

int32_t RemoveBlocks(RowSet& rows, const PuzzleSettings& settings, const MoveList& blocks)
{
    int32_t colour = 0;
    for (const BlockRef& block : blocks) {
        int32_t& cell = rows[block.row][block.index];
        colour = cell;
        cell = REMOVED_BLOCK;
    }
    for (int32_t r = 0; r < settings.rowCount && r < MAX_ROWS; ++r) {
        BlockRow& row = rows[r];
        row.erase(std::remove(row.begin(), row.end(), REMOVED_BLOCK), row.end());
    }
    return colour;
}

void PutBackBlocks(RowSet& rows, const Move& move)
{
    for (auto block = move.blocks.rbegin(); block != move.blocks.rend(); ++block) {
        BlockRow& row = rows[block->row];
        if (block->index == 0) {
            row.insert(row.begin(), move.colour);
        } else {
            row.push_back(move.colour);
        }
    }
}

bool AnyLegalMove(const RowSet& rows, const PuzzleSettings& settings)
{
    // Any minRemove of one colour's end blocks make a move, so only the
    // first minRemove of each colour need be tried.
    std::array<MoveList, MAX_COLOURS> ends;
    for (int32_t r = 0; r < settings.rowCount && r < MAX_ROWS; ++r) {
        const auto length = static_cast<int32_t>(rows[r].size());
        // A row of one block has one end, not two: taken twice it would be
        // a repeat and spoil its colour's candidate.
        const int32_t endCount = std::min(length, 2);
        for (int32_t end = 0; end < endCount; ++end) {
            const BlockRef block{end == 0 ? 0 : length - 1, r};
            const int32_t colour = ColourAt(rows, block);
            if (colour < 0 || colour >= MAX_COLOURS)
                continue;
            MoveList& chosen = ends[static_cast<size_t>(colour)];
            if (static_cast<int32_t>(chosen.size()) < settings.minRemove)
                chosen.push_back(block);
        }
    }
    return std::any_of(ends.begin(), ends.end(), [&](const MoveList& chosen) {
        return IsLegalMove(rows, settings, chosen);
    });
}
