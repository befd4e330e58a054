#pragma once

namespace zubble::platform {

// Virtual-key codes, as the game's key handler compares them.
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// Shift state bits delivered with a key-down.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

} // namespace zubble::platform
