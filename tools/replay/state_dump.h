#pragma once

#include <string>

namespace zubble {
class Game;
}

namespace zubble::replay {

// The whole state of the program as one JSON line: which screen shows, both
// level screens and the speed window.
std::string dumpState(Game& game);

} // namespace zubble::replay
