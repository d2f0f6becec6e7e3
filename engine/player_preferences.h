// What the player chooses in the preferences, as one value; every default of those choices is written here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Red in the low byte (0x00BBGGRR), as the saved state file keeps colours.
inline constexpr std::array<uint32_t, 10> DEFAULT_BLOCK_COLOURS = {
    0x0000FF,  // red
    0x00FFFF,  // yellow
    0x00FF00,  // green
    0xFF0000,  // blue
    0xFF00FF,  // magenta
    0xFFFF00,  // cyan
    0x0080FF,  // orange
    0xFFFFFF,  // white
    0x808080,  // grey
    0x800080,  // purple
};

// The main window keeps the one in force and hands it whole to the dialog,
// the board and the music player, each of which reads the parts it needs.
// The play options are a value of their own, PuzzleSettings, which the puzzle
// keeps.
struct PlayerPreferences {
    bool soundEffects = true;
    bool antiAliasing = true;
    bool music = true;
    // Takes effect with the next new game, never in the game in play.
    bool ironman = false;
    std::array<uint32_t, 10> blockColours = DEFAULT_BLOCK_COLOURS;
    // The folder's bytes as the platform names files; relative to the
    // current directory unless absolute.
    std::string musicFolder = "songs";

    bool operator==(const PlayerPreferences&) const = default;
};
