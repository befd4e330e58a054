#pragma once

// The four ghosts that chase Zub. They share one shape and differ only in
// body colour: 0 magenta, 1 red, 2 green, 3 cyan.

#include <QImage>

inline constexpr int kGhostCount = 4;

QImage drawGhost(int ghost); // 33 x 33, transparent around the body
