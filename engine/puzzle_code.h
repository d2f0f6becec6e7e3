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

// Why a code could not be read; the program words it for the player.
enum class PuzzleCodeProblem {
    NONE,
    FOREIGN_CHARACTER,   // a printable character outside the alphabet: character
    NOT_LETTERS_DIGITS,  // a byte that is no printable character at all
    WRONG_LENGTH,        // not twelve characters: length counts them
    MISTYPED,            // the check character does not match
    OTHER_VERSION,       // a version other than this game's
    OPTIONS_NOT_OFFERED, // play options the game does not offer
};

struct PuzzleCodeRead {
    PuzzleCodeProblem problem = PuzzleCodeProblem::NONE;
    char character = 0;
    int length = 0;
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
