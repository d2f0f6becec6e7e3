// The raised (or, pressed, sunken) two-ring edge of a button face.
#include "bevel.h"

#include <QImage>

namespace {

// One pixel wide, inset pixels in from the image's edge.
void FillRing(QImage& image, int inset, const QColor& topLeft, const QColor& bottomRight)
{
    const int right = image.width() - 1 - inset;
    const int bottom = image.height() - 1 - inset;
    for (int x = inset; x <= right; ++x) {
        image.setPixelColor(x, inset, topLeft);
        image.setPixelColor(x, bottom, bottomRight);
    }
    for (int y = inset; y <= bottom; ++y) {
        image.setPixelColor(inset, y, topLeft);
        image.setPixelColor(right, y, bottomRight);
    }
    // The bottom-left and top-right corner pixels belong to the shadow, like
    // light falling from the top left.
    image.setPixelColor(inset, bottom, bottomRight);
    image.setPixelColor(right, inset, bottomRight);
}

} // namespace

Bevel::Bevel(QColor lightOuter, QColor lightInner, QColor darkOuter, QColor darkInner)
    : lightOuter(lightOuter)
    , lightInner(lightInner)
    , darkOuter(darkOuter)
    , darkInner(darkInner)
{
}

void Bevel::Fill(QImage& image, int scale, bool pressed) const
{
    for (int k = 0; k < scale; ++k) {
        if (pressed) {
            FillRing(image, k, darkOuter, lightOuter);
            FillRing(image, scale + k, darkInner, lightInner);
        } else {
            FillRing(image, k, lightOuter, darkOuter);
            FillRing(image, scale + k, lightInner, darkInner);
        }
    }
}
