#include "sprite_mask.h"

SpriteMask::SpriteMask(QSize size, const ShapeTest& inside)
    : size_(size), bits_(std::size_t(size.width()) * std::size_t(size.height()))
{
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            bits_[std::size_t(y) * std::size_t(size.width()) + std::size_t(x)] = inside(x + 0.5, y + 0.5);
}

bool SpriteMask::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height())
        return false;
    return bits_[std::size_t(y) * std::size_t(size_.width()) + std::size_t(x)];
}

bool SpriteMask::isEdge(int x, int y) const
{
    return contains(x, y)
        && (!contains(x - 1, y) || !contains(x + 1, y) || !contains(x, y - 1) || !contains(x, y + 1));
}
