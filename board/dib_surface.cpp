// Off-screen pixel surfaces: creation, fills, bevels, copies and tiling.
#include "dib_surface.h"

#include <algorithm>
#include <cstring>

namespace {

// Clips a copy of sourceRect (from a w x h source) to (x, y) on a dw x dh
// destination; false when nothing is left.
bool ClipCopy(Rect& sourceRect, int& x, int& y, int w, int h, int dw, int dh)
{
    if (sourceRect.IsEmpty())
        return false;
    // Trim the source to its own bounds, moving the target with it.
    const Rect trimmed = sourceRect.Intersected({0, 0, w, h});
    x += trimmed.left - sourceRect.left;
    y += trimmed.top - sourceRect.top;
    sourceRect = trimmed;
    if (sourceRect.IsEmpty())
        return false;
    // Then trim against the destination.
    const Rect target = Rect{x, y, x + sourceRect.Width(), y + sourceRect.Height()}
                            .Intersected({0, 0, dw, dh});
    if (target.IsEmpty())
        return false;
    sourceRect = {sourceRect.left + target.left - x, sourceRect.top + target.top - y,
                  sourceRect.left + target.right - x, sourceRect.top + target.bottom - y};
    x = target.left;
    y = target.top;
    return true;
}

void CopyRows(const QImage& source, const Rect& sourceRect, uint32_t* destination, ptrdiff_t destinationStride, int x, int y)
{
    const size_t bytes = static_cast<size_t>(sourceRect.Width()) * 4;
    const uchar* sourceBits = source.constBits();
    const ptrdiff_t sourceStride = source.bytesPerLine();
    for (int row = 0; row < sourceRect.Height(); ++row) {
        const auto* from = reinterpret_cast<const uint32_t*>(sourceBits + (sourceRect.top + row) * sourceStride)
            + sourceRect.left;
        auto* to = destination + static_cast<ptrdiff_t>(y + row) * destinationStride + x;
        std::memmove(to, from, bytes);
    }
}

}  // namespace

bool DibSurface::Create(int width, int height)
{
    Release();
    if (width < 1 || height < 1)
        return false;
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    image.fill(ToPixel(0));
    pixels = reinterpret_cast<uint32_t*>(image.bits());
    stride = image.bytesPerLine() / 4;
    return true;
}

void DibSurface::Release()
{
    image = QImage();
    pixels = nullptr;
    stride = 0;
}

QImage& DibSurface::Image()
{
    if (!image.isNull())
        pixels = reinterpret_cast<uint32_t*>(image.bits());
    return image;
}

ColourValue DibSurface::Pixel(int x, int y) const
{
    if (!HasPixels() || x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    return FromPixel(Row(y)[x]);
}

void DibSurface::SetPixel(int x, int y, ColourValue colour)
{
    if (!HasPixels() || x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    Row(y)[x] = ToPixel(colour);
}

void DibSurface::FillRect(const Rect& rect, ColourValue colour)
{
    if (!HasPixels())
        return;
    const Rect r = rect.Intersected(Bounds());
    if (r.IsEmpty())
        return;
    const uint32_t pixel = ToPixel(colour);
    for (int y = r.top; y < r.bottom; ++y)
        std::fill(Row(y) + r.left, Row(y) + r.right, pixel);
}

void DibSurface::BevelOutline(const Rect& rect, ColourValue a, ColourValue b)
{
    if (rect.IsEmpty())
        return;
    FillRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, a);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, a);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, b);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, b);
}

void DibSurface::Copy(const QImage& source, const Rect& sourceRect, int x, int y)
{
    if (!HasPixels() || source.isNull() || source.format() != QImage::Format_RGB32)
        return;
    Rect from = sourceRect;
    if (!ClipCopy(from, x, y, source.width(), source.height(), Width(), Height()))
        return;
    CopyRows(source, from, pixels, stride, x, y);
}

void DibSurface::Copy(const DibSurface& source, const Rect& sourceRect, int x, int y)
{
    Copy(source.image, sourceRect, x, y);
}

void DibSurface::Tile(const QImage& tile, const Rect& area)
{
    if (!HasPixels() || tile.isNull() || area.IsEmpty())
        return;
    const Rect clipped = area.Intersected(Bounds());
    if (clipped.IsEmpty())
        return;
    for (int y = area.top; y < clipped.bottom; y += tile.height()) {
        if (y + tile.height() <= clipped.top)
            continue;
        for (int x = area.left; x < clipped.right; x += tile.width()) {
            if (x + tile.width() <= clipped.left)
                continue;
            // The part of this tile inside the area.
            const Rect piece = Rect{x, y, x + tile.width(), y + tile.height()}.Intersected(area);
            Copy(tile, piece.Moved(-x, -y), piece.left, piece.top);
        }
    }
}
