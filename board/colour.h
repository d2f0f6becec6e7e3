// Colour values as the game keeps them (0x00BBGGRR) and the shades derived from them.
#pragma once

#include <cstdint>

// Red in bits 0-7, green 8-15, blue 16-23, 0 in the top byte; converted to
// Qt's 0xffRRGGBB only where pixels are written.
using ColourValue = uint32_t;

inline constexpr int RedOf(ColourValue c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(ColourValue c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(ColourValue c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr ColourValue MakeColour(int red, int green, int blue)
{
    return static_cast<ColourValue>(red) | (static_cast<ColourValue>(green) << 8)
        | (static_cast<ColourValue>(blue) << 16);
}

// 0x00BBGGRR -> 0xFFRRGGBB (QImage::Format_RGB32 wants 0xFF on top).
inline constexpr uint32_t ToPixel(ColourValue c)
{
    return 0xFF000000u | (static_cast<uint32_t>(RedOf(c)) << 16)
        | (static_cast<uint32_t>(GreenOf(c)) << 8) | static_cast<uint32_t>(BlueOf(c));
}

// 0xAARRGGBB -> 0x00BBGGRR.
inline constexpr ColourValue FromPixel(uint32_t pixel)
{
    return MakeColour(static_cast<int>((pixel >> 16) & 0xFF),
                      static_cast<int>((pixel >> 8) & 0xFF),
                      static_cast<int>(pixel & 0xFF));
}

// Each channel c / 3 + 170: the lit edge of a bevel.
ColourValue ShadeLight(ColourValue c);
// Each channel c / 3: the shadowed edge of a bevel.
ColourValue ShadeDark(ColourValue c);
// Red and green 2c/3 + 85, blue 2c/3 + 70: a selected block's paler face.
ColourValue SelectedTint(ColourValue c);
// Black on anything bright (a channel over 192, or a sum of 300 or more),
// near-white 0xF0F0F0 otherwise.
ColourValue ContrastTextColour(ColourValue c);

// table[k] = the default colour of code k for k < 10, 0xC000C0 beyond.
void SetDefaultColours(ColourValue* table, int count);
