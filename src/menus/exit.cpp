#include "platform/desktop.h"
#include "screen/game.h"
#include "screen/level_screen.h"

namespace zubble {

void LevelScreen::mnuExit_Click() { game.desktop.End(); }

} // namespace zubble
