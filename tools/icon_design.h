// The game's icon as a list of coloured rectangles on a 32 x 32 grid.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

// A dark board in a brown frame holding three rows of bevelled blocks, the
// middle row shorter, as the board looks halfway through a game. Kept as plain
// rectangles so the same design renders pixel-exact at 32 x 32, sharp at any
// other size, and as a scalable SVG.
class IconDesign {
public:
    struct Box {
        int x, y, width, height;   // in grid units, 32 units across
        QRgb colour;
    };

    static constexpr int GRID = 32;

    IconDesign();

    const std::vector<Box>& Boxes() const { return boxes; }
    // The icon at size x size pixels, transparent where the design is empty.
    QImage Render(int size) const;
    // The icon as a standalone SVG document.
    QString Svg() const;

private:
    void AddBlock(int x, int y, QRgb face);

    std::vector<Box> boxes;
};
