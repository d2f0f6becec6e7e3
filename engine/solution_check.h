// The rule of a move, and the checks a stored solution must pass before its
// puzzle is played: well-formed groups, a board that fits, legal moves that
// clear it.
#pragma once

#include "engine/move_list.h"
#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

// True when selection (block entries only) is a legal move on rows: between
// minRemove and maxRemove distinct blocks of rows 0 .. rowCount - 1, each at
// position 0 or at the last position of its row, all of one colour.
bool IsLegalMove(const RowSet& rows, const PuzzleSettings& settings,
                 const MoveList& selection);

// True when solution is a sequence of groups (COLOUR_TAG, c), one or more
// distinct block entries, (MOVE_MARKER, MOVE_MARKER), with every row below
// rowCount and every colour below colourCount.
bool IsWellFormedSolution(const MoveList& solution, const PuzzleSettings& settings);

// Builds the board at the start of the stored puzzle by taking the groups
// back from the last to the first. False when an entry names a row outside
// 0 .. rowCount - 1 or a row would grow past rowWidth; rows is then garbage.
bool RebuildBoard(const MoveList& solution, const PuzzleSettings& settings, RowSet& rows);

// True when playing the groups of solution in order from start is a sequence
// of legal moves, each of its group's colour, that empties the board.
bool SolutionClearsBoard(const RowSet& start, const MoveList& solution,
                         const PuzzleSettings& settings);

// All of the above for a solution read from a file: settings within the
// engine's limits, well-formed, rebuildable, and clearing. On success rows
// holds the rebuilt board; on failure rows is garbage.
bool RebuildCheckedBoard(const MoveList& solution, const PuzzleSettings& settings,
                         RowSet& rows);
