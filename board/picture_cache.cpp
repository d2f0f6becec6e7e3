// A row of cached cell pictures, each valid for one stamp under one key.
#include "picture_cache.h"

void PictureCache::Prepare(int width, int height, int cells, const std::string& newKey)
{
    if (width == cellWidth && height == cellHeight && cells == static_cast<int>(stamps.size()) && newKey == key
        && surface.HasPixels())
        return;
    cellWidth = width;
    cellHeight = height;
    key = newKey;
    stamps.assign(static_cast<size_t>(std::max(cells, 0)), NONE);
    if (!surface.Create(width * cells, height))
        stamps.clear();
}

void PictureCache::Clear()
{
    surface.Release();
    stamps.clear();
    key.clear();
    cellWidth = 0;
    cellHeight = 0;
}

bool PictureCache::Fetch(int cell, int64_t stamp, DibSurface& destination, int x, int y) const
{
    if (cell < 0 || cell >= static_cast<int>(stamps.size()) || stamps[static_cast<size_t>(cell)] != stamp)
        return false;
    destination.Copy(surface, {cell * cellWidth, 0, (cell + 1) * cellWidth, cellHeight}, x, y);
    return true;
}

void PictureCache::Store(int cell, int64_t stamp, const DibSurface& source, const Rect& from)
{
    if (cell < 0 || cell >= static_cast<int>(stamps.size()) || from.Width() != cellWidth
        || from.Height() != cellHeight || from.Intersected(source.Bounds()) != from)
        return;
    surface.Copy(source, from, cell * cellWidth, 0);
    stamps[static_cast<size_t>(cell)] = stamp;
}
