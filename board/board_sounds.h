// The board's sound effects: the ids of their WAVE resources.
#pragma once

inline constexpr int SOUND_SELECT = 131;
inline constexpr int SOUND_SLIDE = 132;
inline constexpr int SOUND_REFUSE = 133;
inline constexpr int SOUND_WIN = 134;
inline constexpr int SOUND_REMOVE = 135;
// Played instead of the three above while the music is on.
inline constexpr int SOUND_SLIDE_QUIET = 165;
inline constexpr int SOUND_REMOVE_QUIET = 166;
inline constexpr int SOUND_WIN_QUIET = 167;
