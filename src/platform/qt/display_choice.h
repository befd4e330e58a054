#pragma once

namespace zubble::platform {

// On a Wayland desktop a program cannot place its own windows, and the speed
// window must sit against the level window: ask Qt for XWayland when there is
// one, unless the user chose a platform. Call before the QApplication exists.
void preferXWayland();

} // namespace zubble::platform
