// Puzzle codes: a short text that names a puzzle's play options and the seed its blocks grow from.
#pragma once

#include "puzzle_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

// A code is twelve characters of the alphabet 0-9 A-Z without I, L, O and U,
// shown in three groups of four: "AXXX-XXXX-XXXC". The first is the version
// ('A'), the last a check character (Luhn mod 32 over the eleven before
// it). The ten between hold, most significant first, 50 bits: the play
// options as one mixed-radix number (row width, rows, colours, fewest and
// most blocks per move, each counted from the lowest choice the play
// options offer), times 2^32, plus the seed.
inline constexpr int PUZZLE_CODE_LENGTH = 12;

struct PuzzleCodeRead {
    // Empty when the code was read; else why not, for the player.
    std::string problem;
    PuzzleSettings settings;
    uint32_t seed = 0;
};

// True when a code can name these settings: every value among the play
// options' choices, and the fewest blocks per move no more than the most.
bool SettingsHaveCode(const PuzzleSettings& settings);

// The code of the puzzle Generate makes for these settings from this seed;
// empty when SettingsHaveCode is false.
std::string EncodePuzzleCode(const PuzzleSettings& settings, uint32_t seed);

// Reads a code as a player types it: spaces and dashes anywhere, either
// case, O for 0 and I or L for 1.
PuzzleCodeRead ReadPuzzleCode(std::string_view text);

// The seed of the day's puzzle: the same on every machine for the same date.
uint32_t DailySeed(int year, int month, int day);

// The play options of the day's puzzle.
PuzzleSettings DailySettings();
