// The board's two faces: the symbol pictures and the counter numbers.
#pragma once

#include <QChar>
#include <QFont>
#include <QString>

// The 21 symbol characters a colour code may be given, in this order.
inline constexpr char SYMBOL_ALPHABET[] = "adhimquvzIJMNOQRST(\"'";
inline constexpr int SYMBOL_ALPHABET_SIZE = 21;

// The face that draws the symbols, and the one for the numbers.
inline constexpr const char* SYMBOL_FACE = "DejaVu Sans";
inline constexpr const char* NUMBER_FACE = "Liberation Sans";

// The picture drawn for a symbol character: a distinct dingbat of the symbol
// face for each of the 21 characters; a character outside the alphabet
// stands for itself.
QChar SymbolPicture(char symbol);
QString SymbolText(char symbol);

// A hard-edged font of `face` whose cell (ascent + descent) is as tall as
// possible without exceeding cellHeight pixels (at least 1 pixel em).
QFont MakeCellFont(const char* face, int cellHeight);
// Measures what MakeCellFont needs of a face once for the whole process; safe
// on any thread once the application exists, so the measuring can happen
// before the board's first layout asks for it.
void MeasureCellFontFace(const char* face);

