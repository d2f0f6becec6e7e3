// The board: MAX_ROWS rows of colour codes, element 0 at the left end.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int MAX_ROWS = 12;
inline constexpr int MAX_COLOURS = 10;
// The widest row the engine accepts (from a file); the play options offer
// less (ROW_WIDTH_CHOICES).
inline constexpr int MAX_ROW_WIDTH = 64;
// Storage growth step of a row cleared by the generator or the loader: one
// allocation holds a whole row.
inline constexpr int ROW_GROW_BY = 30;
// Stands in a cell only while a move's blocks are taken off; shares its value
// with COLOUR_TAG by chance, not by meaning.
inline constexpr int32_t REMOVED_BLOCK = -999;

using BlockRow = std::vector<int32_t>;
using RowSet = std::array<BlockRow, MAX_ROWS>;
using ColourCounters = std::array<int32_t, MAX_COLOURS>;

// Empties all MAX_ROWS rows and reserves ROW_GROW_BY cells in each.
void ClearRows(RowSet& rows);

// For each of the 12 rows, destination receives exactly the source's codes.
void CopyRows(RowSet& destination, const RowSet& source);

// Counts the blocks of rows 0 .. rowCount - 1 per colour code; returns the
// total. Codes outside 0 .. MAX_COLOURS - 1 are counted in the total only.
int32_t CountBlocks(const RowSet& rows, int32_t rowCount, ColourCounters& counters);
