#pragma once

namespace zubble {

// What differs between the two level screens besides their boards.
struct LevelRules {
    const char* formName; // "frmLevel1" or "frmLevel2"
    bool isFirst; // frmLevel1: New Game restarts in place, its timers run from creation
    const char* rulesTitle;
    const char* rulesText;
};

inline constexpr LevelRules kLevel1Rules{
    "frmLevel1",
    true,
    "About Zubble",
    "Use the arrow keys to control Zubble.\r\n"
    "Eat dots and don't hit the ghosts--it's\r\n"
    "pretty basic.  Press ESC to pause the\r\n"
    "game and start it up again.",
};

inline constexpr LevelRules kLevel2Rules{
    "frmLevel2",
    false,
    "Zubble for Dummies",
    "Use the arrow keys to control Zubble.\r\n"
    "Eat dots and don't hit the ghosts--it's\r\n"
    "pretty basic.  The 'p' key pauses the\r\n"
    "game and then starts it up again.",
};

} // namespace zubble
