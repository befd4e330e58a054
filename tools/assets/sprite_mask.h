#pragma once

// Which pixels of a sprite belong to its body. Each pixel is either in or out,
// tested once at its centre, so sprite edges stay crisp: no half-transparent
// pixels, and the picture fits a palette exactly.

#include <QSize>

#include <functional>
#include <vector>

using ShapeTest = std::function<bool(double x, double y)>;

class SpriteMask {
public:
    SpriteMask(QSize size, const ShapeTest& inside);

    bool contains(int x, int y) const;

    // A body pixel touching the outside on one of its four sides: where the outline goes.
    bool isEdge(int x, int y) const;

private:
    QSize size_;
    std::vector<bool> bits_;
};
