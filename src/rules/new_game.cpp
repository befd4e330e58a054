#include "platform/desktop.h"
#include "rules/board_reset.h"
#include "rules/start_places.h"
#include "screen/game.h"
#include "screen/level_screen.h"
#include "speed/speed_window.h"

namespace zubble {
namespace {

constexpr const char* kNewGameText = "Get Ready to Start Over...";
constexpr const char* kNewGameTitle = "New Game";
constexpr int kNormalSpeed = 80;

// Level 1 restarts in place; from level 2 the game goes back to frmLevel1.
void restartInPlace(LevelScreen& screen)
{
    Game& game = screen.game;
    screen.Motion = 0;
    resetPanel(screen);
    placeSprites(screen, kPlayerRestart);
    game.frmLevel2().imgBack2.Visible = true;
    screen.imgBack2.Visible = false;
    refillBoard(screen);
    game.frmSpeed().selectNormal();
    screen.Speed = kNormalSpeed;
    game.desktop.MsgBox(kNewGameText, kNewGameTitle);
    screen.tmrAnim.Enabled = true;
    screen.tmrZub.Enabled = true;
}

void restartOnLevel1(LevelScreen& screen)
{
    Game& game = screen.game;
    screen.tmrAnim.Enabled = false;
    screen.tmrZub.Enabled = false;
    LevelScreen& frmLevel1 = game.frmLevel1();
    frmLevel1.Motion = 0;
    resetPanel(frmLevel1);
    frmLevel1.imgBack2.Visible = false;
    screen.imgBack2.Visible = true;
    placeSprites(frmLevel1, kPlayerRestart);
    refillBoard(frmLevel1);
    game.frmSpeed().selectNormal();
    frmLevel1.Speed = kNormalSpeed;
    screen.form.Hide();
    frmLevel1.form.Show();
    game.desktop.MsgBox(kNewGameText, kNewGameTitle);
    frmLevel1.tmrAnim.Enabled = true;
    frmLevel1.tmrZub.Enabled = true;
    frmLevel1.Nogotime = kForceReturn;
}

} // namespace

void LevelScreen::mnuNewGame_Click()
{
    if (rules.isFirst)
        restartInPlace(*this);
    else
        restartOnLevel1(*this);
}

} // namespace zubble
