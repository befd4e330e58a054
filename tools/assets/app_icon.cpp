#include "app_icon.h"

#include "sprite_mask.h"

#include <QRect>

#include <cmath>

namespace {

const QRgb kFace = qRgb(255, 255, 0);
const QRgb kInk = qRgb(0, 0, 0);

// Eye centres sit on pixel centres so each eye comes out symmetric.
struct IconLayout {
    int size;
    double faceRadius;
    double eyeOffsetX;
    double eyeY;
    double eyeRadiusX;
    double eyeRadiusY;
    QRect mouth;
};

constexpr IconLayout kLarge{32, 15.7, 5.5, 12.5, 1.6, 3.4, QRect(QPoint(12, 21), QPoint(19, 22))};
constexpr IconLayout kSmall{16, 7.8, 2.5, 5.5, 0.6, 1.2, QRect(QPoint(6, 11), QPoint(9, 11))};

bool inEye(const IconLayout& layout, double x, double y)
{
    const double centre = layout.size / 2.0;
    for (const double side : {-1.0, 1.0}) {
        const double dx = (x - centre - side * layout.eyeOffsetX) / layout.eyeRadiusX;
        const double dy = (y - layout.eyeY) / layout.eyeRadiusY;
        if (dx * dx + dy * dy < 1)
            return true;
    }
    return false;
}

QImage drawIcon(const IconLayout& layout)
{
    const double centre = layout.size / 2.0;
    const SpriteMask face({layout.size, layout.size}, [&](double x, double y) {
        return std::hypot(x - centre, y - centre) < layout.faceRadius;
    });

    QImage picture(layout.size, layout.size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < layout.size; ++y) {
        for (int x = 0; x < layout.size; ++x) {
            if (!face.contains(x, y))
                continue;
            const bool ink = face.isEdge(x, y) || inEye(layout, x + 0.5, y + 0.5) || layout.mouth.contains(x, y);
            picture.setPixel(x, y, ink ? kInk : kFace);
        }
    }
    return picture;
}

} // namespace

QImage drawIcon32() { return drawIcon(kLarge); }
QImage drawIcon16() { return drawIcon(kSmall); }
