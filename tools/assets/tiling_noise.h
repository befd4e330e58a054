#pragma once

// Smooth random gradient noise that wraps around every whole unit, so a
// texture built on it tiles without seams. Seeded, so every run draws the
// same pictures.

#include <cstdint>
#include <vector>

class TilingNoise {
public:
    TilingNoise(std::uint32_t seed, int cellsPerUnit);

    // u and v are in units of one tile; the result is in 0..1.
    double at(double u, double v) const;

    // Several octaves of at() added together: bigger blobs carrying finer detail.
    double fractal(double u, double v, int octaves) const;

private:
    // How the slope set at grid corner (i, j) rises toward an offset from it.
    double slopeToward(int i, int j, double dx, double dy) const;

    int cells_;
    std::vector<double> angles_;
};
