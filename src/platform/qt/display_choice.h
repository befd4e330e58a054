#pragma once

namespace zubble::platform {

// On a Wayland desktop a program cannot place its own windows, and the speed
// window must sit against the level window: ask Qt for XWayland when there is
// one, unless the user chose a platform. Call before the QApplication exists.
void preferXWayland();

// The game repaints a few small sprites 64 times a second: plain X image
// transfers cost less than shared-memory ones, which wait for the server to
// finish with each. The user's own setting stays.
void preferPlainImageTransfers();

} // namespace zubble::platform
