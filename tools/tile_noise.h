// Smooth value noise that wraps around exactly, so textures made from it tile.
#pragma once

#include <vector>

class SeededRandom;

// A lattice of cellsX × cellsY random values stretched over a width × height
// picture. Sampling at x and at x + width gives the same value (likewise for y),
// which is what lets the board and backdrop tiles meet without a seam.
class TileNoise {
public:
    TileNoise(int cellsX, int cellsY, double width, double height, SeededRandom& random);

    // Smoothly interpolated value in [0, 1] at picture coordinates (x, y).
    double At(double x, double y) const;

private:
    double Lattice(int ix, int iy) const;

    int cellsX;
    int cellsY;
    double width;
    double height;
    std::vector<double> values;
};
