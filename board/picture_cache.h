// Finished pictures of equal-sized cells (a block, a counter), so a repaint of the same pixels is one copy.
#pragma once

#include "board/dib_surface.h"
#include "board/rect.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class PictureCache {
public:
    // Readies `cells` cells of cellWidth x cellHeight for pictures drawn under
    // `key` (everything the pixels depend on besides the cell's own stamp);
    // any change of shape or key forgets every picture.
    void Prepare(int cellWidth, int cellHeight, int cells, const std::string& key);
    // Forgets every picture.
    void Clear();

    // Copies the picture of `cell` to (x, y) on destination when one was stored
    // with this stamp; false (and nothing drawn) otherwise.
    bool Fetch(int cell, int64_t stamp, DibSurface& destination, int x, int y) const;
    // Keeps the pixels of `from` on source as the picture of `cell`.
    void Store(int cell, int64_t stamp, const DibSurface& source, const Rect& from);

private:
    static constexpr int64_t NONE = INT64_MIN;

    DibSurface surface;
    std::string key;
    int cellWidth = 0;
    int cellHeight = 0;
    std::vector<int64_t> stamps;
};
