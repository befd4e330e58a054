#include "support/game_fixture.h"

#include "platform/key_codes.h"

#include <ostream>

namespace zubble::testing {
namespace {

struct Place {
    float left;
    float top;
};

// A walk of the player from its start place: an optional lead-in of whole
// steps, then one direction held until a wall refuses it.
struct ZubWalk {
    const char* name;
    int level;
    int speed;
    int leadMotion; // walked first for leadSteps steps (0: no lead-in)
    int leadSteps;
    int motion;
    int steps; // steps taken before the wall ahead refuses the next one
    Place stop;
    int stillOpen; // a way that must read open where the player stops (0: none)
};

void PrintTo(const ZubWalk& walk, std::ostream* os) { *os << walk.name; }

constexpr ZubWalk kZubWalks[] = {
    // Level 1 starts at (2760, 2880).
    {"RightRefusedAtOnceWallIs75Away", 1, 80, 0, 0, 1, 0, {2760, 2880}, 0},
    {"LeftOneStepThenRefused", 1, 80, 0, 0, 2, 1, {2680, 2880}, 0},
    {"UpThirteenSteps", 1, 80, 0, 0, 3, 13, {2760, 1840}, 0},
    {"DownThirtyFiveSteps", 1, 80, 0, 0, 4, 35, {2760, 5680}, 0},
    {"VeryFastUpStopsAfterFive", 1, 180, 0, 0, 3, 5, {2760, 1980}, 0},
    {"VeryFastRightRefusedAtOnce", 1, 180, 0, 0, 1, 0, {2760, 2880}, 0},
    {"VeryFastLeftRefusedAtOnce", 1, 180, 0, 0, 2, 0, {2760, 2880}, 0},
    {"VerySlowRightCreepsSevenSteps", 1, 10, 0, 0, 1, 7, {2830, 2880}, 0},
    // A refused turn stops the player even though its old way is still free.
    {"RightAfterThreeDownStopsAndStays", 1, 80, 4, 3, 1, 0, {2760, 3120}, 4},
    {"NoMotionNeverMoves", 1, 80, 0, 0, 0, 0, {2760, 2880}, 0},
    // Level 2 starts at (2760, 3000).
    {"Level2DownRefusedAtOnce", 2, 80, 0, 0, 4, 0, {2760, 3000}, 0},
    {"Level2RightElevenSteps", 2, 80, 0, 0, 1, 11, {3640, 3000}, 0},
    {"Level2LeftTwentyTwoSteps", 2, 80, 0, 0, 2, 22, {1000, 3000}, 0},
    {"Level2UpTwentyFiveSteps", 2, 80, 0, 0, 3, 25, {2760, 1000}, 0},
};

Place stepFrom(Place from, int motion, float distance)
{
    switch (motion) {
    case 1: return {from.left + distance, from.top};
    case 2: return {from.left - distance, from.top};
    case 3: return {from.left, from.top - distance};
    case 4: return {from.left, from.top + distance};
    default: return from;
    }
}

int wayFlag(const LevelScreen& screen, int motion)
{
    switch (motion) {
    case 1: return screen.CanRight;
    case 2: return screen.CanLeft;
    case 3: return screen.CanUp;
    default: return screen.CanDown;
    }
}

class ZubGoWalk : public GameFixture, public ::testing::WithParamInterface<ZubWalk> {};

TEST_P(ZubGoWalk, PlayerStepsUntilWallAheadThenStays)
{
    const ZubWalk& walk = GetParam();
    start();
    LevelScreen& screen = walk.level == 1 ? level1() : level2();
    screen.Speed = walk.speed;
    const float speed = float(walk.speed);

    Place at{screen.imgZubble.Left, screen.imgZubble.Top};
    screen.Motion = walk.leadMotion;
    for (int i = 0; i < walk.leadSteps; ++i) {
        screen.ZubGo();
        at = stepFrom(at, walk.leadMotion, speed);
    }

    screen.Motion = walk.motion;
    for (int step = 1; step <= walk.steps; ++step) {
        screen.ZubGo();
        at = stepFrom(at, walk.motion, speed);
        ASSERT_EQ(screen.imgZubble.Left, at.left) << "step " << step;
        ASSERT_EQ(screen.imgZubble.Top, at.top) << "step " << step;
    }
    EXPECT_EQ(at.left, walk.stop.left);
    EXPECT_EQ(at.top, walk.stop.top);

    // Refused from here on, however long the key is held.
    for (int extra = 1; extra <= 5; ++extra) {
        screen.ZubGo();
        ASSERT_EQ(screen.imgZubble.Left, walk.stop.left) << "extra call " << extra;
        ASSERT_EQ(screen.imgZubble.Top, walk.stop.top) << "extra call " << extra;
    }
    if (walk.motion != 0) {
        EXPECT_EQ(wayFlag(screen, walk.motion), 0) << "the way held should read closed";
    }
    if (walk.stillOpen != 0) {
        EXPECT_EQ(wayFlag(screen, walk.stillOpen), 1) << "the old way should still read open";
    }
    EXPECT_EQ(screen.Motion, walk.motion) << "a refused step leaves the request standing";
}

INSTANTIATE_TEST_SUITE_P(Boards, ZubGoWalk, ::testing::ValuesIn(kZubWalks),
    [](const ::testing::TestParamInfo<ZubWalk>& info) { return std::string(info.param.name); });

class ZubGoTest : public GameFixture {};

// A wall exactly one step ahead already refuses the step, one twip farther it
// does not; a wall whose edge is flush with the player's side counts as being
// in the way. Level 1 walls at Normal speed.
TEST_F(ZubGoTest, WallWithinOneStepRefusesStepTouchingEdgesIncluded)
{
    struct Case {
        const char* name;
        Place from;
        int motion;
        bool steps;
    };
    const Case cases[] = {
        {"Wall10ExactlyOneStepRight", {3360 - 80 - 525, 2880}, 1, false},
        {"Wall10OneTwipBeyondOneStepRight", {3360 - 81 - 525, 2880}, 1, true},
        {"Wall2ExactlyOneStepLeft", {2655 + 80, 2880}, 2, false},
        {"Wall2OneTwipBeyondOneStepLeft", {2655 + 81, 2880}, 2, true},
        {"Wall14ExactlyOneStepUp", {2760, 1815 + 80}, 3, false},
        {"Wall14OneTwipBeyondOneStepUp", {2760, 1815 + 81}, 3, true},
        {"Wall0ExactlyOneStepDown", {2760, 6240 - 80 - 525}, 4, false},
        {"Wall0OneTwipBeyondOneStepDown", {2760, 6240 - 81 - 525}, 4, true},
        // Standing flush against the wall: no step into it.
        {"FlushAgainstWall10Right", {3360 - 525, 2880}, 1, false},
        {"FlushAgainstWall2Left", {2655, 2880}, 2, false},
        {"FlushAgainstWall14Up", {2760, 1815}, 3, false},
        {"FlushAgainstWall0Down", {2760, 6240 - 525}, 4, false},
        // Wall 10's bottom on the player's top, the wall 40 twips to the right.
        {"Wall10BottomFlushWithTopBlocksRight", {3360 - 40 - 525, 3855}, 1, false},
        {"Wall10BottomOneTwipAboveTopLetsRight", {3360 - 40 - 525, 3856}, 1, true},
        // Wall 7's right edge on the player's left, the wall 40 twips below.
        {"Wall7RightFlushWithLeftBlocksDown", {2655, 3720 - 40 - 525}, 4, false},
        {"Wall7RightOneTwipLeftOfPlayerLetsDown", {2656, 3720 - 40 - 525}, 4, true},
        // Wall 12's left edge on the player's right, the wall 40 twips above.
        {"Wall12LeftFlushWithRightBlocksUp", {3360 - 525, 975 + 40}, 3, false},
        {"Wall12LeftOneTwipRightOfPlayerLetsUp", {3360 - 526, 975 + 40}, 3, true},
    };
    start();
    LevelScreen& screen = level1();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        screen.imgZubble.Left = c.from.left;
        screen.imgZubble.Top = c.from.top;
        screen.Motion = c.motion;
        screen.ZubGo();
        const Place expected = c.steps ? stepFrom(c.from, c.motion, 80) : c.from;
        EXPECT_EQ(screen.imgZubble.Left, expected.left);
        EXPECT_EQ(screen.imgZubble.Top, expected.top);
    }
}

// Played through the timers: the arrow key sets the way and the speed window's
// choice sets the step, so Very Fast up stops 165 twips below the wall.
TEST_F(ZubGoTest, ArrowKeyAtVeryFastWalksUpToWallThroughTicks)
{
    start();
    desktop.tick(1); // the first tick opens the speed window at Normal
    sendGhostsAway(level1());
    game.frmSpeed().options.select(4);
    ASSERT_EQ(level1().Speed, 180);

    level1().form.KeyDown(platform::kKeyUp, 0);
    desktop.tick(5);
    EXPECT_EQ(level1().imgZubble.Left, 2760);
    EXPECT_EQ(level1().imgZubble.Top, 1980);
    desktop.tick(5);
    EXPECT_EQ(level1().imgZubble.Top, 1980);
}

} // namespace
} // namespace zubble::testing
