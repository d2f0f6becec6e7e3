// The plain data of the main window's and the music player's records of
// "PREFS.SAV", made from the player's preferences and read back into them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/player_preferences.h"
#include "engine/puzzle_settings.h"

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

// The fields of the records are those of the file; their defaults are the
// preferences' own.
struct MainWindowRecord {
    DesktopRect windowRect = DEFAULT_WINDOW_RECT;
    bool soundEffects = PlayerPreferences{}.soundEffects;
    // Colour values, red in the low byte.
    std::array<uint32_t, 10> blockColours = PlayerPreferences{}.blockColours;
    bool ironman = PlayerPreferences{}.ironman;
    bool antiAliasing = PlayerPreferences{}.antiAliasing;
    PuzzleSettings settings;

    bool operator==(const MainWindowRecord&) const = default;
};

struct MusicRecord {
    bool music = PlayerPreferences{}.music;
    // The folder's bytes exactly as stored; never holds a NUL byte.
    std::string musicFolder = PlayerPreferences{}.musicFolder;

    bool operator==(const MusicRecord&) const = default;
};

// The two records holding `chosen`, the main one with the window's outer
// rectangle and the play options in force.
inline MainWindowRecord MainRecordOf(const DesktopRect& rect, const PlayerPreferences& chosen,
                                     const PuzzleSettings& settings)
{
    return {rect, chosen.soundEffects, chosen.blockColours, chosen.ironman, chosen.antiAliasing, settings};
}

inline MusicRecord MusicRecordOf(const PlayerPreferences& chosen)
{
    return {chosen.music, chosen.musicFolder};
}

// The preferences the two records hold.
inline PlayerPreferences PreferencesOf(const MainWindowRecord& main, const MusicRecord& music)
{
    PlayerPreferences chosen;
    chosen.soundEffects = main.soundEffects;
    chosen.antiAliasing = main.antiAliasing;
    chosen.music = music.music;
    chosen.ironman = main.ironman;
    chosen.blockColours = main.blockColours;
    chosen.musicFolder = music.musicFolder;
    return chosen;
}
