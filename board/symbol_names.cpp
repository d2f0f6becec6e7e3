// Names of the pictures behind the symbol characters.
#include "board/symbol_names.h"

#include "board/board_fonts.h"

#include <array>
#include <cstring>

namespace {

// One name per character of SYMBOL_ALPHABET, same order as the pictures.
constexpr std::array<const char*, SYMBOL_ALPHABET_SIZE> NAMES = {
    "spade", "heart", "diamond", "club", "star", "sun", "umbrella",
    "smiling face", "aeroplane", "snowflake", "anchor", "command sign", "note", "yin yang",
    "flower", "flag", "telephone", "scissors", "envelope", "knight", "lightning",
};

} // namespace

std::string SymbolName(char symbol)
{
    const char* found = symbol != 0 ? std::strchr(SYMBOL_ALPHABET, symbol) : nullptr;
    if (found == nullptr)
        return {};
    return NAMES[static_cast<size_t>(found - SYMBOL_ALPHABET)];
}
