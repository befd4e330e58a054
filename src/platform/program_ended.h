#pragma once

namespace zubble::platform {

// Thrown by End (and by anything that returns after End) to unwind the game
// code; caught at each backend handler boundary, never inside the game.
struct ProgramEnded final {};

} // namespace zubble::platform
