// Shades, tints and defaults of the block colours.
#include "colour.h"

#include "engine/player_preferences.h"

namespace {

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
        table[k] = k < static_cast<int>(DEFAULT_BLOCK_COLOURS.size()) ? DEFAULT_BLOCK_COLOURS[k] : BEYOND_DEFAULTS;
}
