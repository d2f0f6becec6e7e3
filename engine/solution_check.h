// The checks a stored solution must pass before its puzzle is played:
// well-formed entries, a board that fits, legal moves that clear it.
#pragma once

#include "engine/move_list.h"
#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

// True when playing the entries of solution in order from start is a sequence
// of legal moves, each of its entry's colour, that empties the rows in play. A list
// that is not a sequence of solution entries is false.
bool SolutionClearsBoard(const RowSet& start, const MoveList& solution,
                         const PuzzleSettings& settings);

// Everything a solution read from a file must pass: settings within the
// engine's limits; well-formed entries naming rows in play and colours in
// range; a board rebuilt by taking the moves back from the last to the first
// on which no row grows past rowWidth; and from that board the moves clear it.
// On success rows holds the rebuilt board; on failure rows is garbage.
bool RebuildCheckedBoard(const MoveList& solution, const PuzzleSettings& settings,
                         RowSet& rows);
