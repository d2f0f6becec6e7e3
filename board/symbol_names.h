// Words for the board's symbols, so a screen reader can say what a block shows.
#pragma once

#include <QString>

#include <string>

// The name of the picture a symbol character of SYMBOL_ALPHABET stands for
// ("spade", "scissors"...); "" for any other character.
std::string SymbolName(char symbol);
// SymbolName in the player's language, as a screen reader says it.
QString SpokenSymbolName(char symbol);
