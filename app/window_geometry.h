// The main window's geometry rules as pure functions: saved rectangle checks, drags, child placement.
#pragma once

#include "board/rect.h"
#include "engine/state_records.h"

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int32_t MIN_WINDOW_WIDTH = 480;
inline constexpr int32_t MIN_WINDOW_HEIGHT = 320;
inline constexpr int BUTTON_BAR_HEIGHT = 30;
inline constexpr int BAR_BUTTON_COUNT = 9;

// Width and height of a rectangle, computed without overflow.
int64_t WidthOf(const DesktopRect& rect);
int64_t HeightOf(const DesktopRect& rect);

// True when the rectangle is wider than screenWidth - 4 or higher than
// screenHeight - 4.
bool IsLargerThanScreen(const DesktopRect& rect, int screenWidth, int screenHeight);

// Adjusts, in place, an outer rectangle proposed while the player drags a
// border: at least minWidth x minHeight, the height between 60 % and 6/7 of
// the width. Only the right and bottom edges move.
void ConstrainSizing(DesktopRect& rect, int32_t minWidth = MIN_WINDOW_WIDTH,
                     int32_t minHeight = MIN_WINDOW_HEIGHT);

// What the start-up checks make of the rectangle in force.
struct CheckedWindowRect {
    DesktopRect rect;
    bool startMaximized = false;
};

// The checks of the rectangle read from the saved state, in order: larger
// than the (primary) screen -> open maximised with defaultRect; narrower or
// lower than the minimum (a negative size included) -> defaultRect; wholly
// off every screen (`screens` in the same desktop coordinates) -> same size
// at defaultRect's corner.
CheckedWindowRect CheckWindowRect(const DesktopRect& rect, const DesktopRect& defaultRect,
                                  int screenWidth, int screenHeight,
                                  const std::vector<DesktopRect>& screens);

// Client pixels, like every rectangle drawn on.
struct ChildPlacement {
    Rect boardView;
    // New, Retry, Prefs, Options, Solve, Undo, Help, About, Quit.
    std::array<Rect, BAR_BUTTON_COUNT> buttons;
};

// Where the children go in a client area of the given size: the board view
// above a 30-pixel bar of nine buttons, each W / 9 rounded to an even number
// wide, Quit taking what is left. Negative sizes count as 0.
ChildPlacement PlaceChildren(int clientWidth, int clientHeight);
