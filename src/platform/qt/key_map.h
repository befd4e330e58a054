#pragma once

class QKeyEvent;

namespace zubble::platform {

// The virtual-key code of a Qt key press (0 for keys the game cannot name),
// and the Shift/Ctrl/Alt bits that come with it.
int virtualKeyCode(const QKeyEvent& event);
int shiftState(const QKeyEvent& event);

} // namespace zubble::platform
