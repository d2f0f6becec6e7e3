// The five parameters of a puzzle, in the order the saved state file keeps
// them; their defaults, the engine's limits and the play options' choices.
#pragma once

#include <cstdint>

struct PuzzleSettings {
    // The defaults are written here only: 12, 3, 5, 3, 3.
    int32_t rowWidth = 12;
    int32_t rowCount = 3;
    int32_t colourCount = 5;
    int32_t minRemove = 3;
    int32_t maxRemove = 3;

    // Writes the defaults.
    void SetDefaults();

    // True when the engine's assumptions hold: rows 1..MAX_ROWS, colours
    // 1..MAX_COLOURS, 2 <= width <= MAX_ROW_WIDTH, 1 <= min <= max.
    // Settings read from a file are taken only when this holds; Generate is
    // only ever called with such settings, so it always ends.
    bool WithinEngineLimits() const;

    bool operator==(const PuzzleSettings&) const = default;
};

// The values a number picker of the play options offers: low to high in steps.
struct SettingChoices {
    int32_t low;
    int32_t high;
    int32_t step;
};

// The play options keep every puzzle well inside the engine's limits.
inline constexpr SettingChoices COLOUR_COUNT_CHOICES{2, 10, 1};
inline constexpr SettingChoices ROW_COUNT_CHOICES{2, 10, 1};
inline constexpr SettingChoices ROW_WIDTH_CHOICES{6, 30, 2};
inline constexpr SettingChoices MIN_REMOVE_CHOICES{2, 15, 1};
inline constexpr SettingChoices MAX_REMOVE_CHOICES{2, 18, 1};

// The maximum picker follows the rows picker: at most two fewer than the row
// ends on the board. The minimum follows the maximum: at most equal to it.
constexpr int32_t MostRemovableChoice(int32_t rowCount)
{
    return 2 * rowCount - 2;
}
