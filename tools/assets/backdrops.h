#pragma once

// The soft second backgrounds shown behind the maze, one per level.

#include <QImage>

QImage drawOrangeSwirl(); // level 1, 440 x 440
QImage drawGreenClouds(); // level 2, 440 x 440, repeats seamlessly
