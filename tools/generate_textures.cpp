// Makes the board texture (172) and the wood backdrop (173) as PNG files.
#include "seeded_random.h"
#include "picture_output.h"
#include "tile_noise.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TWO_PI = 2.0 * std::numbers::pi;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

QRgb ToPixel(Rgb c)
{
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Wood seen along the plank: growth rings run lengthways and wander a little.
// The ring count across the tile is a whole number and every noise wraps, so
// tiles laid edge to edge continue each other's grain.
QImage MakeWood()
{
    constexpr int W = 201;
    constexpr int H = 79;
    constexpr int RINGS = 6;
    SeededRandom random(0x57006D);
    const TileNoise warp(3, 2, W, H, random);
    const TileNoise warpFine(11, 4, W, H, random);
    const TileNoise fibres(12, H, W, H, random);
    const TileNoise pores(67, H, W, H, random);
    const TileNoise blotches(5, 3, W, H, random);
    double ringStrength[RINGS];
    for (double& s : ringStrength)
        s = 0.45 + 0.55 * random.Unit();

    const Rgb earlywood{206, 152, 94};
    const Rgb midwood{170, 114, 62};
    const Rgb latewood{112, 62, 28};
    const Rgb pore{92, 50, 22};

    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double u = static_cast<double>(x) / W;
            const double shift = 9.0 * (warp.At(x, y) - 0.5) + 2.5 * (warpFine.At(x, y) - 0.5)
                                 + 2.0 * std::sin(TWO_PI * (u + 0.2));
            const double phase = RINGS * (y + shift) / H;
            const double ringIndex = std::floor(phase);
            const double ring = phase - ringIndex;
            const int wrapped = ((static_cast<int>(ringIndex) % RINGS) + RINGS) % RINGS;
            // Earlywood darkens slowly towards a thin band of latewood, then the
            // next year starts light again.
            const double dark = SmoothStep(0.45, 0.9, ring) * (1.0 - SmoothStep(0.9, 0.99, ring));
            const double fibre = fibres.At(x, y);
            Rgb c = Mix(earlywood, midwood, 0.2 + 0.6 * fibre + 0.4 * (blotches.At(x, y) - 0.5));
            c = Mix(c, latewood, dark * ringStrength[wrapped]);
            const double speck = SmoothStep(0.75, 0.95, pores.At(x, y));
            c = Mix(c, pore, 0.3 * speck);
            image.setPixel(x, y, ToPixel(c));
        }
    }
    return image;
}

// Dark purple marble clouded with black and crossed by faint light veins:
// busy enough to read as stone, calm enough that coloured blocks stand out on
// it. Only fine features vary strongly, so the repeat of the small tile does
// not show as a lattice; integer frequencies and wrapping noise make it tile.
QImage MakeBoard()
{
    constexpr int W = 85;
    constexpr int H = 64;
    SeededRandom random(0xB0A4D);
    const TileNoise coarse(5, 4, W, H, random);
    const TileNoise medium(10, 8, W, H, random);
    const TileNoise fine(21, 16, W, H, random);
    const TileNoise finest(42, 32, W, H, random);

    const Rgb black{5, 2, 9};
    const Rgb purple{66, 22, 88};
    const Rgb vein{124, 62, 150};

    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double u = static_cast<double>(x) / W;
            const double v = static_cast<double>(y) / H;
            const double cloud = 0.4 * coarse.At(x, y) + 0.3 * medium.At(x, y) + 0.2 * fine.At(x, y)
                                 + 0.1 * finest.At(x, y);
            const double body = SmoothStep(0.3, 0.72, cloud);
            // A vein is where a wavy sheet crosses zero.
            const double sheet = std::sin(TWO_PI * (u + v) + 6.0 * (medium.At(x, y) + 0.5 * fine.At(x, y)));
            const double veinAmount = std::pow(1.0 - std::min(1.0, std::abs(sheet) * 2.5), 2.0);
            Rgb c = Mix(black, purple, body);
            c = Mix(c, vein, 0.6 * veinAmount * (0.4 + body));
            c = Mix(c, black, 0.25 * (1.0 - finest.At(x, y)));
            image.setPixel(x, y, ToPixel(c));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    return RunPictureGenerator(argc, argv, "bitmaps", [](const QDir& out) {
        return SavePng(MakeBoard(), out.filePath("bitmaps/172.png"))
               && SavePng(MakeWood(), out.filePath("bitmaps/173.png"));
    });
}
