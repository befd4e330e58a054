// The game's own figures, played through the replay tool as a user would:
// the player's runs from both starts and ghost 0's run down the right side.
#include "session.h"

#include <gtest/gtest.h>

namespace zubble {
namespace {

using testing::jsonField;
using testing::ReplaySession;

struct PlayerRun {
    const char* name;
    const char* script; // after "start" and one tick, which brings up the speed window
    const char* zubble;
};

TEST(Figures, PlayerRunsFromTheLevel1Start)
{
    const PlayerRun runs[] = {
        {"right is refused at once", "key 39\ntick 3\n", "[2760,2880]"},
        {"left takes one step", "key 37\ntick 3\n", "[2680,2880]"},
        {"up takes 13 steps", "key 38\ntick 13\n", "[2760,1840]"},
        {"up stops there", "key 38\ntick 20\n", "[2760,1840]"},
        {"down takes 35 steps", "key 40\ntick 35\n", "[2760,5680]"},
        {"very fast up takes 5 steps", "option opt4\nkey 38\ntick 10\n", "[2760,1980]"},
        {"very fast right is refused", "option opt4\nkey 39\ntick 3\n", "[2760,2880]"},
        {"very slow right takes 7 steps", "option opt5\nkey 39\ntick 10\n", "[2830,2880]"},
        {"down then right stops the player", "key 40\ntick 3\nkey 39\ntick 5\n", "[2760,3120]"},
    };
    for (const PlayerRun& run : runs) {
        SCOPED_TRACE(run.name);
        ReplaySession session;
        session.play(std::string("start\ntick\n") + run.script);
        EXPECT_EQ(session.field("frmLevel1", "zubble"), run.zubble);
        EXPECT_EQ(session.field("frmLevel1", "lives"), "\"5\"");
    }
}

TEST(Figures, PlayerRunsFromTheLevel2Start)
{
    const PlayerRun runs[] = {
        {"down is refused at once", "key 40\ntick 3\n", "[2760,3000]"},
        {"right takes 11 steps", "key 39\ntick 15\n", "[3640,3000]"},
        {"left takes 22 steps", "key 37\ntick 25\n", "[1000,3000]"},
        {"up takes 25 steps", "key 38\ntick 28\n", "[2760,1000]"},
    };
    for (const PlayerRun& run : runs) {
        SCOPED_TRACE(run.name);
        ReplaySession session;
        session.startOnLevel2();
        ASSERT_EQ(jsonField(session.dump(), "shown"), "\"frmLevel2\"");
        session.play(run.script);
        EXPECT_EQ(session.field("frmLevel2", "zubble"), run.zubble);
        EXPECT_EQ(session.field("frmLevel2", "lives"), "\"5\"");
    }
}

// Ghost 0 heading down from (5280, 240) with the player standing at its start.
TEST(Figures, Ghost0RunsDownTheRightSideAndTurnsUp)
{
    ReplaySession session;
    session.play("rnd 0.75 0.25 0.5 0.5\nstart\ntick 68\n"); // ghost 0 draws direction 4
    const std::string ghost0 = [&] {
        const std::string ghosts = session.field("frmLevel1", "ghosts");
        return ghosts.substr(1, ghosts.find(']') );
    }();
    EXPECT_EQ(ghost0, "[5280,5680,true,4]");
    session.play("tick\n");
    const std::string after = session.field("frmLevel1", "ghosts");
    EXPECT_EQ(after.substr(1, after.find(']')), "[5280,5680,true,3]");
}

} // namespace
} // namespace zubble
