#pragma once

// The textures that fill the maze window behind the walls, one per level.
// Both repeat seamlessly, so the game may tile them.

#include <QImage>

QImage drawPyramidTexture(); // level 1: blue pyramids seen from above, 480 x 480
QImage drawCubeTexture();    // level 2: red blocks in an isometric stack, 440 x 440
