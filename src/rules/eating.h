#pragma once

#include "platform/control.h"

namespace zubble {

// A dot is eaten when it is visible and its top-left corner lies strictly
// inside the player's rectangle; the dot's own size plays no part.
inline bool eats(const platform::Control& player, const platform::Control& dot)
{
    return dot.Visible && player.Right() > dot.Left && dot.Left > player.Left
        && dot.Top > player.Top && player.Bottom() > dot.Top;
}

} // namespace zubble
