// Builds a puzzle backwards from the empty board, so it can always be solved.
#pragma once

#include "move_list.h"
#include "puzzle_settings.h"
#include "row_set.h"

// rows receives the new board and solution its record, groups in order of
// play: (COLOUR_TAG, c), block entries, move marker. settings must satisfy
// WithinEngineLimits(). Up to ten attempts to show every colour; the last
// attempt's board stands either way.
void Generate(RowSet& rows, const PuzzleSettings& settings, MoveList& solution);
