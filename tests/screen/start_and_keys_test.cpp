#include "platform/key_codes.h"
#include "support/game_fixture.h"

namespace zubble {
namespace {

using testing::GameFixture;
using namespace platform;

class StartTest : public GameFixture {};

TEST_F(StartTest, LoadStepsDrawFourDirectionsAndSetTheSpeed)
{
    for (double value : {0.9, 0.0, 0.5, 0.25})
        desktop.queueRandom(value);
    game.start();
    LevelScreen& s = level1();
    EXPECT_EQ(s.GhostDir[0], 4);
    EXPECT_EQ(s.GhostDir[1], 1);
    EXPECT_EQ(s.GhostDir[2], 3);
    EXPECT_EQ(s.GhostDir[3], 2);
    EXPECT_EQ(s.Num, 4);
    EXPECT_EQ(s.Speed, 80);
    EXPECT_EQ(s.AnimDir, 0);
    EXPECT_EQ(desktop.randomizeCount, 1);
    EXPECT_TRUE(s.form.Visible());
    EXPECT_TRUE(s.tmrZub.Enabled);
    EXPECT_TRUE(s.tmrAnim.Enabled);
    EXPECT_EQ(desktop.focused(), &s.form);
    // Nothing else exists until code touches it.
    EXPECT_EQ(game.level2IfCreated(), nullptr);
    EXPECT_EQ(game.speedIfLoaded(), nullptr);
}

// frmLevel2, created by touching it, loads with its own draw and stays hidden
// and stopped.
TEST_F(StartTest, SecondScreenIsCreatedOnceHiddenAndStopped)
{
    start();
    desktop.queueRandom(0.0);
    LevelScreen& second = level2();
    EXPECT_EQ(&second, &level2());
    EXPECT_EQ(desktop.randomizeCount, 2);
    EXPECT_EQ(second.GhostDir[0], 1);
    EXPECT_FALSE(second.form.Visible());
    EXPECT_FALSE(second.tmrZub.Enabled);
    EXPECT_FALSE(second.tmrAnim.Enabled);
}

// The first fast tick brings up the speed window with "Normal" and hands the
// keys straight back to the level screen.
TEST_F(StartTest, FirstTickShowsTheSpeedWindowAndKeepsTheKeys)
{
    start();
    level1().Speed = 10;
    desktop.tick();
    SpeedWindow* speed = game.speedIfLoaded();
    ASSERT_NE(speed, nullptr);
    EXPECT_TRUE(speed->form.Visible());
    EXPECT_EQ(speed->options.buttons[speed->options.selected()].name, "opt2");
    EXPECT_EQ(level1().Speed, 80);
    EXPECT_EQ(desktop.focused(), &level1().form);
}

TEST_F(StartTest, PlayerStandsStillUntilTheFirstKeyWhileGhostsMove)
{
    start({4, 4, 4, 4});
    desktop.tick(5);
    EXPECT_EQ(level1().imgZubble.Left, 2760);
    EXPECT_EQ(level1().imgZubble.Top, 2880);
    EXPECT_EQ(level1().imgGhost[0].Top, 240 + 5 * 80);
}

class KeyTest : public GameFixture {};

TEST_F(KeyTest, ArrowsSetTheRequestedDirectionAndOtherKeysDoNothing)
{
    start();
    const struct {
        int code;
        int shift;
        int motion;
    } cases[] = {
        {kKeyRight, 0, 1}, {kKeyLeft, 0, 2}, {kKeyUp, 0, 3}, {kKeyDown, 0, 4},
        {kKeyUp, kShiftMask | kCtrlMask | kAltMask, 3}, // modifiers do not matter
        {'A', 0, 0}, {'P', 0, 0}, {'0', 0, 0}, {13, 0, 0}, {32, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        level1().Motion = 0;
        level1().form.KeyDown(c.code, c.shift);
        EXPECT_EQ(level1().Motion, c.motion);
        EXPECT_FALSE(level1().mnuPauseGame().Checked);
    }
}

// The last key-down wins, and releasing a key changes nothing: the player goes
// on until a wall stops it.
TEST_F(KeyTest, LastArrowWinsAndKeepsGoing)
{
    start();
    sendGhostsAway(level1());
    level1().form.KeyDown(kKeyRight, 0);
    level1().form.KeyDown(kKeyUp, 0);
    level1().form.KeyDown(kKeyUp, 0); // a held key repeats
    desktop.tick(13);
    EXPECT_EQ(level1().imgZubble.Top, 1840);
}

TEST_F(KeyTest, EscapePausesAndResumesWhileArrowsStillSteer)
{
    start();
    LevelScreen& s = level1();
    s.form.KeyDown(kKeyEscape, 0);
    EXPECT_TRUE(s.mnuPauseGame().Checked);
    EXPECT_FALSE(s.tmrZub.Enabled);
    EXPECT_FALSE(s.tmrAnim.Enabled);
    s.form.KeyDown(kKeyUp, 0);
    EXPECT_EQ(s.Motion, 3);
    desktop.tick(3);
    EXPECT_EQ(s.imgZubble.Top, 2880);
    s.form.KeyDown(kKeyEscape, 0);
    EXPECT_FALSE(s.mnuPauseGame().Checked);
    desktop.tick(1);
    EXPECT_EQ(s.imgZubble.Top, 2800);
}

class AnimationTest : public GameFixture {};

TEST_F(AnimationTest, MouthPingPongsOverTheFiveFrames)
{
    start();
    LevelScreen& s = level1();
    EXPECT_EQ(s.imgZubble.Picture, s.imgZub[1].Picture);
    const int expected[] = {1, 2, 3, 4, 3, 2, 1, 0, 1, 2, 3, 4, 3};
    for (int frame : expected) {
        desktop.anim(1);
        EXPECT_EQ(s.AnimFrame, frame);
        EXPECT_EQ(s.imgZubble.Picture, s.imgZub[frame].Picture);
    }
}

TEST_F(AnimationTest, PauseStopsTheMouthAndResumeGoesOnFromTheSameFrame)
{
    start();
    LevelScreen& s = level1();
    desktop.anim(5); // frames 1 2 3 4 3: counting down
    s.form.KeyDown(kKeyEscape, 0);
    desktop.anim(4);
    EXPECT_EQ(s.AnimFrame, 3);
    s.form.KeyDown(kKeyEscape, 0);
    desktop.anim(1);
    EXPECT_EQ(s.AnimFrame, 2);
}

} // namespace
} // namespace zubble
