#include "rules/board_reset.h"

#include "rules/start_places.h"
#include "screen/level_screen.h"

namespace zubble {

// The player first, then ghosts 0 to 3, each Left before Top.
void placeSprites(LevelScreen& screen, TwipPoint player)
{
    screen.imgZubble.Left = float(player.Left);
    screen.imgZubble.Top = float(player.Top);
    for (int i = 0; i < kGhostCount; ++i) {
        screen.imgGhost[i].Left = float(kGhostCorners[i].Left);
        screen.imgGhost[i].Top = float(kGhostCorners[i].Top);
    }
}

void refillBoard(LevelScreen& screen)
{
    for (auto& dot : screen.shpCircle)
        dot.Visible = true;
    for (auto& dot : screen.shpLarge)
        dot.Visible = true;
}

void resetPanel(LevelScreen& screen)
{
    screen.lbllife.Caption = "5";
    screen.lblScore.Caption = "0";
    screen.lblLevel.Caption = "1";
}

} // namespace zubble
