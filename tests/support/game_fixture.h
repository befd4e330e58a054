#pragma once

#include "platform/headless/headless_desktop.h"
#include "screen/game.h"
#include "screen/level_screen.h"
#include "speed/speed_window.h"

#include <gtest/gtest.h>

#include <array>

namespace zubble::testing {

// The random number that the load steps turn into this ghost direction (1..4).
inline double randomForDirection(int direction) { return (direction - 1) / 4.0 + 0.1; }

// The real game on the headless desktop.
class GameFixture : public ::testing::Test {
protected:
    platform::HeadlessDesktop desktop;
    Game game{desktop};

    // Starts the program with these ghost directions drawn at load.
    void start(std::array<int, 4> directions = {4, 1, 3, 2})
    {
        for (int direction : directions)
            desktop.queueRandom(randomForDirection(direction));
        game.start();
    }
    LevelScreen& level1() { return game.frmLevel1(); }
    LevelScreen& level2() { return game.frmLevel2(); }

    // Takes the ghosts out of a test of something else: hidden ghosts never
    // touch the player and never turn.
    static void sendGhostsAway(LevelScreen& screen)
    {
        for (int i = 0; i < kGhostCount; ++i) {
            screen.imgGhost[i].Visible = false;
            screen.GhostDir[i] = 0;
        }
        screen.GhostsAway = 1;
        screen.Nogotime = -1'000'000; // far from coming back
    }
};

} // namespace zubble::testing
