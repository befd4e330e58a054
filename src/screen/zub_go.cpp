#include "screen/level_screen.h"
#include "screen/step.h"

namespace zubble {

// The player's step: no memory of an earlier direction, so a blocked request
// stops the player until another key comes.
void LevelScreen::ZubGo()
{
    findOpenWays(imgZubble);
    stepIfOpen(imgZubble, Motion, float(Speed), CanRight, CanLeft, CanUp, CanDown);
}

} // namespace zubble
