#include "platform/caption_number.h"
#include "rules/eating.h"
#include "screen/level_screen.h"

namespace zubble {

inline constexpr double kLargeDotPoints = 500;

// A large dot sends the ghosts away; they come back where they vanished after
// (200 - Speed) / 3 ticks, reckoned with the Speed of each tick.
void LevelScreen::LargeScore()
{
    for (Counter = 0; Counter <= kLargeDotCount - 1; ++Counter) {
        if (eats(imgZubble, shpLarge[Counter])) {
            shpLarge[Counter].Visible = false;
            HideGhosts = 1;
            GhostsAway = 1;
            Nogotime = 0;
            platform::addToCaption(lblScore.Caption, kLargeDotPoints);
        }
    }
    if (HideGhosts == 1) {
        for (Num = 0; Num <= kGhostCount - 1; ++Num) {
            GhostDir[Num] = 0;
            imgGhost[Num].Visible = false;
        }
        HideGhosts = 0;
    }
    if (GhostsAway == 1)
        Nogotime = Nogotime + 1;
    if (Nogotime > (200.0 - Speed) / 3.0) {
        Nogotime = 0;
        GhostsAway = 0;
        for (Num = 0; Num <= kGhostCount - 1; ++Num) {
            imgGhost[Num].Visible = true;
            GhostTrack();
        }
    }
}

} // namespace zubble
