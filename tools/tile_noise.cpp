// Wrapping value noise with smoothstep interpolation.
#include "tile_noise.h"

#include "seeded_random.h"

#include <cmath>

TileNoise::TileNoise(int cellsX, int cellsY, double width, double height, SeededRandom& random)
    : cellsX(cellsX), cellsY(cellsY), width(width), height(height),
      values(static_cast<std::size_t>(cellsX * cellsY))
{
    for (double& v : values)
        v = random.Unit();
}

double TileNoise::Lattice(int ix, int iy) const
{
    const int wx = ((ix % cellsX) + cellsX) % cellsX;
    const int wy = ((iy % cellsY) + cellsY) % cellsY;
    return values[static_cast<std::size_t>(wy * cellsX + wx)];
}

double TileNoise::At(double x, double y) const
{
    const double gx = x / width * cellsX;
    const double gy = y / height * cellsY;
    const double fx0 = std::floor(gx);
    const double fy0 = std::floor(gy);
    const int ix = static_cast<int>(fx0);
    const int iy = static_cast<int>(fy0);
    double tx = gx - fx0;
    double ty = gy - fy0;
    tx = tx * tx * (3.0 - 2.0 * tx);
    ty = ty * ty * (3.0 - 2.0 * ty);
    const double top = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
    const double bottom = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}
