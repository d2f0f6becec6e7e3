// Makes the number picker's LED digit strip (167) and its arrow faces (168-171).
#include "bevel.h"
#include "picture_output.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <cmath>

namespace {

constexpr int CELL_W = 16;
constexpr int CELL_H = 24;
constexpr int STRIP_W = CELL_W * 10;
constexpr int STRIP_H = CELL_H * 2;

const QColor GROUND(57, 33, 33);
const QColor LIT(255, 0, 0);
// An unlit segment shows faintly: a dim red-brown rim around a slightly
// redder core, the way a real LED display looks with the power on.
const QColor UNLIT_RIM(66, 41, 41);
const QColor UNLIT_CORE(107, 24, 24);

// Segment bits in the usual a..g order: a top, b top right, c bottom right,
// d bottom, e bottom left, f top left, g middle.
enum Segment { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

const int DIGIT_SEGMENTS[10] = {
    A | B | C | D | E | F,     // 0
    B | C,                     // 1
    A | B | D | E | G,         // 2
    A | B | C | D | G,         // 3
    B | C | F | G,             // 4
    A | C | D | F | G,         // 5
    A | C | D | E | F | G,     // 6
    A | B | C,                 // 7
    A | B | C | D | E | F | G, // 8
    A | B | C | D | F | G,     // 9
};

// Layout of one digit inside its 16 x 24 cell: three pixels thick, pointed
// ends, one pixel of dark between neighbouring segments.
constexpr int LEFT_X = 3;
constexpr int RIGHT_X = 12;
constexpr int TOP_Y = 2;
constexpr int MIDDLE_Y = 11;
constexpr int BOTTOM_Y = 20;

// One segment as a long hexagon in cell coordinates (pixel centres on whole
// numbers at the 16 x 24 size): three pixels thick, pointed at both ends.
// Testing each device pixel's centre against it draws the same pixels at
// scale 1 and a finer shape, not a blown-up one, at scale 2.
struct SegmentShape {
    bool horizontal;
    int across;      // the centre row (horizontal) or column (vertical)
    int from, to;    // first and last pixel along the segment
};

enum class Coverage { None, Rim, Core };

Coverage Cover(const SegmentShape& seg, double u, double v)
{
    const double along = seg.horizontal ? u : v;
    const double off = std::abs((seg.horizontal ? v : u) - seg.across);
    if (off > 1.5 || along - seg.from < off - 0.5 || seg.to - along < off - 0.5)
        return Coverage::None;
    return off < 0.5 ? Coverage::Core : Coverage::Rim;
}

void DrawDigitCell(QImage& image, int column, int row, int segments, int scale)
{
    const SegmentShape shapes[7] = {
        {true, TOP_Y, LEFT_X + 1, RIGHT_X - 1},       // a
        {false, RIGHT_X, TOP_Y + 1, MIDDLE_Y - 1},    // b
        {false, RIGHT_X, MIDDLE_Y + 1, BOTTOM_Y - 1}, // c
        {true, BOTTOM_Y, LEFT_X + 1, RIGHT_X - 1},    // d
        {false, LEFT_X, MIDDLE_Y + 1, BOTTOM_Y - 1},  // e
        {false, LEFT_X, TOP_Y + 1, MIDDLE_Y - 1},     // f
        {true, MIDDLE_Y, LEFT_X + 1, RIGHT_X - 1},    // g
    };
    const int ox = column * CELL_W * scale;
    const int oy = row * CELL_H * scale;
    for (int py = 0; py < CELL_H * scale; ++py) {
        for (int px = 0; px < CELL_W * scale; ++px) {
            const double u = (px + 0.5) / scale - 0.5;
            const double v = (py + 0.5) / scale - 0.5;
            for (int s = 0; s < 7; ++s) {
                const Coverage c = Cover(shapes[s], u, v);
                if (c == Coverage::None)
                    continue;
                const bool lit = segments & (1 << s);
                image.setPixelColor(ox + px, oy + py, lit ? LIT : (c == Coverage::Core ? UNLIT_CORE : UNLIT_RIM));
            }
        }
    }
}

// Row 0: the digits 0 to 9. Row 1: a blank position (every segment unlit),
// then a minus sign; the rest of row 1 is plain ground.
QImage MakeDigitStrip(int scale)
{
    QImage image(STRIP_W * scale, STRIP_H * scale, QImage::Format_RGB32);
    image.fill(GROUND);
    for (int d = 0; d < 10; ++d)
        DrawDigitCell(image, d, 0, DIGIT_SEGMENTS[d], scale);
    DrawDigitCell(image, 0, 1, 0, scale);
    DrawDigitCell(image, 1, 1, G, scale);
    return image;
}

const QColor LAVENDER(132, 132, 198);
// Light outer, light inner, dark outer, dark inner.
const Bevel ARROW_BEVEL({255, 255, 255}, {206, 206, 236}, {66, 66, 88}, {128, 128, 128});

QImage MakeArrowFace(bool pointsRight, bool pressed, int scale)
{
    constexpr int W = 32;
    constexpr int H = 24;
    QImage image(W * scale, H * scale, QImage::Format_RGB32);
    image.fill(LAVENDER);
    ARROW_BEVEL.Fill(image, scale, pressed);
    // A solid triangle; the pixel-exact small face is drawn without smoothing
    // so its edges stay crisp, the larger one smoothed. It sinks with the face
    // when pressed.
    const int shift = pressed ? 1 : 0;
    const int cx = W / 2 + shift;
    const int cy = H / 2 + shift;
    const int reach = 6;   // half the triangle's height and its depth
    const int dir = pointsRight ? 1 : -1;
    QPolygonF triangle;
    triangle << QPointF(cx + dir * reach, cy) << QPointF(cx - dir * reach, cy - reach - 1)
             << QPointF(cx - dir * reach, cy + reach);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, scale > 1);
    painter.scale(scale, scale);
    painter.setPen(scale > 1 ? QPen(Qt::black, 0.5) : QPen(Qt::black));
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    return RunPictureGenerator(argc, argv, "bitmaps", [](const QDir& out) {
        // The @2x pictures serve screens with a device pixel ratio of 2.
        bool ok = true;
        for (int scale : {1, 2}) {
            const QString suffix = ScaleSuffix(scale);
            ok = ok && SavePng(MakeDigitStrip(scale), out.filePath("bitmaps/167" + suffix))
                 && SavePng(MakeArrowFace(false, true, scale), out.filePath("bitmaps/168" + suffix))
                 && SavePng(MakeArrowFace(false, false, scale), out.filePath("bitmaps/169" + suffix))
                 && SavePng(MakeArrowFace(true, true, scale), out.filePath("bitmaps/170" + suffix))
                 && SavePng(MakeArrowFace(true, false, scale), out.filePath("bitmaps/171" + suffix));
        }
        return ok;
    });
}
