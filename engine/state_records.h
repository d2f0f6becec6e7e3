// The plain data of the main window's and the music player's records of
// "PREFS.SAV". The owners (main window, board view, music player) copy their
// fields in before writing and take them out after reading.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "puzzle_settings.h"

inline constexpr uint32_t PREFS_FORMAT = 46295007;
// The format before anti-aliasing existed: no antiAliasing byte.
inline constexpr uint32_t PREFS_FORMAT_OLDEST = 46295006;
inline constexpr uint32_t PREFS_FORMAT_NEWEST = 46295105;
inline constexpr uint32_t MUSIC_RECORD_MAGIC = 42529945;
inline constexpr uint32_t PUZZLE_RECORD_MAGIC = 4224566;

// Where the window system places windows and screens, in desktop
// coordinates: left, top, right, bottom, right and bottom exclusive. Read
// from a file, so its sides may be anywhere in 32 bits and its width may not fit.
struct DesktopRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const DesktopRect&) const = default;
};

inline constexpr DesktopRect DEFAULT_WINDOW_RECT{10, 10, 490, 330};

struct MainWindowRecord {
    DesktopRect windowRect = DEFAULT_WINDOW_RECT;
    bool soundEffects = true;
    // Colour values, red in the low byte; the board view fills its defaults.
    std::array<uint32_t, 10> blockColours{};
    bool ironman = false;
    bool antiAliasing = true;
    PuzzleSettings settings;

    bool operator==(const MainWindowRecord&) const = default;
};

struct MusicRecord {
    bool music = true;
    // The folder's bytes exactly as stored; never holds a NUL byte.
    std::string musicFolder = "songs";

    bool operator==(const MusicRecord&) const = default;
};
