#include "player_sprites.h"

#include "sprite_mask.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = 35;
constexpr double kCentre = kSize / 2.0;
constexpr double kRadius = 17.4;
// The mouth's corner sits a little right of the centre so the middle of the
// ball stays solid yellow on every frame.
constexpr double kMouthTipX = kCentre + 2.5;

// Full opening angle of the mouth per frame, in degrees.
constexpr std::array<double, kPlayerFrameCount> kMouthOpening{90, 60, 35, 0, 0};
constexpr int kSlitFrame = 3;              // almost shut: the lips meet in a dark line
constexpr double kSlitOpening = 9;         // degrees

const QRgb kBody = qRgb(234, 214, 57);
const QRgb kShade = qRgb(204, 176, 36);    // the lower right turns away from the light
const QRgb kHighlight = qRgb(252, 242, 160);
const QRgb kOutline = qRgb(48, 34, 8);

constexpr double kShadeFrom = 0.975;       // share of the radius, measured from the lit point
constexpr double kLitPointOffset = -3.5;   // light comes from the upper left
constexpr double kHighlightX = kCentre - 7;
constexpr double kHighlightY = kCentre - 8;
constexpr double kHighlightRadius = 2.6;

double degreesFromMouthTip(double x, double y)
{
    return std::abs(std::atan2(y - kCentre, x - kMouthTipX)) * 180 / std::numbers::pi;
}

bool inBall(double x, double y) { return std::hypot(x - kCentre, y - kCentre) < kRadius; }

} // namespace

QImage drawPlayerFrame(int frame)
{
    const double halfMouth = kMouthOpening[std::size_t(frame)] / 2;
    const SpriteMask body({kSize, kSize}, [&](double x, double y) {
        return inBall(x, y) && !(halfMouth > 0 && degreesFromMouthTip(x, y) < halfMouth);
    });

    QImage picture(kSize, kSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!body.contains(x, y))
                continue;
            const double px = x + 0.5;
            const double py = y + 0.5;
            QRgb colour = kBody;
            if (std::hypot(px - kCentre - kLitPointOffset, py - kCentre - kLitPointOffset) > kShadeFrom * kRadius)
                colour = kShade;
            if (std::hypot(px - kHighlightX, py - kHighlightY) < kHighlightRadius)
                colour = kHighlight;
            const bool inSlit = frame == kSlitFrame && px > kMouthTipX && degreesFromMouthTip(px, py) < kSlitOpening / 2;
            if (body.isEdge(x, y) || inSlit)
                colour = kOutline;
            picture.setPixel(x, y, colour);
        }
    }
    return picture;
}
