#include "support/game_fixture.h"

#include <array>
#include <ostream>
#include <string>

namespace zubble::testing {
namespace {

struct Place {
    float left;
    float top;
};

class LargeScoreTest : public GameFixture {
protected:
    LevelScreen& screen() { return level1(); }

    // The player stands with the large dot's corner 100 twips inside it.
    void putPlayerOn(int largeDot)
    {
        screen().imgZubble.Left = screen().shpLarge[largeDot].Left - 100;
        screen().imgZubble.Top = screen().shpLarge[largeDot].Top - 100;
    }
    std::array<Place, kGhostCount> ghostPlaces()
    {
        std::array<Place, kGhostCount> places{};
        for (int i = 0; i < kGhostCount; ++i)
            places[i] = {screen().imgGhost[i].Left, screen().imgGhost[i].Top};
        return places;
    }
    void expectGhostsAway()
    {
        EXPECT_EQ(screen().GhostsAway, 1);
        EXPECT_EQ(screen().HideGhosts, 0);
        for (int i = 0; i < kGhostCount; ++i) {
            EXPECT_FALSE(screen().imgGhost[i].Visible) << "ghost " << i;
            EXPECT_EQ(screen().GhostDir[i], 0) << "ghost " << i;
        }
    }
    void expectGhostsBack()
    {
        EXPECT_EQ(screen().GhostsAway, 0);
        EXPECT_EQ(screen().Nogotime, 0);
        for (int i = 0; i < kGhostCount; ++i)
            EXPECT_TRUE(screen().imgGhost[i].Visible) << "ghost " << i;
    }
    bool anyGhostVisible()
    {
        for (const auto& ghost : screen().imgGhost)
            if (ghost.Visible)
                return true;
        return false;
    }
};

TEST_F(LargeScoreTest, LargeDotScoresFiveHundredAndSendsGhostsAway)
{
    start();
    screen().lblScore.Caption = "1500";
    putPlayerOn(0);
    screen().LargeScore();

    EXPECT_FALSE(screen().shpLarge[0].Visible);
    EXPECT_EQ(screen().lblScore.Caption, "2000");
    EXPECT_EQ(screen().Nogotime, 1); // the eating call counts already
    expectGhostsAway();
}

// Away time by speed: the ghosts return on the tick whose count exceeds
// (200 - Speed) / 3, counted from 1 on the eating tick.
struct AwayTime {
    int option; // in the speed window, Very Slow first
    int speed;
    int countAtReturn;
    int ticksAfterEating;
};

void PrintTo(const AwayTime& away, std::ostream* os) { *os << "speed " << away.speed; }

constexpr AwayTime kAwayTimes[] = {
    {0, 10, 64, 63},
    {1, 40, 54, 53},
    {2, 80, 41, 40},
    {3, 130, 24, 23},
    {4, 180, 7, 6},
};

class LargeScoreAwayTime : public LargeScoreTest, public ::testing::WithParamInterface<AwayTime> {};

TEST_P(LargeScoreAwayTime, GhostsReturnWhereTheyVanishedAfterAwayTime)
{
    const AwayTime& away = GetParam();
    start();
    desktop.tick(1); // the speed window opens
    game.frmSpeed().options.select(away.option);
    ASSERT_EQ(screen().Speed, away.speed);

    putPlayerOn(0);
    desktop.tick(1);
    ASSERT_FALSE(screen().shpLarge[0].Visible);
    const auto vanishedAt = ghostPlaces();

    for (int tick = 1; tick < away.ticksAfterEating; ++tick) {
        desktop.tick(1);
        ASSERT_FALSE(anyGhostVisible()) << "tick " << tick << " after eating";
        ASSERT_EQ(screen().GhostsAway, 1) << "tick " << tick << " after eating";
    }
    EXPECT_EQ(screen().Nogotime, away.countAtReturn - 1);

    desktop.tick(1);
    expectGhostsBack();
    for (int i = 0; i < kGhostCount; ++i) {
        EXPECT_EQ(screen().imgGhost[i].Left, vanishedAt[i].left) << "ghost " << i;
        EXPECT_EQ(screen().imgGhost[i].Top, vanishedAt[i].top) << "ghost " << i;
    }
    EXPECT_EQ(screen().lbllife.Caption, "5");
}

INSTANTIATE_TEST_SUITE_P(Speeds, LargeScoreAwayTime, ::testing::ValuesIn(kAwayTimes),
    [](const ::testing::TestParamInfo<AwayTime>& info) {
        return "Speed" + std::to_string(info.param.speed);
    });

// Two large dots under the player in one tick score twice but start the
// away count only once.
TEST_F(LargeScoreTest, TwoLargeDotsInOneTickScoreThousand)
{
    start();
    screen().shpLarge[1].Left = screen().shpLarge[0].Left + 200;
    screen().shpLarge[1].Top = screen().shpLarge[0].Top + 100;
    putPlayerOn(0);
    screen().LargeScore();

    EXPECT_FALSE(screen().shpLarge[0].Visible);
    EXPECT_FALSE(screen().shpLarge[1].Visible);
    EXPECT_EQ(screen().lblScore.Caption, "1000");
    EXPECT_EQ(screen().Nogotime, 1);
    expectGhostsAway();
}

// Another large dot while the ghosts are away scores and starts the count again.
TEST_F(LargeScoreTest, LargeDotWhileAwayRestartsCount)
{
    start();
    putPlayerOn(0);
    screen().LargeScore();
    for (int i = 0; i < 20; ++i)
        screen().LargeScore();
    ASSERT_EQ(screen().Nogotime, 21);

    putPlayerOn(6);
    screen().LargeScore();
    EXPECT_FALSE(screen().shpLarge[6].Visible);
    EXPECT_EQ(screen().lblScore.Caption, "1000");
    EXPECT_EQ(screen().Nogotime, 1);
    expectGhostsAway();

    for (int i = 1; i < 40; ++i)
        screen().LargeScore();
    EXPECT_FALSE(anyGhostVisible()) << "back too early: the count did not restart";
    screen().LargeScore();
    expectGhostsBack();
}

// The away time is judged against each tick's speed: switching from Very
// Slow to Very Fast with the count at 20 brings the ghosts back next tick.
TEST_F(LargeScoreTest, FasterSpeedWhileAwayBringsGhostsBackNextTick)
{
    start();
    desktop.tick(1);
    game.frmSpeed().options.select(0);
    ASSERT_EQ(screen().Speed, 10);
    putPlayerOn(0);
    desktop.tick(20);
    ASSERT_EQ(screen().Nogotime, 20);
    ASSERT_FALSE(anyGhostVisible());

    game.frmSpeed().options.select(4);
    ASSERT_EQ(screen().Speed, 180);
    desktop.tick(1);
    expectGhostsBack();
}

// A count of 100000 brings the ghosts back at the next call with no dot eaten,
// each aimed at the player with the open ways the last wall scan left.
TEST_F(LargeScoreTest, ForcedReturnShowsAndAimsEveryGhost)
{
    struct Case {
        const char* name;
        std::array<int, 4> open; // right, left, up, down
        std::array<int, kGhostCount> aimed;
    };
    // From their corners the player at (2760, 2880) is farther down or up
    // than across: ghosts 0 and 2 look down, 1 and 3 up, then sideways inward.
    const Case cases[] = {
        {"AllOpen", {1, 1, 1, 1}, {4, 3, 4, 3}},
        {"DownClosed", {1, 1, 1, 0}, {2, 3, 1, 3}},
        {"UpAndDownClosed", {1, 1, 0, 0}, {2, 2, 1, 1}},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < kGhostCount; ++i) {
            screen().imgGhost[i].Visible = false;
            screen().GhostDir[i] = 0;
        }
        screen().Nogotime = 100000;
        screen().CanRight = c.open[0];
        screen().CanLeft = c.open[1];
        screen().CanUp = c.open[2];
        screen().CanDown = c.open[3];

        screen().LargeScore();

        expectGhostsBack();
        for (int i = 0; i < kGhostCount; ++i)
            EXPECT_EQ(screen().GhostDir[i], c.aimed[i]) << "ghost " << i;
        EXPECT_EQ(screen().lblScore.Caption, "0");
    }
}

// At the program's start the count is 0: the first tick does not re-aim the
// ghosts, which keep the ways drawn at load.
TEST_F(LargeScoreTest, NoForcedReturnAtProgramStart)
{
    start({1, 1, 2, 2});
    EXPECT_EQ(screen().Nogotime, 0);
    EXPECT_EQ(screen().GhostsAway, 0);

    desktop.tick(1);

    const std::array<int, kGhostCount> drawn{1, 1, 2, 2};
    for (int i = 0; i < kGhostCount; ++i) {
        EXPECT_EQ(screen().GhostDir[i], drawn[i]) << "ghost " << i;
        EXPECT_TRUE(screen().imgGhost[i].Visible) << "ghost " << i;
    }
    EXPECT_EQ(screen().Nogotime, 0);
}

} // namespace
} // namespace zubble::testing
