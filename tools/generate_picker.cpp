// Makes the number picker's LED digit strip (167) and its arrow faces (168-171).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cstdio>

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

void Put(QImage& image, int x, int y, const QColor& c)
{
    image.setPixelColor(x, y, c);
}

// A horizontal segment centred on row y from x0 to x1: the centre row runs the
// full length, the rows above and below stop one pixel short at each end.
void Horizontal(QImage& image, int ox, int oy, int y, int x0, int x1, bool lit)
{
    for (int x = x0; x <= x1; ++x)
        Put(image, ox + x, oy + y, lit ? LIT : UNLIT_CORE);
    for (int x = x0 + 1; x <= x1 - 1; ++x) {
        Put(image, ox + x, oy + y - 1, lit ? LIT : UNLIT_RIM);
        Put(image, ox + x, oy + y + 1, lit ? LIT : UNLIT_RIM);
    }
}

void Vertical(QImage& image, int ox, int oy, int x, int y0, int y1, bool lit)
{
    for (int y = y0; y <= y1; ++y)
        Put(image, ox + x, oy + y, lit ? LIT : UNLIT_CORE);
    for (int y = y0 + 1; y <= y1 - 1; ++y) {
        Put(image, ox + x - 1, oy + y, lit ? LIT : UNLIT_RIM);
        Put(image, ox + x + 1, oy + y, lit ? LIT : UNLIT_RIM);
    }
}

void DrawDigitCell(QImage& image, int column, int row, int segments)
{
    const int ox = column * CELL_W;
    const int oy = row * CELL_H;
    Horizontal(image, ox, oy, TOP_Y, LEFT_X + 1, RIGHT_X - 1, segments & A);
    Vertical(image, ox, oy, RIGHT_X, TOP_Y + 1, MIDDLE_Y - 1, segments & B);
    Vertical(image, ox, oy, RIGHT_X, MIDDLE_Y + 1, BOTTOM_Y - 1, segments & C);
    Horizontal(image, ox, oy, BOTTOM_Y, LEFT_X + 1, RIGHT_X - 1, segments & D);
    Vertical(image, ox, oy, LEFT_X, MIDDLE_Y + 1, BOTTOM_Y - 1, segments & E);
    Vertical(image, ox, oy, LEFT_X, TOP_Y + 1, MIDDLE_Y - 1, segments & F);
    Horizontal(image, ox, oy, MIDDLE_Y, LEFT_X + 1, RIGHT_X - 1, segments & G);
}

// Row 0: the digits 0 to 9. Row 1: a blank position (every segment unlit),
// then a minus sign; the rest of row 1 is plain ground.
QImage MakeDigitStrip()
{
    QImage image(STRIP_W, STRIP_H, QImage::Format_RGB32);
    image.fill(GROUND);
    for (int d = 0; d < 10; ++d)
        DrawDigitCell(image, d, 0, DIGIT_SEGMENTS[d]);
    DrawDigitCell(image, 0, 1, 0);
    DrawDigitCell(image, 1, 1, G);
    return image;
}

const QColor LAVENDER(132, 132, 198);
const QColor BEVEL_WHITE(255, 255, 255);
const QColor BEVEL_PALE(206, 206, 236);
const QColor BEVEL_GREY(128, 128, 128);
const QColor BEVEL_DARK(66, 66, 88);

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
    image.setPixelColor(inset, bottom, bottomRight);
    image.setPixelColor(right, inset, bottomRight);
}

QImage MakeArrowFace(bool pointsRight, bool pressed)
{
    constexpr int W = 32;
    constexpr int H = 24;
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(LAVENDER);
    if (pressed) {
        FillRing(image, 0, BEVEL_DARK, BEVEL_WHITE);
        FillRing(image, 1, BEVEL_GREY, BEVEL_PALE);
    } else {
        FillRing(image, 0, BEVEL_WHITE, BEVEL_DARK);
        FillRing(image, 1, BEVEL_PALE, BEVEL_GREY);
    }
    // A solid triangle, drawn without smoothing so its edges stay crisp at
    // this small size; it sinks with the face when pressed.
    const int shift = pressed ? 1 : 0;
    const int cx = W / 2 + shift;
    const int cy = H / 2 + shift;
    const int reach = 6;   // half the triangle's height and its depth
    const int dir = pointsRight ? 1 : -1;
    QPolygon triangle;
    triangle << QPoint(cx + dir * reach, cy) << QPoint(cx - dir * reach, cy - reach - 1)
             << QPoint(cx - dir * reach, cy + reach - 1 + 1);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
    return image;
}

bool Save(const QImage& image, const QDir& out, const QString& name)
{
    if (image.save(out.filePath(name), "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(name)));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("bitmaps"))
        return 1;
    const bool ok = Save(MakeDigitStrip(), out, "bitmaps/167.png")
                    && Save(MakeArrowFace(false, true), out, "bitmaps/168.png")
                    && Save(MakeArrowFace(false, false), out, "bitmaps/169.png")
                    && Save(MakeArrowFace(true, true), out, "bitmaps/170.png")
                    && Save(MakeArrowFace(true, false), out, "bitmaps/171.png");
    return ok ? 0 : 1;
}
