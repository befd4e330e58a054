#include "screen/level_screen.h"

#include <array>
#include <cmath>

namespace zubble {
namespace {

using Choices = std::array<int, 3>;

// First, second and third choice of direction; the fourth, away from the
// player on the shorter axis, is never taken.
constexpr Choices kLeftHigher{2, 3, 1};
constexpr Choices kLeftLevelOrLower{2, 4, 1};
constexpr Choices kRightHigher{1, 3, 2};
constexpr Choices kRightLevelOrLower{1, 4, 2};
constexpr Choices kHigherLeft{3, 2, 4};
constexpr Choices kHigherLevelOrRight{3, 1, 4};
constexpr Choices kLowerLeft{4, 2, 3};
constexpr Choices kLowerLevelOrRight{4, 1, 3};

} // namespace

// Aims ghost Num at the player along the longer axis, using the open-way flags
// as the caller left them. No change when the player is on the diagonal.
void LevelScreen::GhostTrack()
{
    const auto takeFirstOpen = [this](const Choices& choices) {
        for (int direction : choices) {
            const int open = direction == 1 ? CanRight
                : direction == 2            ? CanLeft
                : direction == 3            ? CanUp
                                            : CanDown;
            if (open == 1) {
                GhostDir[Num] = direction;
                return;
            }
        }
    };
    const platform::Image& ghost = imgGhost[Num];
    const float dx = std::fabs(imgZubble.Left - ghost.Left);
    const float dy = std::fabs(imgZubble.Top - ghost.Top);
    const bool higher = imgZubble.Top < ghost.Top;
    const bool toLeft = imgZubble.Left < ghost.Left;

    if (dy < dx) {
        if (toLeft)
            takeFirstOpen(higher ? kLeftHigher : kLeftLevelOrLower);
        else
            takeFirstOpen(higher ? kRightHigher : kRightLevelOrLower);
    } else if (dy > dx) {
        if (higher)
            takeFirstOpen(toLeft ? kHigherLeft : kHigherLevelOrRight);
        else
            takeFirstOpen(toLeft ? kLowerLeft : kLowerLevelOrRight);
    }
}

} // namespace zubble
