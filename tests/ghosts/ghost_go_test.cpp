#include "support/game_fixture.h"

#include "rules/start_places.h"

#include <ostream>
#include <string>

namespace zubble::testing {
namespace {

struct Place {
    float left;
    float top;
};

constexpr float kHalfGhost = kGhostSize / 2.0f;

// Twips between a ghost and a wall ahead of it in its direction.
float gapAhead(const platform::Control& ghost, const platform::Control& wall, int direction)
{
    switch (direction) {
    case 1: return wall.Left - ghost.Right();
    case 2: return ghost.Left - wall.Right();
    case 3: return ghost.Top - wall.Bottom();
    default: return wall.Top - ghost.Bottom();
    }
}

Place stepFrom(Place from, int direction, float distance)
{
    switch (direction) {
    case 1: return {from.left + distance, from.top};
    case 2: return {from.left - distance, from.top};
    case 3: return {from.left, from.top - distance};
    default: return {from.left, from.top + distance};
    }
}

// Level 1 at Normal speed with the player standing at its start place.
class GhostGoTest : public GameFixture {
protected:
    void SetUp() override { start(); }

    LevelScreen& screen() { return level1(); }
    platform::Image& ghost(int index) { return level1().imgGhost[index]; }

    void put(int index, Place at, int direction)
    {
        ghost(index).Left = at.left;
        ghost(index).Top = at.top;
        level1().GhostDir[index] = direction;
    }
    // The other ghosts keep walking, but hidden they can never touch the player.
    void leaveOnly(int index)
    {
        for (int i = 0; i < kGhostCount; ++i)
            ghost(i).Visible = i == index;
    }
    // Places a ghost with its centre at this point, standing still.
    void centreAt(int index, Place centre)
    {
        put(index, {centre.left - kHalfGhost, centre.top - kHalfGhost}, 0);
    }
    void expectAt(int index, Place at)
    {
        EXPECT_EQ(ghost(index).Left, at.left) << "ghost " << index;
        EXPECT_EQ(ghost(index).Top, at.top) << "ghost " << index;
    }
    void expectAllOnTheirCorners()
    {
        for (int i = 0; i < kGhostCount; ++i)
            expectAt(i, {float(kGhostCorners[i].Left), float(kGhostCorners[i].Top)});
    }
};

struct GhostWalk {
    const char* name;
    Place from;
    int direction;
    int steps; // whole steps before the wall ahead stops it
    Place stuckAt;
    int wall; // the wall it stops short of
    float gap;
    int turnedTo; // the way to the player the ghost takes once stuck
};

constexpr GhostWalk kGhostWalks[] = {
    {"DownTheRightSide", {5280, 240}, 4, 68, {5280, 5680}, 0, 65, 3},
    {"UpTheRightSide", {5280, 5680}, 3, 69, {5280, 160}, 6, 25, 4},
    {"RightFromTheTopCorner", {5280, 240}, 1, 1, {5360, 240}, 13, 25, 4},
};

// A ghost keeps its way until the wall ahead is within one step, then stands
// for that tick and turns toward the player.
TEST_F(GhostGoTest, GhostWalksToWallThenTurnsTowardPlayer)
{
    leaveOnly(0);
    for (const GhostWalk& walk : kGhostWalks) {
        SCOPED_TRACE(walk.name);
        put(0, walk.from, walk.direction);
        Place at = walk.from;
        for (int step = 1; step <= walk.steps; ++step) {
            screen().GhostGo();
            at = stepFrom(at, walk.direction, 80);
            ASSERT_EQ(ghost(0).Left, at.left) << "step " << step;
            ASSERT_EQ(ghost(0).Top, at.top) << "step " << step;
            ASSERT_EQ(screen().GhostDir[0], walk.direction) << "step " << step;
        }
        expectAt(0, walk.stuckAt);
        EXPECT_EQ(gapAhead(ghost(0), screen().shpWall[walk.wall], walk.direction), walk.gap);

        screen().GhostGo();
        expectAt(0, walk.stuckAt);
        EXPECT_EQ(screen().GhostDir[0], walk.turnedTo);
    }
    EXPECT_EQ(screen().lbllife.Caption, "5");
}

// A wall exactly one step ahead already stops the ghost, and it turns in that
// same tick; one twip more and it takes the step.
TEST_F(GhostGoTest, GhostStopsShortOfWallAhead)
{
    struct Case {
        float gap; // from the ghost's right edge to wall 13
        float leftAfter;
        float gapAfter;
        int directionAfter;
    };
    const float wallLeft = screen().shpWall[13].Left;
    const Case cases[] = {
        {81, wallLeft - 81 - kGhostSize + 80, 1, 1},
        {80, wallLeft - 80 - kGhostSize, 80, 4},
    };
    leaveOnly(0);
    for (const Case& c : cases) {
        SCOPED_TRACE("gap " + std::to_string(c.gap));
        put(0, {wallLeft - c.gap - kGhostSize, 240}, 1);
        screen().GhostGo();
        EXPECT_EQ(ghost(0).Left, c.leftAfter);
        EXPECT_EQ(ghost(0).Top, 240);
        EXPECT_EQ(gapAhead(ghost(0), screen().shpWall[13], 1), c.gapAfter);
        EXPECT_EQ(screen().GhostDir[0], c.directionAfter);
    }
}

// Wall 9 lies below and beside the ghost; touching edges count as the same
// row, so the wall blocks a sideways step, while one twip of air lets it pass.
TEST_F(GhostGoTest, WallTouchingGhostBottomBlocksSidewaysStep)
{
    struct Case {
        const char* name;
        int direction;
        float left;
        float airBelow; // between the ghost's bottom and the wall's top
        bool steps;
    };
    const platform::Shape& wall = screen().shpWall[9];
    const Case cases[] = {
        {"RightTouching", 1, wall.Left - 40 - kGhostSize, 0, false},
        {"RightOneTwipAbove", 1, wall.Left - 40 - kGhostSize, 1, true},
        {"LeftTouching", 2, wall.Right() + 40, 0, false},
        {"LeftOneTwipAbove", 2, wall.Right() + 40, 1, true},
    };
    leaveOnly(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Place from{c.left, wall.Top - c.airBelow - kGhostSize};
        put(0, from, c.direction);
        screen().GhostGo();
        expectAt(0, c.steps ? stepFrom(from, c.direction, 80) : from);
    }
}

// While the ghosts are away a stuck ghost keeps its way; at home it turns.
TEST_F(GhostGoTest, StuckGhostTurnsOnlyWhileGhostsAreHome)
{
    struct Case {
        int ghostsAway;
        int directionAfter;
    };
    const Case cases[] = {{0, 3}, {1, 4}};
    leaveOnly(0);
    for (const Case& c : cases) {
        SCOPED_TRACE("GhostsAway " + std::to_string(c.ghostsAway));
        screen().GhostsAway = c.ghostsAway;
        put(0, {5280, 5680}, 4);
        screen().GhostGo();
        expectAt(0, {5280, 5680});
        EXPECT_EQ(screen().GhostDir[0], c.directionAfter);
    }
}

// The speed of the tick decides how far ahead a wall blocks: 100 twips of
// room is a step at Normal but not at Very Fast.
TEST_F(GhostGoTest, FasterSpeedLeavesGhostStuckShortOfWall)
{
    struct Case {
        int option;
        int speed;
        bool steps;
    };
    const Case cases[] = {{2, 80, true}, {4, 180, false}};
    desktop.tick(1); // the speed window opens at Normal
    leaveOnly(0);
    const float wallLeft = screen().shpWall[13].Left;
    for (const Case& c : cases) {
        SCOPED_TRACE("speed " + std::to_string(c.speed));
        game.frmSpeed().options.select(c.option);
        ASSERT_EQ(screen().Speed, c.speed);
        const Place from{wallLeft - 100 - kGhostSize, 240};
        put(0, from, 1);
        desktop.tick(1);
        expectAt(0, c.steps ? Place{from.left + 80, 240} : from);
        EXPECT_EQ(screen().GhostDir[0], c.steps ? 1 : 4);
    }
}

struct Contact {
    const char* name;
    Place centre; // of the ghost; the player stands at (2000, 2000), 525 square
    bool touches;
};

void PrintTo(const Contact& contact, std::ostream* os) { *os << contact.name; }

constexpr Contact kContacts[] = {
    {"CentreOnLeftEdge", {2000, 2262.5f}, false},
    {"CentreOneTwipInsideLeftEdge", {2001, 2262.5f}, true},
    {"CentreOnRightEdge", {2525, 2262.5f}, false},
    {"CentreOneTwipInsideRightEdge", {2524, 2262.5f}, true},
    {"CentreOnTopEdge", {2262.5f, 2000}, false},
    {"CentreOneTwipInsideTopEdge", {2262.5f, 2001}, true},
    {"CentreOnBottomEdge", {2262.5f, 2525}, false},
    {"CentreOneTwipInsideBottomEdge", {2262.5f, 2524}, true},
    {"CentreOnCorner", {2000, 2000}, false},
    // The rectangles overlap widely, but the centre is what counts.
    {"OverlapWithCentreOutside", {1990, 2262.5f}, false},
};

class GhostContact : public GhostGoTest, public ::testing::WithParamInterface<Contact> {};

// A ghost takes a life only with its centre strictly inside the player; the
// life is lost at once and everybody goes back to the start.
TEST_P(GhostContact, LifeLostOnlyWithCentreStrictlyInsidePlayer)
{
    const Contact& contact = GetParam();
    leaveOnly(3);
    screen().imgZubble.Left = 2000;
    screen().imgZubble.Top = 2000;
    screen().Motion = 3;
    centreAt(3, contact.centre);

    screen().GhostGo();

    if (contact.touches) {
        EXPECT_EQ(screen().lbllife.Caption, "4");
        ASSERT_EQ(desktop.boxes.size(), 1u);
        EXPECT_EQ(desktop.boxes[0].title, "Lives Left:  4");
        EXPECT_EQ(screen().imgZubble.Left, 2760);
        EXPECT_EQ(screen().imgZubble.Top, 2880);
        EXPECT_EQ(screen().Motion, 0);
        expectAllOnTheirCorners(); // ghost 3 is the last, nobody steps after it
    } else {
        EXPECT_EQ(screen().lbllife.Caption, "5");
        EXPECT_TRUE(desktop.boxes.empty());
        EXPECT_EQ(screen().imgZubble.Left, 2000);
        EXPECT_EQ(screen().imgZubble.Top, 2000);
        EXPECT_EQ(screen().Motion, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(PlayerEdges, GhostContact, ::testing::ValuesIn(kContacts),
    [](const ::testing::TestParamInfo<Contact>& info) { return std::string(info.param.name); });

TEST_F(GhostGoTest, HiddenGhostOnPlayerTakesNoLife)
{
    leaveOnly(-1);
    centreAt(3, {3022.5f, 3142.5f}); // the player's own centre
    screen().GhostGo();
    EXPECT_EQ(screen().lbllife.Caption, "5");
    EXPECT_TRUE(desktop.boxes.empty());
}

// Ghost 1's touch sends everybody home before ghosts 2 and 3 take their step,
// so they step from their corners.
TEST_F(GhostGoTest, GhostsAfterTheToucherStepFromTheirCorners)
{
    centreAt(1, {3022.5f, 3142.5f});
    put(2, {1000, 2000}, 1);
    put(3, {4000, 1200}, 3);

    screen().GhostGo();

    EXPECT_EQ(screen().lbllife.Caption, "4");
    EXPECT_EQ(desktop.boxes.size(), 1u);
    expectAt(0, {5280, 240}); // stepped before the touch, then sent home
    expectAt(1, {5280, 5640});
    expectAt(2, {320, 240});
    expectAt(3, {240, 5560});
}

TEST_F(GhostGoTest, AllGhostsOnPlayerCostOneLifePerTick)
{
    for (int i = 0; i < kGhostCount; ++i)
        centreAt(i, {3022.5f, 3142.5f});
    desktop.tick(1);
    EXPECT_EQ(screen().lbllife.Caption, "4");
    EXPECT_EQ(desktop.boxes.size(), 1u);
}

// Losing the last life ends the game with the score shown, and a new game
// starts with five lives.
TEST_F(GhostGoTest, TouchOnLastLifeStartsNewGame)
{
    screen().lbllife.Caption = "1";
    screen().lblScore.Caption = "2300";
    centreAt(0, {3022.5f, 3142.5f});
    screen().GhostGo();

    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[0].title, "Game Over");
    EXPECT_NE(desktop.boxes[0].text.find("2300"), std::string::npos);
    EXPECT_EQ(desktop.boxes[1].title, "New Game");
    EXPECT_EQ(screen().lbllife.Caption, "5");
    EXPECT_EQ(screen().lblScore.Caption, "0");
}

} // namespace
} // namespace zubble::testing
