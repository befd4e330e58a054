#include "session.h"

#include <gtest/gtest.h>

namespace zubble {
namespace {

using testing::boxLine;
using testing::jsonField;
using testing::ReplaySession;

constexpr const char* kFullBoard
    = "\"11111111111111111111111111111111111111111111111111111111111111111111\"";

// Level 1 with every dot eaten but small dot 43 (2880, 2760), which the
// player reaches with its second step up; three lives and 76 dots' worth of
// points: 67 small and 9 large.
class ClearingLevel1 : public ::testing::Test {
protected:
    ReplaySession session;
    void SetUp() override
    {
        session.play("rnd 0.1 0.1 0.1 0.1\nstart\ntick\n");
        LevelScreen& one = session.game().frmLevel1();
        ReplaySession::eatAllBut(one, {43});
        one.lbllife.Caption = "3";
        one.lblScore.Caption = "11200";
    }
};

TEST_F(ClearingLevel1, With76DotsEatenNothingHappens)
{
    session.play("key 38\ntick\n");
    EXPECT_EQ(session.field("frmLevel1", "visible"), "true");
    EXPECT_EQ(jsonField(session.dump(), "frmLevel2"), "null");
}

TEST_F(ClearingLevel1, TheLastDotSwitchesToLevel2WithinTheSameTick)
{
    const std::string before = session.screen("frmLevel1");
    session.play("key 38\ntick 2\n");
    const std::string dump = session.dump();
    EXPECT_EQ(jsonField(dump, "shown"), "\"frmLevel2\"");
    const std::string one = jsonField(dump, "frmLevel1");
    const std::string two = jsonField(dump, "frmLevel2");
    EXPECT_EQ(jsonField(one, "visible"), "false");
    EXPECT_EQ(jsonField(one, "tmrZub"), "false");
    EXPECT_EQ(jsonField(one, "tmrAnim"), "false");
    // The source keeps its emptied board while hidden.
    EXPECT_EQ(jsonField(one, "dots"), "\"" + std::string(68, '0') + "\"");

    const struct {
        const char* key;
        std::string value;
    } target[] = {
        {"visible", "true"}, {"tmrZub", "true"}, {"tmrAnim", "true"},
        {"score", "\"11300\""}, // the full board: 68 x 100 + 9 x 500
        {"lives", "\"3\""}, {"level", "\"2\""}, {"Motion", "0"}, {"Speed", "80"},
        {"Nogotime", "100000"}, {"zubble", "[2760,3000]"}, {"dots", kFullBoard},
        {"large", "\"111111111\""}, {"back2", "false"},
        {"window", jsonField(before, "window")},
    };
    for (const auto& t : target) {
        SCOPED_TRACE(t.key);
        EXPECT_EQ(jsonField(two, t.key), t.value);
    }
    EXPECT_EQ(jsonField(two, "ghosts").substr(0, 16), "[[5280,240,true,");
}

// The first tick of level 2 brings the ghosts into play, aims them, and eats
// dot 42 under the player; the speed window follows the new screen.
TEST_F(ClearingLevel1, FirstTickOfLevel2ReturnsTheGhostsAndEatsTheDotUnderThePlayer)
{
    session.play("key 38\ntick 2\n");
    session.game().frmLevel2().imgGhost[1].Visible = false; // as if away
    session.play("tick\n");
    const std::string dump = session.dump();
    const std::string two = jsonField(dump, "frmLevel2");
    EXPECT_EQ(jsonField(two, "score"), "\"11400\"");
    EXPECT_EQ(jsonField(two, "dots")[1 + 42], '0');
    EXPECT_EQ(jsonField(two, "Nogotime"), "0");
    EXPECT_EQ(jsonField(two, "GhostsAway"), "0");
    const std::string ghosts = jsonField(two, "ghosts");
    EXPECT_EQ(ghosts.find("false"), std::string::npos) << ghosts;
    const std::string window = jsonField(two, "window");
    const double left = std::stod(window.substr(1));
    const double width = std::stod(window.substr(window.rfind(',') + 1));
    EXPECT_EQ(std::stod(jsonField(jsonField(dump, "frmSpeed"), "left")), left + width);
}

TEST(ClearingLevel2, BringsTheGameBackToLevel1AtLevel3WithAFullBoard)
{
    ReplaySession session;
    session.play("start\ntick\n");
    LevelScreen& one = session.game().frmLevel1();
    ReplaySession::eatAllBut(one, {43});
    session.play("key 38\ntick 2\n");
    LevelScreen& two = session.game().frmLevel2();
    // On level 2 the player stands at (2760, 3000); its fourth step up at Speed 40 takes
    // the corner of dot 57 (2880, 2880) inside.
    ReplaySession::eatAllBut(two, {57});
    session.play("option opt1\nkey 38\ntick\n");
    EXPECT_EQ(session.field("frmLevel2", "visible"), "true");
    session.play("tick 3\n"); // four steps of 40 in all
    const std::string dump = session.dump();
    EXPECT_EQ(jsonField(dump, "shown"), "\"frmLevel1\"");
    const std::string back = jsonField(dump, "frmLevel1");
    EXPECT_EQ(jsonField(back, "level"), "\"3\"");
    EXPECT_EQ(jsonField(back, "dots"), kFullBoard);
    EXPECT_EQ(jsonField(back, "large"), "\"111111111\"");
    EXPECT_EQ(jsonField(back, "Speed"), "40"); // copied from level 2, no load again
    EXPECT_EQ(jsonField(back, "back2"), "true"); // levels 3, 7, 11 show the swirl
    EXPECT_EQ(jsonField(back, "zubble"), "[2760,3000]");
    EXPECT_EQ(jsonField(jsonField(dump, "frmLevel2"), "visible"), "false");
}

TEST(LosingLives, FiveTitlesInOrderThenGameOverAndNewGame)
{
    ReplaySession session;
    session.play("start\ntick\n");
    LevelScreen& one = session.game().frmLevel1();
    one.lblScore.Caption = "4200";
    std::vector<std::string> boxes;
    for (int life = 0; life < 5; ++life) {
        ReplaySession::ghostOnPlayer(one);
        for (const std::string& line : session.play("key 37\ntick\n"))
            boxes.push_back(line);
        if (life < 4) {
            EXPECT_EQ(session.field("frmLevel1", "Motion"), "0");
            EXPECT_EQ(session.field("frmLevel1", "zubble"), "[2760,2880]");
        }
    }
    const std::string tryAgain = "Try to avoid the ghosts!";
    const std::vector<std::string> expected{
        boxLine("Lives Left:  4", tryAgain),
        boxLine("Lives Left:  3", tryAgain),
        boxLine("Lives Left:  2", tryAgain),
        boxLine("Only 1 life left!", tryAgain),
        boxLine("Game Over", "You leave with a whopping \\r\\n4200 points!"),
        boxLine("New Game", "Get Ready to Start Over..."),
    };
    EXPECT_EQ(boxes, expected);
    const std::string after = session.screen("frmLevel1");
    EXPECT_EQ(jsonField(after, "lives"), "\"5\"");
    EXPECT_EQ(jsonField(after, "score"), "\"0\"");
    EXPECT_EQ(jsonField(after, "level"), "\"1\"");
    EXPECT_EQ(jsonField(after, "tmrZub"), "true");
}

TEST(LosingLives, GameOverOnLevel2GoesBackToLevel1)
{
    ReplaySession session;
    session.startOnLevel2();
    LevelScreen& two = session.game().frmLevel2();
    two.lbllife.Caption = "1";
    session.play("tick\n"); // the ghosts come back first
    ReplaySession::ghostOnPlayer(two);
    const auto lines = session.play("tick\n");
    ASSERT_EQ(lines.size(), 2u);
    // 100 for dot 43 on level 1, 100 for dot 42 under the player on level 2.
    EXPECT_EQ(lines[0], boxLine("Game Over", "You leave with a whopping \\r\\n200 points!"));
    EXPECT_EQ(lines[1], boxLine("New Game", "Get Ready to Start Over..."));
    const std::string dump = session.dump();
    EXPECT_EQ(jsonField(dump, "shown"), "\"frmLevel1\"");
    EXPECT_EQ(jsonField(jsonField(dump, "frmLevel1"), "Nogotime"), "100000");
    EXPECT_EQ(jsonField(jsonField(dump, "frmLevel1"), "dots"), kFullBoard);
    EXPECT_EQ(jsonField(jsonField(dump, "frmLevel2"), "tmrZub"), "false");
}

// New Game on level 1 keeps the pause mark; the timers run after the box.
TEST(NewGame, OnLevel1WhilePausedRunsAgainButKeepsTheMark)
{
    ReplaySession session;
    session.play("start\ntick\nkey 27\n");
    session.game().frmLevel1().shpCircle[5].Visible = false;
    const auto lines = session.play("menu new\n");
    EXPECT_EQ(lines, std::vector<std::string>{boxLine("New Game", "Get Ready to Start Over...")});
    std::string one = session.screen("frmLevel1");
    EXPECT_EQ(jsonField(one, "paused"), "true");
    EXPECT_EQ(jsonField(one, "tmrZub"), "true");
    EXPECT_EQ(jsonField(one, "dots"), kFullBoard);
    EXPECT_EQ(jsonField(jsonField(session.dump(), "frmLevel2"), "back2"), "true");
    session.play("menu pause\n"); // clears the mark, the game keeps running
    one = session.screen("frmLevel1");
    EXPECT_EQ(jsonField(one, "paused"), "false");
    EXPECT_EQ(jsonField(one, "tmrZub"), "true");
    session.play("menu pause\n");
    EXPECT_EQ(session.field("frmLevel1", "tmrZub"), "false");
}

TEST(NewGame, OnLevel2ShowsLevel1AtItsLastPlaceBeforeTheBox)
{
    ReplaySession session;
    session.startOnLevel2();
    session.play("option opt4\nkey 27\n");
    LevelScreen& two = session.game().frmLevel2();
    LevelScreen& one = session.game().frmLevel1();
    bool level1ShownWithTheBox = false;
    session.play("tick\n");
    auto& desktop = static_cast<platform::HeadlessDesktop&>(session.game().desktop);
    auto printing = desktop.onBox;
    desktop.onBox = [&](const platform::HeadlessDesktop::Box& box) {
        level1ShownWithTheBox = one.form.Visible() && !two.form.Visible();
        printing(box);
    };
    session.play("menu new\n");
    EXPECT_TRUE(level1ShownWithTheBox);
    const std::string dump = session.dump();
    const std::string first = jsonField(dump, "frmLevel1");
    EXPECT_EQ(jsonField(first, "score"), "\"0\"");
    EXPECT_EQ(jsonField(first, "lives"), "\"5\"");
    EXPECT_EQ(jsonField(first, "level"), "\"1\"");
    EXPECT_EQ(jsonField(first, "Speed"), "80");
    EXPECT_EQ(jsonField(first, "Nogotime"), "100000");
    EXPECT_EQ(jsonField(first, "back2"), "false");
    const std::string second = jsonField(dump, "frmLevel2");
    EXPECT_EQ(jsonField(second, "paused"), "true"); // kept until the game comes back
    EXPECT_EQ(jsonField(second, "Speed"), "80"); // "Normal" chose while it showed
    EXPECT_EQ(jsonField(second, "back2"), "true");
    EXPECT_EQ(jsonField(jsonField(dump, "frmSpeed"), "selected"), "\"opt2\"");
}

TEST(SpeedWindow, ChoicesSetTheVisibleScreensSpeedOnly)
{
    const struct {
        const char* option;
        const char* speed;
    } choices[] = {{"opt5", "10"}, {"opt1", "40"}, {"opt2", "80"}, {"opt3", "130"}, {"opt4", "180"}};
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.option);
        ReplaySession session;
        session.play("start\ntick\n");
        session.game().frmLevel2(); // exists, hidden
        session.play(std::string("option ") + choice.option + "\n");
        EXPECT_EQ(session.field("frmLevel1", "Speed"), choice.speed);
        EXPECT_EQ(session.field("frmLevel2", "Speed"), "80");
        EXPECT_EQ(session.field("frmSpeed", "selected"),
            "\"" + std::string(choice.option) + "\"");
    }
}

TEST(SpeedWindow, ClosedItComesBackAtTheNextTickWithNormal)
{
    ReplaySession session;
    session.play("start\ntick\noption opt5\nclose speed\n");
    EXPECT_EQ(jsonField(session.dump(), "frmSpeed"), "null");
    EXPECT_EQ(session.field("frmLevel1", "Speed"), "10");
    session.play("tick\n");
    EXPECT_EQ(session.field("frmSpeed", "visible"), "true");
    EXPECT_EQ(session.field("frmSpeed", "selected"), "\"opt2\"");
    EXPECT_EQ(session.field("frmLevel1", "Speed"), "80");
    // Arrow keys still reach the level screen.
    session.play("key 38\ntick\n");
    EXPECT_EQ(session.field("frmLevel1", "zubble"), "[2760,2800]");
}

TEST(SpeedWindow, ChoiceWhileLevel2ShowsSetsLevel2)
{
    ReplaySession session;
    session.startOnLevel2();
    session.play("option opt3\n");
    EXPECT_EQ(session.field("frmLevel2", "Speed"), "130");
    EXPECT_EQ(session.field("frmLevel1", "Speed"), "80");
}

} // namespace
} // namespace zubble
