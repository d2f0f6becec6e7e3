// Words for colours, so a screen reader can say what a block or swatch shows.
#pragma once

#include "board/colour.h"

#include <QString>

#include <string>

// The name of the basic colour nearest to c ("red", "navy", "light grey"...):
// each default block colour gets its own plain name, and a colour the player
// picked gets the name of whichever basic colour it looks most like.
std::string ColourName(ColourValue c);
// ColourName in the player's language, as a screen reader says it.
QString SpokenColourName(ColourValue c);
