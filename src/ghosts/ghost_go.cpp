#include "screen/level_screen.h"
#include "screen/step.h"

namespace zubble {

// Each ghost in index order: open ways, one step, a new aim when it did not
// move, then the contact test, which costs a life at once.
void LevelScreen::GhostGo()
{
    for (Num = 0; Num <= kGhostCount - 1; ++Num) {
        platform::Image& ghost = imgGhost[Num];
        findOpenWays(ghost);
        GhostOldLeft[Num] = ghost.Left;
        GhostOldTop[Num] = ghost.Top;
        stepIfOpen(ghost, GhostDir[Num], float(Speed), CanRight, CanLeft, CanUp, CanDown);

        if (ghost.Left == GhostOldLeft[Num] && ghost.Top == GhostOldTop[Num] && GhostsAway == 0)
            GhostTrack();

        GhostMidX[Num] = (2 * ghost.Left + ghost.Width) / 2;
        GhostMidY[Num] = (2 * ghost.Top + ghost.Height) / 2;

        // Only the ghost's centre strictly inside the player counts as contact.
        const platform::Image& player = imgZubble;
        if (ghost.Visible && GhostMidX[Num] > player.Left && GhostMidX[Num] < player.Right()
            && GhostMidY[Num] > player.Top && GhostMidY[Num] < player.Bottom())
            LoseLife();
    }
}

} // namespace zubble
