// Shades, tints and defaults of the block colours.
#include "colour.h"

#include <array>

namespace {

constexpr std::array<ColourValue, 10> DEFAULT_COLOURS = {
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

constexpr ColourValue BEYOND_DEFAULTS = 0xC000C0;

}  // namespace

ColourValue ShadeLight(ColourValue c)
{
    return MakeColour(RedOf(c) / 3 + 170, GreenOf(c) / 3 + 170, BlueOf(c) / 3 + 170);
}

ColourValue ShadeDark(ColourValue c)
{
    return MakeColour(RedOf(c) / 3, GreenOf(c) / 3, BlueOf(c) / 3);
}

ColourValue SelectedTint(ColourValue c)
{
    return MakeColour(2 * RedOf(c) / 3 + 85, 2 * GreenOf(c) / 3 + 85, 2 * BlueOf(c) / 3 + 70);
}

ColourValue ContrastTextColour(ColourValue c)
{
    const int r = RedOf(c);
    const int g = GreenOf(c);
    const int b = BlueOf(c);
    if (r > 192 || g > 192 || b > 192 || r + g + b >= 300)
        return 0;
    return 0xF0F0F0;
}

void SetDefaultColours(ColourValue* table, int count)
{
    for (int k = 0; k < count; ++k)
        table[k] = k < static_cast<int>(DEFAULT_COLOURS.size()) ? DEFAULT_COLOURS[k] : BEYOND_DEFAULTS;
}
