// Names of the basic colours and the nearest of them to any colour.
#include "board/colour_names.h"

#include <QCoreApplication>

#include <array>
#include <limits>

namespace {

struct NamedColour {
    ColourValue value;
    const char* name;
};

// The ten default block colours come first, so each is named exactly; the
// rest catch the colours a player is likely to pick instead.
constexpr std::array<NamedColour, 17> BASIC_COLOURS{{
    {MakeColour(255, 0, 0), QT_TRANSLATE_NOOP("ColourNames", "red")},
    {MakeColour(255, 255, 0), QT_TRANSLATE_NOOP("ColourNames", "yellow")},
    {MakeColour(0, 255, 0), QT_TRANSLATE_NOOP("ColourNames", "green")},
    {MakeColour(0, 0, 255), QT_TRANSLATE_NOOP("ColourNames", "blue")},
    {MakeColour(255, 0, 255), QT_TRANSLATE_NOOP("ColourNames", "magenta")},
    {MakeColour(0, 255, 255), QT_TRANSLATE_NOOP("ColourNames", "cyan")},
    //: the colour
    {MakeColour(255, 128, 0), QT_TRANSLATE_NOOP("ColourNames", "orange")},
    //: the colour
    {MakeColour(255, 255, 255), QT_TRANSLATE_NOOP("ColourNames", "white")},
    //: the colour
    {MakeColour(128, 128, 128), QT_TRANSLATE_NOOP("ColourNames", "grey")},
    {MakeColour(128, 0, 128), QT_TRANSLATE_NOOP("ColourNames", "purple")},
    //: the colour
    {MakeColour(0, 0, 0), QT_TRANSLATE_NOOP("ColourNames", "black")},
    {MakeColour(192, 192, 192), QT_TRANSLATE_NOOP("ColourNames", "light grey")},
    {MakeColour(64, 64, 64), QT_TRANSLATE_NOOP("ColourNames", "dark grey")},
    {MakeColour(139, 69, 19), QT_TRANSLATE_NOOP("ColourNames", "brown")},
    {MakeColour(255, 160, 192), QT_TRANSLATE_NOOP("ColourNames", "pink")},
    {MakeColour(0, 100, 0), QT_TRANSLATE_NOOP("ColourNames", "dark green")},
    //: the colour, dark blue
    {MakeColour(0, 0, 128), QT_TRANSLATE_NOOP("ColourNames", "navy")},
}};

// Squared distance weighted by how strongly the eye tells each channel apart
// (more weight on red in reddish colours, on blue in bluish ones): plain RGB
// distance calls too many dark blues black.
long Distance(ColourValue a, ColourValue b)
{
    const long meanRed = (RedOf(a) + RedOf(b)) / 2;
    const long dr = RedOf(a) - RedOf(b);
    const long dg = GreenOf(a) - GreenOf(b);
    const long db = BlueOf(a) - BlueOf(b);
    return ((512 + meanRed) * dr * dr >> 8) + 4 * dg * dg + ((767 - meanRed) * db * db >> 8);
}

} // namespace

std::string ColourName(ColourValue c)
{
    const NamedColour* nearest = &BASIC_COLOURS[0];
    long best = std::numeric_limits<long>::max();
    for (const NamedColour& basic : BASIC_COLOURS) {
        const long d = Distance(c, basic.value);
        if (d < best) {
            best = d;
            nearest = &basic;
        }
    }
    return nearest->name;
}

QString SpokenColourName(ColourValue c)
{
    return QCoreApplication::translate("ColourNames", ColourName(c).c_str());
}
