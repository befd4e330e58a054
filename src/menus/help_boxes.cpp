#include "platform/desktop.h"
#include "screen/game.h"
#include "screen/level_screen.h"

namespace zubble {
namespace {

constexpr const char* kAboutTitle = "About Zubble";
constexpr const char* kAboutText =
    "Zubble was made in December 2026.\r\n"
    "Programming: the Zubble team\r\n"
    "Graphics: the Zubble team, drawn by its own generator\r\n"
    "Moral support: everyone who kept the dots coming";

} // namespace

// Both help boxes pause the game around themselves by toggling Pause Game,
// so a paused game runs while the box is open and is paused again after it.
void LevelScreen::mnuRules_Click()
{
    mnuPauseGame_Click();
    game.desktop.MsgBox(rules.rulesText, rules.rulesTitle);
    mnuPauseGame_Click();
}

void LevelScreen::mnuAbout_Click()
{
    mnuPauseGame_Click();
    game.desktop.MsgBox(kAboutText, kAboutTitle);
    mnuPauseGame_Click();
}

} // namespace zubble
