// An off-screen 32-bit top-down pixel surface: every board picture is drawn here.
#pragma once

#include "board/colour.h"
#include "board/rect.h"

#include <QFont>
#include <QImage>

#include <cstddef>
#include <cstdint>

// Pixels are Qt's 0xFFRRGGBB words; the game's colour values (red in the low
// byte) are converted where they are written and read. A surface without
// pixels (never created, or created too small) ignores every drawing and copy.
class DibSurface {
public:
    // What a drawing context would carry for text: the selected font, the text
    // colour and the background mode (opaque fills the text cell first).
    struct TextState {
        const QFont* font = nullptr;
        ColourValue colour = 0;
        bool transparent = false;
        ColourValue background = 0xFFFFFF;
    };

    // A width x height surface of black pixels. Below 1 x 1 it fails and
    // leaves a surface without pixels.
    bool Create(int width, int height);
    void Release();

    bool HasPixels() const { return !image.isNull(); }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }
    Rect Bounds() const { return {0, 0, Width(), Height()}; }

    // Row y's pixel words (0xFFRRGGBB); the caller stays inside the surface.
    uint32_t* Row(int y) { return pixels + static_cast<ptrdiff_t>(y) * stride; }
    const uint32_t* Row(int y) const { return pixels + static_cast<ptrdiff_t>(y) * stride; }
    // The colour value at (x, y); 0 outside the surface.
    ColourValue Pixel(int x, int y) const;
    void SetPixel(int x, int y, ColourValue colour);

    // Every pixel of rect, clipped to the surface.
    void FillRect(const Rect& rect, ColourValue colour);
    // A one-pixel outline just inside rect: top row and left column (short of
    // the last pixel) in a, right column and bottom row in full in b.
    void BevelOutline(const Rect& rect, ColourValue a, ColourValue b);
    // Copies sourceRect of source so that its top-left lands on (x, y);
    // clipped to both surfaces.
    void Copy(const QImage& source, const Rect& sourceRect, int x, int y);
    void Copy(const DibSurface& source, const Rect& sourceRect, int x, int y);
    // The same rectangle of source onto the same place here.
    void CopySame(const DibSurface& source, const Rect& rect) { Copy(source, rect, rect.left, rect.top); }
    // Tiles area with tile, the first tile's top-left at the area's top-left;
    // tiles are cut at the area's edges.
    void Tile(const QImage& tile, const Rect& area);

    // Painting through the image is fine; keeping a shallow copy of it while
    // drawing on the surface is not (the pixels are written in place).
    QImage& Image();
    const QImage& Image() const { return image; }

    TextState text;

private:
    QImage image;
    // The image's pixels, taken once: QImage::scanLine checks for sharing on
    // every call, which the per-row loops cannot afford.
    uint32_t* pixels = nullptr;
    ptrdiff_t stride = 0;
};
