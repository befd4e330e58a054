#pragma once

// Fills an opaque 24-bit picture by asking a colour function about many
// points inside every pixel, so that texture edges come out smooth.

#include "colour_math.h"

#include <QImage>

#include <functional>

using ColourAt = std::function<RgbF(double x, double y)>;

QImage shadePixels(QSize size, int samplesPerAxis, const ColourAt& colourAt);
