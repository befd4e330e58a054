#include "platform/caption_number.h"
#include "platform/desktop.h"
#include "rules/board_reset.h"
#include "rules/start_places.h"
#include "screen/game.h"
#include "screen/level_screen.h"

#include <string>

namespace zubble {

// A ghost touched the player: one life less, everybody back to the start,
// a word to the player, and a new game after the last life.
void LevelScreen::LoseLife()
{
    platform::addToCaption(lbllife.Caption, -1);
    placeSprites(*this, kPlayerRestart);

    const double livesLeft = platform::captionValue(lbllife.Caption);
    std::string title;
    std::string text = "Try to avoid the ghosts!";
    if (livesLeft == 1)
        title = "Only " + lbllife.Caption + " life left!";
    if (livesLeft > 1)
        title = "Lives Left:  " + lbllife.Caption;
    if (livesLeft <= 0) {
        title = "Game Over";
        text = "You leave with a whopping \r\n" + lblScore.Caption + " points!";
    }
    game.desktop.MsgBox(text, title);
    Motion = 0;
    if (platform::captionValue(lbllife.Caption) <= 0)
        mnuNewGame_Click();
}

} // namespace zubble
