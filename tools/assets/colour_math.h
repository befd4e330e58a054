#pragma once

// Colours as doubles so that shading and blending keep their precision
// until the very last step, when they are rounded into a pixel.

#include <QColor>

#include <algorithm>
#include <cmath>

struct RgbF {
    double r = 0;
    double g = 0;
    double b = 0;
};

constexpr RgbF rgbF(int r, int g, int b) { return {double(r), double(g), double(b)}; }

constexpr RgbF mix(RgbF a, RgbF b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr RgbF scaled(RgbF c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

inline QRgb toQRgb(RgbF c)
{
    auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

inline double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
