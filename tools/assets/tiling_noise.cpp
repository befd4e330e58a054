#include "tiling_noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {
constexpr double kStretch = 0.75;
} // namespace

TilingNoise::TilingNoise(std::uint32_t seed, int cellsPerUnit)
    : cells_(cellsPerUnit), angles_(std::size_t(cellsPerUnit) * std::size_t(cellsPerUnit))
{
    // mt19937's raw output is the same everywhere, unlike the std distributions.
    std::mt19937 random(seed);
    for (double& angle : angles_)
        angle = 2 * std::numbers::pi * double(random()) / double(std::mt19937::max());
}

double TilingNoise::slopeToward(int i, int j, double dx, double dy) const
{
    const int wi = ((i % cells_) + cells_) % cells_;
    const int wj = ((j % cells_) + cells_) % cells_;
    const double angle = angles_[std::size_t(wj) * std::size_t(cells_) + std::size_t(wi)];
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

double TilingNoise::at(double u, double v) const
{
    const double x = u * cells_;
    const double y = v * cells_;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int i = int(fx);
    const int j = int(fy);
    const double rx = x - fx;
    const double ry = y - fy;
    // Quintic easing hides the grid that plain linear blending would show.
    auto ease = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const double tx = ease(rx);
    const double ty = ease(ry);
    const double topLeft = slopeToward(i, j, rx, ry);
    const double topRight = slopeToward(i + 1, j, rx - 1, ry);
    const double bottomLeft = slopeToward(i, j + 1, rx, ry - 1);
    const double bottomRight = slopeToward(i + 1, j + 1, rx - 1, ry - 1);
    const double top = topLeft + (topRight - topLeft) * tx;
    const double bottom = bottomLeft + (bottomRight - bottomLeft) * tx;
    // Gradient noise stays within about +-0.7; stretch it to fill 0..1.
    return std::clamp(0.5 + (top + (bottom - top) * ty) * kStretch, 0.0, 1.0);
}

double TilingNoise::fractal(double u, double v, int octaves) const
{
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    double frequency = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        // Whole-number frequencies keep every octave wrapping at the tile edge;
        // the shift keeps the octaves from lining up with each other.
        const double shift = 0.37 * octave;
        sum += amplitude * at(u * frequency + shift, v * frequency + shift);
        total += amplitude;
        amplitude *= 0.5;
        frequency *= 2;
    }
    return sum / total;
}
