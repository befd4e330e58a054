#pragma once

#include "platform/control.h"

namespace zubble {

// Moves a sprite one step of speed in a direction (1 right, 2 left, 3 up,
// 4 down) when that way is open; any other direction, or a closed way, is no step.
inline void stepIfOpen(platform::Control& sprite, int direction, float speed, int canRight,
    int canLeft, int canUp, int canDown)
{
    if (direction == 1 && canRight == 1)
        sprite.Left = sprite.Left + speed;
    else if (direction == 2 && canLeft == 1)
        sprite.Left = sprite.Left - speed;
    else if (direction == 3 && canUp == 1)
        sprite.Top = sprite.Top - speed;
    else if (direction == 4 && canDown == 1)
        sprite.Top = sprite.Top + speed;
}

} // namespace zubble
