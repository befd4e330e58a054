#include "window_textures.h"

#include "pixel_shader.h"
#include "tiling_noise.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kSamplesPerAxis = 4;

constexpr int kPyramidPictureSize = 480;
constexpr double kPyramidTile = 24; // 20 pyramids across
constexpr double kPyramidSeam = 0.035; // share of a tile darkened where pyramids meet
// Light falls from the upper left: the face turned up is brightest.
constexpr RgbF kPyramidTop = rgbF(122, 172, 250);
constexpr RgbF kPyramidLeft = rgbF(72, 122, 222);
constexpr RgbF kPyramidRight = rgbF(34, 66, 168);
constexpr RgbF kPyramidBottom = rgbF(22, 42, 122);
constexpr RgbF kPyramidSeamColour = rgbF(10, 20, 70);

constexpr int kCubePictureSize = 440;
constexpr int kCubeColumns = 12;
constexpr int kCubeRowPairs = 7;
constexpr double kCubeEdgeWidth = 0.9;
constexpr RgbF kCubeTop = rgbF(236, 84, 72);
constexpr RgbF kCubeLeft = rgbF(182, 36, 36);
constexpr RgbF kCubeRight = rgbF(114, 14, 24);
constexpr RgbF kCubeEdge = rgbF(60, 4, 10);

constexpr double kGrainStrength = 0.08; // gentle mottling so the faces are not flat plastic
constexpr std::uint32_t kPyramidGrainSeed = 1101;
constexpr std::uint32_t kCubeGrainSeed = 2202;

RgbF withGrain(RgbF colour, const TilingNoise& grain, double u, double v)
{
    return scaled(colour, 1 + kGrainStrength * (grain.fractal(u, v, 4) - 0.5) * 2);
}

} // namespace

QImage drawPyramidTexture()
{
    const TilingNoise grain(kPyramidGrainSeed, 48);
    return shadePixels({kPyramidPictureSize, kPyramidPictureSize}, kSamplesPerAxis, [&](double x, double y) {
        const double u = std::fmod(x, kPyramidTile) / kPyramidTile - 0.5;
        const double v = std::fmod(y, kPyramidTile) / kPyramidTile - 0.5;
        RgbF face;
        if (std::abs(u) > std::abs(v))
            face = u < 0 ? kPyramidLeft : kPyramidRight;
        else
            face = v < 0 ? kPyramidTop : kPyramidBottom;
        // Faces catch a little more light near the apex.
        const double nearApex = 1 - 2 * std::max(std::abs(u), std::abs(v));
        face = scaled(face, 0.92 + 0.16 * nearApex);
        if (0.5 - std::max(std::abs(u), std::abs(v)) < kPyramidSeam)
            face = mix(face, kPyramidSeamColour, 0.6);
        return withGrain(face, grain, x / kPyramidPictureSize, y / kPyramidPictureSize);
    });
}

QImage drawCubeTexture()
{
    // The blocks sit on a hexagon grid. Working in a slightly squashed frame
    // makes the hexagons regular there while the pattern still repeats exactly
    // at the picture's edges.
    const double columnWidth = double(kCubePictureSize) / kCubeColumns;
    const double side = columnWidth / std::numbers::sqrt3;
    const double rowHeight = 1.5 * side;
    const double yScale = (2 * rowHeight * kCubeRowPairs) / kCubePictureSize;
    const TilingNoise grain(kCubeGrainSeed, 44);

    return shadePixels({kCubePictureSize, kCubePictureSize}, kSamplesPerAxis, [&](double x, double y) {
        const double ys = y * yScale;
        const int nearRow = int(std::floor(ys / rowHeight));
        double bestDistance = 1e9;
        double dx = 0;
        double dy = 0;
        for (int row = nearRow - 1; row <= nearRow + 2; ++row) {
            const double offset = (row & 1) ? columnWidth / 2 : 0;
            const int nearColumn = int(std::floor((x - offset) / columnWidth));
            for (int column = nearColumn - 1; column <= nearColumn + 2; ++column) {
                const double cx = column * columnWidth + offset;
                const double cy = row * rowHeight;
                const double distance = std::hypot(x - cx, ys - cy);
                if (distance < bestDistance) {
                    bestDistance = distance;
                    dx = x - cx;
                    dy = ys - cy;
                }
            }
        }
        const double angle = std::atan2(-dy, dx) * 180 / std::numbers::pi;
        RgbF face;
        if (angle > 30 && angle < 150)
            face = kCubeTop;
        else if (angle >= 150 || angle < -90)
            face = kCubeLeft;
        else
            face = kCubeRight;

        // Distance to the block's hexagonal outline: the inradius minus the
        // largest projection on the three edge normals.
        const double c = 0.5;
        const double s = std::numbers::sqrt3 / 2;
        const double projection = std::max({std::abs(dx), std::abs(c * dx + s * dy), std::abs(c * dx - s * dy)});
        const double toOutline = columnWidth / 2 - projection;
        if (toOutline < kCubeEdgeWidth)
            face = mix(face, kCubeEdge, 0.75);
        else if (toOutline < 2.5 * kCubeEdgeWidth && angle > 30 && angle < 150)
            face = mix(face, rgbF(255, 170, 150), 0.35); // the top's rim catches the light
        return withGrain(face, grain, x / kCubePictureSize, y / kCubePictureSize);
    });
}
