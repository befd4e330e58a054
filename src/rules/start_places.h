#pragma once

#include "board/level_layout.h"
#include "board/twip_rect.h"

#include <array>
#include <cstdint>

namespace zubble {

// Where a lost life, New Game and a level switch put the sprites, on either
// screen: the ghosts on the four corners, the player in the middle.
inline constexpr std::array<TwipPoint, 4> kGhostCorners{{
    {5280, 240}, {5280, 5640}, {240, 240}, {240, 5640},
}};
inline constexpr TwipPoint kPlayerRestart{2760, 2880}; // after a lost life, New Game
inline constexpr TwipPoint kPlayerLevelStart{2760, 3000}; // on the screen a switch enters

inline constexpr int kAllDots = kSmallDotCount + kLargeDotCount;
inline constexpr std::int32_t kForceReturn = 100000; // Nogotime that brings the ghosts back

} // namespace zubble
