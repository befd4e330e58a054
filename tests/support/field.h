#pragma once

#include "platform/control.h"

namespace zubble::testing {

// The playing field inside the outer walls.
inline constexpr float kFieldLeft = 135;
inline constexpr float kFieldRight = 5880;
inline constexpr float kFieldTop = 135;
inline constexpr float kFieldBottom = 6240;

inline bool overlaps(const platform::Control& a, const platform::Control& b)
{
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

inline bool insideField(const platform::Control& sprite)
{
    return sprite.Left >= kFieldLeft && sprite.Right() <= kFieldRight && sprite.Top >= kFieldTop
        && sprite.Bottom() <= kFieldBottom;
}

} // namespace zubble::testing
