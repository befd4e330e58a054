#include "screen/level_screen.h"

namespace zubble {

// A wall blocks a way when it lies across the mover's path (spans overlap or
// touch), lies ahead, and the next step of Speed would reach it. All sums are
// single precision, all comparisons inclusive, all from the mover's place at
// the start of its step. Serves the player and every ghost.
void LevelScreen::findOpenWays(const platform::Control& mover)
{
    CanRight = 1;
    CanLeft = 1;
    CanUp = 1;
    CanDown = 1;
    const float speed = float(Speed);
    const float left = mover.Left;
    const float top = mover.Top;
    const float right = mover.Right();
    const float bottom = mover.Bottom();
    for (Counter = 0; Counter <= kWallCount - 1; ++Counter) {
        const platform::Shape& wall = shpWall[Counter];
        const float wallRight = wall.Right();
        const float wallBottom = wall.Bottom();
        const bool acrossRow = bottom >= wall.Top && wallBottom >= top;
        const bool acrossColumn = wallRight >= left && right >= wall.Left;
        if (acrossRow && right <= wall.Left && right + speed >= wall.Left)
            CanRight = 0;
        if (acrossRow && wallRight <= left && left <= wallRight + speed)
            CanLeft = 0;
        if (acrossColumn && bottom <= wall.Top && bottom + speed >= wall.Top)
            CanDown = 0;
        if (acrossColumn && wallBottom <= top && top <= wallBottom + speed)
            CanUp = 0;
    }
}

} // namespace zubble
