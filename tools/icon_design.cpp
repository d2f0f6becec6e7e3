// Builds, renders and exports the game's icon design.
#include "icon_design.h"

#include <QPainter>

namespace {

constexpr int BLOCK = 8;

QRgb Blend(QRgb c, QRgb towards, int percent)
{
    auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return qRgb(mix(qRed(c), qRed(towards)), mix(qGreen(c), qGreen(towards)), mix(qBlue(c), qBlue(towards)));
}

} // namespace

IconDesign::IconDesign()
{
    // Frame: light on the bottom and right, dark on the top and left, so the
    // board reads as sunk into the wood around it.
    boxes.push_back({0, 0, GRID, GRID, qRgb(176, 110, 24)});
    boxes.push_back({0, 0, GRID - 1, GRID - 1, qRgb(96, 54, 0)});
    boxes.push_back({1, 1, GRID - 2, GRID - 2, qRgb(140, 84, 10)});
    boxes.push_back({2, 2, GRID - 4, GRID - 4, qRgb(46, 14, 62)});

    const QRgb red = qRgb(255, 0, 0);
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb green = qRgb(0, 230, 0);
    const QRgb blue = qRgb(40, 60, 255);
    const QRgb orange = qRgb(255, 128, 0);
    const QRgb magenta = qRgb(255, 0, 255);
    const QRgb cyan = qRgb(0, 255, 255);

    AddBlock(2, 2, red);
    AddBlock(12, 2, yellow);
    AddBlock(22, 2, green);
    AddBlock(7, 12, blue);
    AddBlock(17, 12, orange);
    AddBlock(2, 22, magenta);
    AddBlock(12, 22, cyan);
    AddBlock(22, 22, red);
}

void IconDesign::AddBlock(int x, int y, QRgb face)
{
    boxes.push_back({x, y, BLOCK, BLOCK, Blend(face, qRgb(0, 0, 0), 50)});
    boxes.push_back({x, y, BLOCK - 1, BLOCK - 1, Blend(face, qRgb(255, 255, 255), 55)});
    boxes.push_back({x + 1, y + 1, BLOCK - 2, BLOCK - 2, face});
}

QImage IconDesign::Render(int size) const
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const double scale = static_cast<double>(size) / GRID;
    // Whole-pixel scales stay crisp without smoothing; the odd hicolor sizes
    // (22, 24) need it to avoid ragged block edges.
    painter.setRenderHint(QPainter::Antialiasing, size % GRID != 0);
    painter.setPen(Qt::NoPen);
    for (const Box& box : boxes)
        painter.fillRect(QRectF(box.x * scale, box.y * scale, box.width * scale, box.height * scale),
                         QColor(box.colour));
    return image;
}

QString IconDesign::Svg() const
{
    QString svg = QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n"
                          "  <title>Kolumo</title>\n")
                      .arg(GRID);
    for (const Box& box : boxes) {
        svg += QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(box.x)
                   .arg(box.y)
                   .arg(box.width)
                   .arg(box.height)
                   .arg(QColor(box.colour).name());
    }
    svg += "</svg>\n";
    return svg;
}
