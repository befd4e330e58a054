#include "support/game_fixture.h"

namespace zubble {
namespace {

using testing::GameFixture;

// A small scene in level 1's top corridor: the player at (2160, 240) heading
// right will reach dot 28 (2760, 360) with its next step, and ghost 0 stands
// where only the player's new place covers its centre.
class FastTickScene : public GameFixture {
protected:
    void SetUp() override
    {
        start({1, 1, 1, 1});
        desktop.tick(); // the speed window is up
        LevelScreen& s = level1();
        s.imgZubble.Left = 2160;
        s.imgZubble.Top = 240;
        s.Motion = 1;
        for (int i = 0; i < kGhostCount; ++i)
            s.GhostDir[i] = 0;
        s.imgGhost[0].Left = 2460; // centre x 2707.5: beyond the old right edge 2685
        s.imgGhost[0].Top = 300;
    }
};

// The player moves before the ghosts, and dots are eaten after both: a ghost
// that meets the player's new place takes a life, and the dot the player
// reached is not eaten since the player is back at its start.
TEST_F(FastTickScene, PlayerMovesThenGhostsThenDots)
{
    desktop.tick();
    LevelScreen& s = level1();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].title, "Lives Left:  4");
    EXPECT_EQ(s.lbllife.Caption, "4");
    EXPECT_TRUE(s.shpCircle[28].Visible);
    EXPECT_EQ(s.lblScore.Caption, "0");
    EXPECT_EQ(s.imgZubble.Left, 2760);
    EXPECT_EQ(s.imgZubble.Top, 2880);
    EXPECT_EQ(s.Motion, 0);
}

TEST_F(FastTickScene, WithoutTheGhostTheDotIsEatenInTheSameTick)
{
    level1().imgGhost[0].Visible = false;
    desktop.tick();
    EXPECT_FALSE(level1().shpCircle[28].Visible);
    EXPECT_EQ(level1().lblScore.Caption, "100");
}

// A box opened inside a tick holds the tick; neither the timer nor a direct
// call starts another tick of the same screen meanwhile.
TEST_F(FastTickScene, NoTickStartsWhileOneWaitsInAMessageBox)
{
    LevelScreen& s = level1();
    s.GhostDir[1] = 4; // would move if a nested tick ran
    int nestedAttempts = 0;
    desktop.onBox = [&](const platform::HeadlessDesktop::Box&) {
        const float ghostTop = s.imgGhost[1].Top;
        const float playerLeft = s.imgZubble.Left;
        s.Motion = 2;
        s.tmrZub_Timer();
        desktop.tick(3);
        EXPECT_TRUE(s.inFastTick());
        EXPECT_EQ(s.imgGhost[1].Top, ghostTop);
        EXPECT_EQ(s.imgZubble.Left, playerLeft);
        ++nestedAttempts;
    };
    desktop.tick();
    EXPECT_EQ(nestedAttempts, 1);
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_FALSE(s.inFastTick());
    // After the box the waiting tick went on: ghost 1 took one step from its corner.
    EXPECT_EQ(s.imgGhost[1].Top, 5640 + 80);
}

class ClosingTest : public GameFixture {};

// Closing either level window ends the program at once, paused or not.
TEST_F(ClosingTest, ClosingTheLevelWindowEndsTheProgram)
{
    for (bool paused : {false, true}) {
        SCOPED_TRACE(paused);
        platform::HeadlessDesktop d;
        Game g(d);
        g.start();
        d.tick();
        if (paused)
            g.frmLevel1().mnuPauseGame_Click();
        d.deliver([&] { g.frmLevel1().form.Unload(); });
        EXPECT_TRUE(d.ended());
        for (const platform::Timer* timer : d.timers.all())
            EXPECT_FALSE(timer->Enabled);
        const float ghostTop = g.frmLevel1().imgGhost[0].Top;
        d.tick(5);
        EXPECT_EQ(g.frmLevel1().imgGhost[0].Top, ghostTop);
    }
}

// Closed while "Game Over" is showing: no New Game box follows, nothing more runs.
TEST_F(ClosingTest, ClosingWhileAGameOverBoxIsOpenStopsEverything)
{
    start({1, 1, 1, 1});
    desktop.tick();
    LevelScreen& s = level1();
    s.lbllife.Caption = "1";
    s.GhostDir = {0, 0, 0, 0, 0};
    s.imgGhost[0].Left = s.imgZubble.Left; // centre inside the player
    s.imgGhost[0].Top = s.imgZubble.Top;
    desktop.onBox = [&](const platform::HeadlessDesktop::Box& box) {
        if (box.title == "Game Over")
            s.form.Unload();
    };
    desktop.tick();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].title, "Game Over");
    EXPECT_TRUE(desktop.ended());
    EXPECT_EQ(s.lbllife.Caption, "0"); // New Game never ran
}

} // namespace
} // namespace zubble
