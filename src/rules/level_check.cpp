#include "platform/caption_number.h"
#include "rules/board_reset.h"
#include "rules/start_places.h"
#include "screen/game.h"
#include "screen/level_screen.h"

namespace zubble {

// Recounts the eaten dots every tick; a cleared board moves the game on.
void LevelScreen::LevelCheck()
{
    Num = 0;
    for (Counter = 0; Counter <= kSmallDotCount - 1; ++Counter)
        if (!shpCircle[Counter].Visible)
            Num = Num + 1;
    for (Counter = 0; Counter <= kLargeDotCount - 1; ++Counter)
        if (!shpLarge[Counter].Visible)
            Num = Num + 1;
    if (Num == kAllDots)
        SwitchTo(game.other(*this));
}

// The game moves to the other screen: the panel travels along, this screen
// stops and hides, the other starts where this one stood with a full board.
void LevelScreen::SwitchTo(LevelScreen& target)
{
    target.lblScore.Caption = lblScore.Caption;
    target.lbllife.Caption = lbllife.Caption;
    target.lblLevel.Caption = platform::captionText(platform::captionValue(lblLevel.Caption) + 1);
    tmrZub.Enabled = false;
    tmrAnim.Enabled = false;
    target.form.SetTop(form.Top());
    target.form.SetLeft(form.Left());
    target.tmrZub.Enabled = true;
    target.tmrAnim.Enabled = true;
    target.Motion = 0;
    placeSprites(target, kPlayerLevelStart);
    refillBoard(target);
    target.Speed = Speed;
    target.imgBack2.Visible = !target.imgBack2.Visible;
    form.Hide();
    target.form.Show();
    target.Nogotime = kForceReturn;
}

} // namespace zubble
