// The five parameters of a puzzle, in the order the saved state file keeps them.
#pragma once

#include <cstdint>

struct PuzzleSettings {
    int32_t rowWidth = 12;
    int32_t rowCount = 3;
    int32_t colourCount = 5;
    int32_t minRemove = 3;
    int32_t maxRemove = 3;

    // Writes 12, 3, 5, 3, 3.
    void SetDefaults();

    // True when the engine's assumptions hold: rows 1..MAX_ROWS, colours
    // 1..MAX_COLOURS, 2 <= width <= MAX_ROW_WIDTH, 1 <= min <= max.
    // Settings read from a file are taken only when this holds; Generate is
    // only ever called with such settings, so it always ends.
    bool WithinEngineLimits() const;

    bool operator==(const PuzzleSettings&) const = default;
};
