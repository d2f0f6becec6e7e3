// Fonts by cell height, and the pictures behind the symbol characters.
#include "board_fonts.h"

#include "board/cell_heights.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

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

QFont CellFontRequest(const char* face)
{
    QFont font(QString::fromLatin1(face));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(QFont::Normal);
    return font;
}

// A face's ascent and descent at 1000 pixels to the em, measured once a
// process: each measurement loads a font of its own, and the first layout
// of the board waits for it. Any thread may ask first; a second asker waits
// for the first one's answer.
struct FaceProportions {
    double ascent = 0;
    double descent = 0;
};

FaceProportions ReferenceProportions(const char* face)
{
    struct Reference {
        std::once_flag measured;
        FaceProportions proportions;
    };
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<Reference>> references;
    Reference* reference = nullptr;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        std::unique_ptr<Reference>& entry = references[face];
        if (!entry)
            entry = std::make_unique<Reference>();
        reference = entry.get();
    }
    std::call_once(reference->measured, [reference, face] {
        QFont font = CellFontRequest(face);
        font.setPixelSize(1000);
        const QFontMetricsF metrics(font);
        reference->proportions = {metrics.ascent() / 1000, metrics.descent() / 1000};
    });
    return reference->proportions;
}

// The cell height the proportions foretell at a size, rounded as a resized
// font rounds its ascent and descent.
int ForetoldHeight(const FaceProportions& face, int size)
{
    return qRound(face.ascent * size) + qRound(face.descent * size);
}

// The largest size whose foretold cell fits: almost always the size the exact
// steps settle on, so the font loaded to take them is the one drawn with.
int ForetoldSize(const FaceProportions& face, int cellHeight)
{
    const double em = face.ascent + face.descent;
    if (em <= 0)
        return std::max(cellHeight, 1);
    int size = std::max(static_cast<int>(cellHeight / em), 1);
    while (size > 1 && ForetoldHeight(face, size) > cellHeight)
        --size;
    while (ForetoldHeight(face, size + 1) <= cellHeight)
        ++size;
    return size;
}

}  // namespace

void MeasureCellFontFace(const char* face)
{
    ReferenceProportions(face);
}

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
    QFont font = CellFontRequest(face);
    // The size the face's proportions at a large size foretell, then a few
    // exact steps.
    int size = ForetoldSize(ReferenceProportions(face), cellHeight);
    font.setPixelSize(size);
    const CellHeights heights(font);
    while (size > 1 && heights.At(size) > cellHeight)
        --size;
    for (int step = 0; step < 3; ++step) {
        if (heights.At(size + 1) > cellHeight)
            break;
        ++size;
    }
    font.setPixelSize(size);
    return font;
}
