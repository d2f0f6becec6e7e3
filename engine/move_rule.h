// The rule of a move, and its two directions: taking a move's blocks off the
// board and putting them back. Selection, moves, undo, the loader's checks
// and the solver all go through these.
#pragma once

#include "engine/move_list.h"
#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

// True when block is a block entry of a row in play standing at position 0
// or at the last position of its row.
bool IsAtRowEnd(const RowSet& rows, const PuzzleSettings& settings, const BlockRef& block);

// True when block may be added to selection (distinct block entries chosen
// one by one on this board): it stands at a row end, has the colour of the
// first chosen block, is not chosen yet, and fewer than maxRemove are chosen.
// The board's clicks and keys ask this before adding a block.
bool CanJoinSelection(const RowSet& rows, const PuzzleSettings& settings,
                      const MoveList& selection, const BlockRef& block);

// True when selection is a legal move on rows: minRemove .. maxRemove
// distinct blocks of rows in play, each at an end of its row, all of one
// colour -- that is, every block could join the ones before it and there are
// enough of them.
bool IsLegalMove(const RowSet& rows, const PuzzleSettings& settings,
                 const MoveList& selection);

// Takes the blocks of a legal move off the board: marked first and deleted
// afterwards, so the entries name positions before the move, in any order.
// Returns the colour of the last entry's block. Trusts its caller.
int32_t RemoveBlocks(RowSet& rows, const PuzzleSettings& settings, const MoveList& blocks);

// The other direction: puts back the blocks of move, last entry first, each at
// the end its position names (0: the left end, any other: the right end).
// Since a move takes at most one block from each end and all are of one
// colour, this restores the board before the move exactly. Trusts its caller:
// every entry names a row in play.
void PutBackBlocks(RowSet& rows, const Move& move);

// True when at least one legal move can be made on rows: some colour has
// minRemove blocks standing at row ends.
bool AnyLegalMove(const RowSet& rows, const PuzzleSettings& settings);
