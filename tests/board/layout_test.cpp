#include "board/level1_layout.h"
#include "board/level2_layout.h"
#include "support/game_fixture.h"

namespace zubble {
namespace {

using testing::GameFixture;

class FreshBoard : public GameFixture, public ::testing::WithParamInterface<int> {
protected:
    LevelScreen& screen() { return GetParam() == 1 ? level1() : level2(); }
};

TEST_P(FreshBoard, HasEveryObjectVisibleAndTheStartingCaptions)
{
    start();
    LevelScreen& s = screen();
    EXPECT_EQ(s.shpWall.size(), 20u);
    EXPECT_EQ(s.shpCircle.size(), 68u);
    EXPECT_EQ(s.shpLarge.size(), 9u);
    for (const auto& dot : s.shpCircle)
        EXPECT_TRUE(dot.Visible);
    for (const auto& dot : s.shpLarge)
        EXPECT_TRUE(dot.Visible);
    for (const auto& ghost : s.imgGhost)
        EXPECT_TRUE(ghost.Visible);
    EXPECT_EQ(s.lblScore.Caption, "0");
    EXPECT_EQ(s.lbllife.Caption, "5");
    EXPECT_EQ(s.lblLevel.Caption, "1");
    EXPECT_EQ(s.imgBack2.Visible, GetParam() == 2);
}

// The frame holders are objects of the screen, but always out of sight.
TEST_P(FreshBoard, FrameHoldersLieBelowTheClientArea)
{
    start();
    for (const auto& frame : screen().imgZub) {
        EXPECT_TRUE(frame.Visible);
        EXPECT_GE(frame.Top, float(kClientHeight));
    }
}

// Drawn back to front, the order puts the player over the ghosts and both over
// the board, with the panel and the background behind everything.
TEST_P(FreshBoard, DrawsInTheLevelsOrder)
{
    start();
    const auto& order = screen().form.frontToBack;
    ASSERT_EQ(order.size(), kObjectCount);
    EXPECT_EQ(order.front(), &screen().imgZubble);
    EXPECT_EQ(order[order.size() - 2], &screen().Image1);
    EXPECT_EQ(order.back(), &screen().imgBack2);
    const std::array<int, 4> ghosts1{2, 3, 1, 0};
    const std::array<int, 4> ghosts2{3, 0, 1, 2};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(order[1 + i], &screen().imgGhost[(GetParam() == 1 ? ghosts1 : ghosts2)[i]]);
}

INSTANTIATE_TEST_SUITE_P(BothLevels, FreshBoard, ::testing::Values(1, 2));

// The level-2 player starts over a whole dot (42) and 15 twips into another (57);
// the level-1 player only reaches 15 twips into dot 43.
TEST(StartPlaces, PlayerStartsOverTheDotsTheBoardsSay)
{
    const auto playerRect = [](const LevelLayout& l) { return l.imgZubble; };
    EXPECT_TRUE(playerRect(kLevel2Layout).contains(kLevel2Layout.smallDot(42)));
    EXPECT_TRUE(playerRect(kLevel2Layout).overlaps(kLevel2Layout.smallDot(57)));
    EXPECT_FALSE(playerRect(kLevel2Layout).contains(kLevel2Layout.smallDot(57)));
    EXPECT_EQ(kLevel2Layout.smallDot(57).Bottom() - kLevel2Layout.imgZubble.Top, 15);
    EXPECT_EQ(kLevel1Layout.smallDot(43).Bottom() - kLevel1Layout.imgZubble.Top, 15);
    EXPECT_LT(kLevel1Layout.smallDot(43).Top, kLevel1Layout.imgZubble.Top);
}

} // namespace
} // namespace zubble
