// Fonts by cell height, and the pictures behind the symbol characters.
#include "board_fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// One picture per character of SYMBOL_ALPHABET, same order; every one of them
// is in DejaVu Sans, and no two look alike.
constexpr std::array<char16_t, SYMBOL_ALPHABET_SIZE> PICTURES = {
    u'\u2660',  // a  spade
    u'\u2665',  // d  heart
    u'\u2666',  // h  diamond
    u'\u2663',  // i  club
    u'\u2605',  // m  star
    u'\u263C',  // q  sun
    u'\u2602',  // u  umbrella
    u'\u263A',  // v  smiling face
    u'\u2708',  // z  aeroplane
    u'\u2744',  // I  snowflake
    u'\u2693',  // J  anchor
    u'\u2318',  // M  place of interest
    u'\u266A',  // N  note
    u'\u262F',  // O  yin yang
    u'\u273F',  // Q  flower
    u'\u2691',  // R  flag
    u'\u260E',  // S  telephone
    u'\u2702',  // T  scissors
    u'\u2709',  // (  envelope
    u'\u265E',  // "  knight
    u'\u26A1',  // '  lightning
};

int CellHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

}  // namespace

QChar SymbolPicture(char symbol)
{
    const char* found = symbol ? std::strchr(SYMBOL_ALPHABET, symbol) : nullptr;
    if (!found)
        return QChar(QLatin1Char(symbol));
    return QChar(PICTURES[static_cast<size_t>(found - SYMBOL_ALPHABET)]);
}

QString SymbolText(char symbol)
{
    return QString(SymbolPicture(symbol));
}

QFont MakeCellFont(const char* face, int cellHeight)
{
    QFont font(QString::fromLatin1(face));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(QFont::Normal);
    // The face's cell-to-em ratio from a large size, then a few exact steps.
    font.setPixelSize(1000);
    const int reference = CellHeight(font);
    int size = reference > 0 ? static_cast<int>(static_cast<long long>(cellHeight) * 1000 / reference) : cellHeight;
    size = std::max(size, 1);
    font.setPixelSize(size);
    while (size > 1 && CellHeight(font) > cellHeight)
        font.setPixelSize(--size);
    for (int step = 0; step < 3; ++step) {
        font.setPixelSize(size + 1);
        if (CellHeight(font) > cellHeight)
            break;
        ++size;
    }
    font.setPixelSize(size);
    return font;
}
