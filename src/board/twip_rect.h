#pragma once

namespace zubble {

// A place on a level screen in twips (15 per logical pixel), origin at the
// top-left corner of the client area. The layout tables hold whole twips.
struct TwipRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    constexpr int Right() const { return Left + Width; }
    constexpr int Bottom() const { return Top + Height; }

    constexpr bool overlaps(const TwipRect& other) const
    {
        return Left < other.Right() && other.Left < Right() && Top < other.Bottom()
            && other.Top < Bottom();
    }
    constexpr bool contains(const TwipRect& other) const
    {
        return Left <= other.Left && other.Right() <= Right() && Top <= other.Top
            && other.Bottom() <= Bottom();
    }
};

struct TwipPoint {
    int Left = 0;
    int Top = 0;
};

} // namespace zubble
