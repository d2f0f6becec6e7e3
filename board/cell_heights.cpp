// Cell heights from resized copies of a loaded font.
#include "board/cell_heights.h"

#include <QFontMetrics>
#include <QRawFont>

CellHeights::CellHeights(const QFont& font)
    : font(font), loadedSize(font.pixelSize()), loadedHeight(Of(font)),
      resizable(std::make_unique<QRawFont>(QRawFont::fromFont(font)))
{
}

CellHeights::~CellHeights() = default;

int CellHeights::At(int pixelSize) const
{
    if (pixelSize == loadedSize)
        return loadedHeight;
    if (resizable->isValid()) {
        QRawFont resized = *resizable;
        resized.setPixelSize(pixelSize);
        if (resized.isValid())
            return qRound(resized.ascent()) + qRound(resized.descent());
    }
    QFont sized = font;
    sized.setPixelSize(pixelSize);
    return Of(sized);
}

int CellHeights::Of(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}
