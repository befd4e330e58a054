#include "backdrops.h"

#include "pixel_shader.h"
#include "tiling_noise.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kSamplesPerAxis = 2;
constexpr int kBackdropSize = 440;

constexpr int kSwirlArms = 5;
constexpr double kSwirlTurns = 1.6;     // how far each arm winds from the centre to the edge
constexpr double kSwirlWobble = 2.2;    // radians of noise that keep the arms from looking ruled
constexpr RgbF kSwirlOrange = rgbF(232, 104, 14);
constexpr RgbF kSwirlYellow = rgbF(255, 214, 64);
constexpr RgbF kSwirlGlow = rgbF(255, 246, 180);
constexpr std::uint32_t kSwirlSeed = 3303;

constexpr double kCloudCells = 4;
constexpr int kCloudOctaves = 6;
constexpr RgbF kCloudShadow = rgbF(70, 148, 80);
constexpr RgbF kCloudLight = rgbF(200, 240, 180);
constexpr std::uint32_t kCloudSeed = 4404;

} // namespace

QImage drawOrangeSwirl()
{
    const TilingNoise wobble(kSwirlSeed, 6);
    const double centre = kBackdropSize / 2.0;
    return shadePixels({kBackdropSize, kBackdropSize}, kSamplesPerAxis, [&](double x, double y) {
        const double dx = x - centre;
        const double dy = y - centre;
        const double radius = std::hypot(dx, dy) / centre;
        const double angle = std::atan2(dy, dx);
        const double phase = kSwirlArms * angle + 2 * std::numbers::pi * kSwirlTurns * radius * kSwirlArms / 2
            + kSwirlWobble * (wobble.fractal(x / kBackdropSize, y / kBackdropSize, 4) - 0.5);
        const double band = smoothstep(-0.6, 0.6, std::sin(phase));
        RgbF colour = mix(kSwirlOrange, kSwirlYellow, band);
        // A warm glow in the middle where the arms meet.
        return mix(colour, kSwirlGlow, 0.55 * (1 - smoothstep(0.0, 0.35, radius)));
    });
}

QImage drawGreenClouds()
{
    const TilingNoise clouds(kCloudSeed, int(kCloudCells));
    return shadePixels({kBackdropSize, kBackdropSize}, kSamplesPerAxis, [&](double x, double y) {
        const double density = clouds.fractal(x / kBackdropSize, y / kBackdropSize, kCloudOctaves);
        return mix(kCloudShadow, kCloudLight, smoothstep(0.3, 0.7, density));
    });
}
