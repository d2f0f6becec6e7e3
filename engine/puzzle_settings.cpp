// The five puzzle parameters: defaults and the limits the engine relies on.
#include "engine/puzzle_settings.h"

#include "engine/row_set.h"

void PuzzleSettings::SetDefaults()
{
    *this = PuzzleSettings{};
}

bool PuzzleSettings::WithinEngineLimits() const
{
    return rowCount >= 1 && rowCount <= MAX_ROWS
        && colourCount >= 1 && colourCount <= MAX_COLOURS
        && rowWidth >= 2 && rowWidth <= MAX_ROW_WIDTH
        && minRemove >= 1 && minRemove <= maxRemove;
}
