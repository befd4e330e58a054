#pragma once

// The side panel beside the maze: marble with three raised frames titled
// SCORE, LIVES and LEVEL. The game writes the numbers inside the frames.

#include <QImage>

QImage drawPanel(); // 138 x 435
