// The cell heights of one face at every pixel size, from the one size loaded.
#pragma once

#include <QFont>

#include <memory>

class QRawFont;

// The cell heights (ascent + descent, as QFontMetrics gives them) of one
// face at any pixel size. Qt matches a whole font through fontconfig for each
// size it loads, which made the first layout of the board wait; these heights
// come from resized copies of the one size loaded, whose vertical metrics
// depend on the face's tables and the size alone.
class CellHeights {
public:
    // font: the face, loaded at its pixel size.
    explicit CellHeights(const QFont& font);
    ~CellHeights();
    CellHeights(const CellHeights&) = delete;
    CellHeights& operator=(const CellHeights&) = delete;

    int At(int pixelSize) const;
    // The cell height of font as loaded.
    static int Of(const QFont& font);

private:
    QFont font;
    int loadedSize;
    int loadedHeight;
    std::unique_ptr<QRawFont> resizable;
};
