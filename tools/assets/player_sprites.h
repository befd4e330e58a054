#pragma once

// Zub, the player: a yellow ball that chomps. Frame 0 has the mouth wide
// open, frame 4 has it shut; every frame faces right.

#include <QImage>

inline constexpr int kPlayerFrameCount = 5;

QImage drawPlayerFrame(int frame); // 35 x 35, transparent outside the ball
