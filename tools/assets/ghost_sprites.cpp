#include "ghost_sprites.h"

#include "sprite_mask.h"

#include <array>
#include <cmath>

namespace {

constexpr int kSize = 33;
constexpr double kCentreX = kSize / 2.0;

// The body fills the picture: a dome on top, straight sides, and a hem of
// points at the bottom. The corners stay empty.
constexpr double kSideInset = 0.2;
constexpr double kDomeCentreY = 16.3;
constexpr double kDomeRadius = 16.3;
constexpr int kHemPoints = 4;
constexpr double kHemNotchY = 27.3;       // where the gaps between the points end
constexpr double kHemTipY = 33.6;         // points reach the bottom row

constexpr double kEyeOffsetX = 6;
constexpr double kEyeY = 11.5;
constexpr double kEyeRadiusX = 3.6;
constexpr double kEyeRadiusY = 4.6;
constexpr double kPupilRadius = 2.2;
constexpr double kPupilDropY = 1.2;       // pupils sit low in the eyes, eyeing Zub below

const std::array<QRgb, kGhostCount> kBodyColours{
    qRgb(255, 0, 246), qRgb(253, 1, 2), qRgb(0, 255, 12), qRgb(0, 255, 255)};
const QRgb kOutline = qRgb(24, 20, 40);
const QRgb kEyeWhite = qRgb(255, 255, 255);
const QRgb kPupil = qRgb(24, 32, 120);

constexpr double kHighlightMix = 0.45;    // a sheen on the dome's upper left
constexpr double kHighlightShift = 2.2;   // the sheen is the dome minus a copy shifted to the lower right

double hemBottomAt(double x)
{
    const double period = double(kSize) / kHemPoints;
    const double along = std::fmod(x, period) / period;
    const double towardTip = 1 - std::abs(2 * along - 1);
    return kHemNotchY + (kHemTipY - kHemNotchY) * towardTip;
}

bool inGhost(double x, double y)
{
    if (x < kSideInset || x > kSize - kSideInset)
        return false;
    if (y < kDomeCentreY)
        return std::hypot(x - kCentreX, y - kDomeCentreY) < kDomeRadius;
    return y < hemBottomAt(x);
}

bool inEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy < 1;
}

QRgb lighter(QRgb colour, double towardWhite)
{
    auto channel = [&](int v) { return int(std::lround(v + (255 - v) * towardWhite)); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

} // namespace

QImage drawGhost(int ghost)
{
    const QRgb body = kBodyColours[std::size_t(ghost)];
    const QRgb sheen = lighter(body, kHighlightMix);
    const SpriteMask shape({kSize, kSize}, inGhost);

    QImage picture(kSize, kSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!shape.contains(x, y))
                continue;
            const double px = x + 0.5;
            const double py = y + 0.5;
            QRgb colour = body;
            const double fromShiftedDome
                = std::hypot(px - kCentreX - kHighlightShift, py - kDomeCentreY - kHighlightShift);
            if (py < kDomeCentreY && fromShiftedDome > kDomeRadius)
                colour = sheen;
            for (const double side : {-1.0, 1.0}) {
                const double eyeX = kCentreX + side * kEyeOffsetX;
                if (inEllipse(px, py, eyeX, kEyeY, kEyeRadiusX, kEyeRadiusY))
                    colour = kEyeWhite;
                if (std::hypot(px - eyeX, py - kEyeY - kPupilDropY) < kPupilRadius)
                    colour = kPupil;
            }
            if (shape.isEdge(x, y))
                colour = kOutline;
            picture.setPixel(x, y, colour);
        }
    }
    return picture;
}
