#include "replay_fixture.h"

#include <cstdio>
#include <fstream>

namespace zubble {
namespace {

using testing::jsonField;
using testing::replayScript;

TEST(ReplayDump, ShowsTheStateAtCreation)
{
    const auto run = replayScript("rnd 0.9 0 0.5 0.25\nstart\ndump\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    const std::string dump = run.dump(0);
    EXPECT_EQ(jsonField(dump, "shown"), "\"frmLevel1\"");
    EXPECT_EQ(jsonField(dump, "frmLevel2"), "null");
    EXPECT_EQ(jsonField(dump, "frmSpeed"), "null");
    const std::string one = jsonField(dump, "frmLevel1");
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {"visible", "true"}, {"tmrZub", "true"}, {"tmrAnim", "true"}, {"paused", "false"},
        {"score", "\"0\""}, {"lives", "\"5\""}, {"level", "\"1\""}, {"Motion", "0"},
        {"Speed", "80"}, {"Nogotime", "0"}, {"GhostsAway", "0"}, {"HideGhosts", "0"},
        {"AnimDir", "0"}, {"AnimFrame", "0"}, {"zubble", "[2760,2880]"}, {"frame", "1"},
        {"ghosts", "[[5280,240,true,4],[5280,5640,true,1],[240,240,true,3],[240,5640,true,2]]"},
        {"large", "\"111111111\""},
        {"back2", "false"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.key);
        EXPECT_EQ(jsonField(one, e.key), e.value);
    }
    EXPECT_EQ(jsonField(one, "dots"), "\"" + std::string(68, '1') + "\"");
}

TEST(ReplayDump, ShowsTheSpeedWindowDockedAfterItsFirstTick)
{
    const auto run = replayScript("start\ntick\ndump\ntick\ndump\n");
    EXPECT_EQ(run.field(0, "frmSpeed", "visible"), "true");
    EXPECT_EQ(run.field(0, "frmSpeed", "selected"), "\"opt2\"");
    // The docking timer, created in the first round, first runs in the second.
    const std::string window = run.field(1, "frmLevel1", "window"); // [Left,Top,Width]
    const double left = std::stod(window.substr(1));
    const double top = std::stod(window.substr(window.find(',') + 1));
    const double width = std::stod(window.substr(window.rfind(',') + 1));
    EXPECT_EQ(std::stod(run.field(1, "frmSpeed", "left")), left + width);
    EXPECT_EQ(std::stod(run.field(1, "frmSpeed", "top")), top);
}

TEST(ReplayBoxes, PrintEachBoxAsItOpensWithLineBreaksEscaped)
{
    const auto run = replayScript("start\nmenu rules\ndump\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0],
        "{\"box\":{\"title\":\"About Zubble\",\"text\":\"Use the arrow keys to control "
        "Zubble.\\r\\nEat dots and don't hit the ghosts--it's\\r\\npretty basic.  Press ESC "
        "to pause the\\r\\ngame and start it up again.\"}}");
    EXPECT_EQ(run.field(0, "frmLevel1", "paused"), "false");
}

TEST(ReplayEnd, PrintsEndedAndIgnoresTheRest)
{
    for (const char* ending : {"menu exit", "close level"}) {
        SCOPED_TRACE(ending);
        const auto run = replayScript(std::string("start\ntick\n") + ending + "\nbogus\ndump\n");
        EXPECT_EQ(run.status, 0);
        ASSERT_EQ(run.lines.size(), 1u);
        EXPECT_EQ(run.lines[0], "{\"ended\":true}");
        EXPECT_EQ(run.errors, "");
    }
}

TEST(ReplayErrors, NameTheLineAndTheReasonAndStopThere)
{
    const struct {
        std::string script;
        std::string error;
    } cases[] = {
        {"foo\n", "line 1: unknown command 'foo'"},
        {"tick\n", "line 1: 'start' must come first"},
        {"dump\n", "line 1: 'start' must come first"},
        {"start\nstart\n", "line 2: 'start' comes only once"},
        {"start\n\n# comment\ntick x\n", "line 4: 'tick' takes a whole count from 0 to 1000000"},
        {"start\ntick -1\n", "line 2: 'tick' takes a whole count from 0 to 1000000"},
        {"start\nanim 99999999999999999999\n", "line 2: 'anim' takes a whole count from 0 to 1000000"},
        {"start\ntick 1 2\n", "line 2: 'tick' takes at most one count"},
        {"start\nkey\n", "line 2: 'key' takes one key code"},
        {"start\nkey 38.5\n", "line 2: 'key' takes a key code from 0 to 65535"},
        {"start\nkey 65536\n", "line 2: 'key' takes a key code from 0 to 65535"},
        {"start\nmenu quit\n", "line 2: 'menu' takes one of new, pause, exit, rules or about"},
        {"start\noption opt6\n", "line 2: 'option' takes one of opt1 .. opt5"},
        {"start\noption opt2\n", "line 2: there is no speed window to click"},
        {"start\nclose\n", "line 2: 'close' takes one of speed or level"},
        {"start\ndump now\n", "line 2: 'dump' takes no argument"},
        {"rnd\n", "line 1: 'rnd' needs at least one number"},
        {"rnd 1\n", "line 1: 'rnd' takes numbers from 0 up to but not including 1, not '1'"},
        {"rnd 0.5 nan\n", "line 1: 'rnd' takes numbers from 0 up to but not including 1, not 'nan'"},
        {"rnd -0.1\n", "line 1: 'rnd' takes numbers from 0 up to but not including 1, not '-0.1'"},
        {std::string("\x01\xff\x00zz\n", 6), "line 1: unknown command '???zz'"},
        {"rnd 0.5 \x1b[31m\x7f\n", "line 1: 'rnd' takes numbers from 0 up to but not including 1, not '?[31m?'"},
        {"rnd " + std::string(100, '9') + "\n", "line 1: 'rnd' takes numbers from 0 up to but not including 1, not '" + std::string(40, '9') + "'"},
        {std::string(5000, 'x'), "line 1: line longer than 4096 characters"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const auto run = replayScript(c.script + "dump\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.errors, c.error + "\n");
        EXPECT_TRUE(run.lines.empty());
    }
}

// Output made before the bad line stays; nothing comes after it.
TEST(ReplayErrors, KeepEarlierOutputOnly)
{
    const auto run = replayScript("start\ndump\nbogus\ndump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.errors, "line 3: unknown command 'bogus'\n");
}

// The program itself: a script file or standard input, and its exit status.
TEST(ReplayProgram, ReadsAFileOrStandardInput)
{
    const std::string path = ::testing::TempDir() + "replay_program_test.zub";
    std::ofstream(path) << "start\r\ntick 2\r\ndump\r\n";
    FILE* pipe = popen((std::string(ZUBBLE_REPLAY_BIN) + " " + path).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[8192] = {};
    const std::size_t read = fread(buffer, 1, sizeof buffer - 1, pipe);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(std::string(buffer, read).rfind("{\"shown\":\"frmLevel1\"", 0), 0u);

    const std::string bad = "printf 'start\\nwat\\n' | " + std::string(ZUBBLE_REPLAY_BIN)
        + " 2>/dev/null";
    const int status = system(bad.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

} // namespace
} // namespace zubble
