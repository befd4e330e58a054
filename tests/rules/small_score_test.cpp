#include "support/game_fixture.h"

#include <string>

namespace zubble::testing {
namespace {

class SmallScoreTest : public GameFixture {
protected:
    void SetUp() override { start(); }

    LevelScreen& screen() { return level1(); }

    // Only this dot is left on the board, so the score tells about it alone.
    void leaveOnlyDot(int index)
    {
        for (int i = 0; i < kSmallDotCount; ++i)
            screen().shpCircle[i].Visible = i == index;
    }
    void putPlayer(float left, float top)
    {
        screen().imgZubble.Left = left;
        screen().imgZubble.Top = top;
    }
    int hiddenDots(const LevelScreen& s) const
    {
        int hidden = 0;
        for (const auto& dot : s.shpCircle)
            hidden += dot.Visible ? 0 : 1;
        return hidden;
    }
};

// A dot is eaten when its top-left corner lies strictly inside the player;
// corners on an edge, or just outside while the shapes overlap, are not.
TEST_F(SmallScoreTest, DotEatenOnlyWithCornerStrictlyInsidePlayer)
{
    struct Case {
        const char* name;
        float left; // of the player, from the dot's corner
        float top;
        bool eaten;
    };
    constexpr int kDot = 42;
    const float x = screen().shpCircle[kDot].Left;
    const float y = screen().shpCircle[kDot].Top;
    const float size = kZubbleSize;
    const Case cases[] = {
        {"CornerWellInside", x - 200, y - 200, true},
        {"DotLeftOnPlayerLeft", x, y - 200, false},
        {"DotLeftOneTwipRightOfPlayerLeft", x - 1, y - 200, true},
        {"DotTopOnPlayerTop", x - 200, y, false},
        {"DotTopOneTwipBelowPlayerTop", x - 200, y - 1, true},
        {"DotLeftOnPlayerRight", x - size, y - 200, false},
        {"DotLeftOneTwipLeftOfPlayerRight", x - size + 1, y - 200, true},
        {"DotTopOnPlayerBottom", x - 200, y - size, false},
        {"DotTopOneTwipAbovePlayerBottom", x - 200, y - size + 1, true},
        {"CornerJustLeftOfPlayerShapesOverlap", x + 1, y - 200, false},
        {"CornerJustAbovePlayerShapesOverlap", x - 200, y + 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        leaveOnlyDot(kDot);
        screen().lblScore.Caption = "0";
        putPlayer(c.left, c.top);

        screen().SmallScore();

        EXPECT_EQ(screen().shpCircle[kDot].Visible, !c.eaten);
        EXPECT_EQ(screen().lblScore.Caption, c.eaten ? "100" : "0");
    }
}

// The panel keeps the score as text: it is read as a number and written back
// in its shortest form.
TEST_F(SmallScoreTest, DotAddsHundredToScoreCaption)
{
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {{"0", "100"}, {"1500", "1600"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        leaveOnlyDot(42);
        screen().lblScore.Caption = c.before;
        putPlayer(2780, 3400);
        screen().SmallScore();
        EXPECT_EQ(screen().lblScore.Caption, c.after);
    }
}

// Dots 46 and 57 stand 480 twips apart in one column; the player covers both.
TEST_F(SmallScoreTest, TwoDotsUnderPlayerScoreTwoHundred)
{
    putPlayer(3800, 2150);
    screen().SmallScore();
    EXPECT_FALSE(screen().shpCircle[46].Visible);
    EXPECT_FALSE(screen().shpCircle[57].Visible);
    EXPECT_EQ(hiddenDots(screen()), 2);
    EXPECT_EQ(screen().lblScore.Caption, "200");
}

TEST_F(SmallScoreTest, EatenDotStaysGoneWhenPlayerPassesAgain)
{
    putPlayer(2780, 3400); // over dot 42
    screen().SmallScore();
    ASSERT_EQ(screen().lblScore.Caption, "100");

    putPlayer(2760, 2880);
    screen().SmallScore();
    putPlayer(2780, 3400);
    screen().SmallScore();

    EXPECT_FALSE(screen().shpCircle[42].Visible);
    EXPECT_EQ(hiddenDots(screen()), 1);
    EXPECT_EQ(screen().lblScore.Caption, "100");
}

// Where each board puts the player first: level 1 has no dot under it;
// level 2's start covers dot 42, while dot 57 just above is not eaten.
TEST_F(SmallScoreTest, StartPlaceEatsOnlyDotsUnderPlayer)
{
    level1().SmallScore();
    EXPECT_EQ(hiddenDots(level1()), 0);
    EXPECT_EQ(level1().lblScore.Caption, "0");

    LevelScreen& second = level2();
    ASSERT_EQ(second.imgZubble.Left, 2760);
    ASSERT_EQ(second.imgZubble.Top, 3000);
    second.SmallScore();
    EXPECT_FALSE(second.shpCircle[42].Visible);
    EXPECT_TRUE(second.shpCircle[57].Visible);
    EXPECT_EQ(hiddenDots(second), 1);
    EXPECT_EQ(second.lblScore.Caption, "100");
}

} // namespace
} // namespace zubble::testing
