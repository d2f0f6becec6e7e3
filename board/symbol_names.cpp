// Names of the pictures behind the symbol characters.
#include "board/symbol_names.h"

#include "board/board_fonts.h"

#include <QCoreApplication>

#include <array>
#include <cstring>

namespace {

// One name per character of SYMBOL_ALPHABET, same order as the pictures.
constexpr std::array<const char*, SYMBOL_ALPHABET_SIZE> NAMES = {
    //: A symbol drawn on a block: the playing-card suit.
    QT_TRANSLATE_NOOP("SymbolNames", "spade"),
    //: A symbol drawn on a block: the playing-card suit.
    QT_TRANSLATE_NOOP("SymbolNames", "heart"),
    //: A symbol drawn on a block: the playing-card suit.
    QT_TRANSLATE_NOOP("SymbolNames", "diamond"),
    //: A symbol drawn on a block: the playing-card suit.
    QT_TRANSLATE_NOOP("SymbolNames", "club"),
    //: A symbol drawn on a block: a five-pointed star.
    QT_TRANSLATE_NOOP("SymbolNames", "star"),
    //: A symbol drawn on a block: the sun, drawn with rays.
    QT_TRANSLATE_NOOP("SymbolNames", "sun"),
    QT_TRANSLATE_NOOP("SymbolNames", "umbrella"),
    //: A symbol drawn on a block: a smiley.
    QT_TRANSLATE_NOOP("SymbolNames", "smiling face"),
    QT_TRANSLATE_NOOP("SymbolNames", "aeroplane"),
    QT_TRANSLATE_NOOP("SymbolNames", "snowflake"),
    QT_TRANSLATE_NOOP("SymbolNames", "anchor"),
    //: A symbol drawn on a block: the looped square on a Mac command key.
    QT_TRANSLATE_NOOP("SymbolNames", "command sign"),
    //: A symbol drawn on a block: a musical note.
    QT_TRANSLATE_NOOP("SymbolNames", "note"),
    //: A symbol drawn on a block: the yin and yang symbol.
    QT_TRANSLATE_NOOP("SymbolNames", "yin yang"),
    QT_TRANSLATE_NOOP("SymbolNames", "flower"),
    //: A symbol drawn on a block: a small flag on a pole.
    QT_TRANSLATE_NOOP("SymbolNames", "flag"),
    QT_TRANSLATE_NOOP("SymbolNames", "telephone"),
    QT_TRANSLATE_NOOP("SymbolNames", "scissors"),
    QT_TRANSLATE_NOOP("SymbolNames", "envelope"),
    //: A symbol drawn on a block: the chess piece.
    QT_TRANSLATE_NOOP("SymbolNames", "knight"),
    //: A symbol drawn on a block: a lightning bolt.
    QT_TRANSLATE_NOOP("SymbolNames", "lightning"),
};

} // namespace

std::string SymbolName(char symbol)
{
    const char* found = symbol != 0 ? std::strchr(SYMBOL_ALPHABET, symbol) : nullptr;
    if (found == nullptr)
        return {};
    return NAMES[static_cast<size_t>(found - SYMBOL_ALPHABET)];
}

QString SpokenSymbolName(char symbol)
{
    const std::string name = SymbolName(symbol);
    return name.empty() ? QString() : QCoreApplication::translate("SymbolNames", name.c_str());
}
