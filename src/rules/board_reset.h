#pragma once

#include "board/twip_rect.h"

namespace zubble {

class LevelScreen;

// The resets that a lost life, New Game and the level switch share.
void placeSprites(LevelScreen& screen, TwipPoint player);
void refillBoard(LevelScreen& screen);
void resetPanel(LevelScreen& screen);

} // namespace zubble
