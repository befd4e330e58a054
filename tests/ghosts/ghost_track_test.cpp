#include "support/game_fixture.h"

#include <array>
#include <string>

namespace zubble::testing {
namespace {

constexpr float kGhostAt = 1000; // the ghost stands at (1000, 1000)

// Where the player stands seen from the ghost, and the ghost's first, second
// and third choice of way; the fourth way is never taken.
struct Bearing {
    const char* name;
    float playerLeft;
    float playerTop;
    std::array<int, 3> choices;
};

constexpr Bearing kBearings[] = {
    // Farther across than up or down: the ghost goes sideways first.
    {"LeftAndHigher", 200, 700, {2, 3, 1}},
    {"LeftAndLower", 200, 1300, {2, 4, 1}},
    {"LeftOnSameRow", 200, 1000, {2, 4, 1}},
    {"RightAndHigher", 1800, 700, {1, 3, 2}},
    {"RightAndLower", 1800, 1300, {1, 4, 2}},
    {"RightOnSameRow", 1800, 1000, {1, 4, 2}},
    // Farther up or down than across: the ghost goes up or down first.
    {"HigherAndLeft", 700, 200, {3, 2, 4}},
    {"HigherAndRight", 1300, 200, {3, 1, 4}},
    {"HigherInSameColumn", 1000, 200, {3, 1, 4}},
    {"LowerAndLeft", 700, 1800, {4, 2, 3}},
    {"LowerAndRight", 1300, 1800, {4, 1, 3}},
    {"LowerInSameColumn", 1000, 1600, {4, 1, 3}},
};

constexpr int kNoWay = 0; // a ghost's way before the aim, to see it left alone

class GhostTrackTest : public GameFixture {
protected:
    void SetUp() override { start(); }

    // Ghost `index` at (1000, 1000) heading nowhere, the player at this place,
    // and the open ways as a wall scan would have left them.
    void arrange(int index, float playerLeft, float playerTop, std::array<int, 4> open)
    {
        LevelScreen& screen = level1();
        for (int i = 0; i < kGhostCount; ++i)
            screen.GhostDir[i] = kNoWay;
        screen.imgGhost[index].Left = kGhostAt;
        screen.imgGhost[index].Top = kGhostAt;
        screen.imgZubble.Left = playerLeft;
        screen.imgZubble.Top = playerTop;
        screen.CanRight = open[0];
        screen.CanLeft = open[1];
        screen.CanUp = open[2];
        screen.CanDown = open[3];
        screen.Num = index;
    }
};

// The ghost takes the first of its three choices that is open; with all three
// closed it keeps its way even though the fourth is open.
TEST_F(GhostTrackTest, GhostTakesFirstOpenChoiceTowardPlayer)
{
    int row = 0;
    for (const Bearing& bearing : kBearings) {
        for (int closed = 0; closed <= 3; ++closed, ++row) {
            const int index = row % kGhostCount;
            SCOPED_TRACE(std::string(bearing.name) + ", first " + std::to_string(closed)
                + " choices closed, ghost " + std::to_string(index));
            std::array<int, 4> open{1, 1, 1, 1};
            for (int i = 0; i < closed; ++i)
                open[bearing.choices[i] - 1] = 0;
            arrange(index, bearing.playerLeft, bearing.playerTop, open);

            level1().GhostTrack();

            const int expected = closed < 3 ? bearing.choices[closed] : kNoWay;
            for (int i = 0; i < kGhostCount; ++i)
                EXPECT_EQ(level1().GhostDir[i], i == index ? expected : kNoWay) << "ghost " << i;
        }
    }
}

// On a diagonal the ghost keeps its way, whatever is open.
TEST_F(GhostTrackTest, PlayerOnDiagonalLeavesWayUnchanged)
{
    const float diagonals[][2] = {{1400, 1400}, {600, 600}, {1400, 600}, {600, 1400}};
    const std::array<int, 4> openings[] = {{1, 1, 1, 1}, {0, 1, 0, 1}, {1, 0, 1, 0}};
    for (const auto& player : diagonals) {
        for (const auto& open : openings) {
            SCOPED_TRACE("player (" + std::to_string(player[0]) + ", "
                + std::to_string(player[1]) + ")");
            arrange(1, player[0], player[1], open);
            level1().GhostDir[1] = 2;
            level1().GhostTrack();
            EXPECT_EQ(level1().GhostDir[1], 2);
        }
    }
}

// On the real board: ghost 0 stuck in the bottom-right corner above wall 0
// finds down closed and the rest open, and turns up toward the player.
TEST_F(GhostTrackTest, GhostStuckAboveBottomWallTurnsUpTowardPlayer)
{
    LevelScreen& screen = level1();
    screen.imgGhost[0].Left = 5280;
    screen.imgGhost[0].Top = 5680;
    screen.GhostDir[0] = 4;
    screen.findOpenWays(screen.imgGhost[0]);
    EXPECT_EQ(screen.CanRight, 1);
    EXPECT_EQ(screen.CanLeft, 1);
    EXPECT_EQ(screen.CanUp, 1);
    EXPECT_EQ(screen.CanDown, 0);

    screen.Num = 0;
    screen.GhostTrack();
    EXPECT_EQ(screen.GhostDir[0], 3);
}

} // namespace
} // namespace zubble::testing
