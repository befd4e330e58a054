#include "screen/level_screen.h"

namespace zubble {

// The check mark is the pause state; New Game and a level switch start the
// timers without touching it.
void LevelScreen::mnuPauseGame_Click()
{
    platform::MenuItem& item = mnuPauseGame();
    if (item.Checked) {
        item.Checked = false;
        tmrAnim.Enabled = true;
        tmrZub.Enabled = true;
    } else {
        item.Checked = true;
        tmrAnim.Enabled = false;
        tmrZub.Enabled = false;
    }
}

} // namespace zubble
