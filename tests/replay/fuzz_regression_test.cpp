#include "replay_fixture.h"

#include <string>

namespace zubble {
namespace {

using testing::replayScript;

constexpr const char* kRndRange = "'rnd' takes numbers from 0 up to but not including 1, not ";
constexpr const char* kTickCount = "'tick' takes a whole count from 0 to 1000000";
constexpr const char* kAnimCount = "'anim' takes a whole count from 0 to 1000000";
constexpr const char* kKeyRange = "'key' takes a key code from 0 to 65535";
constexpr const char* kMenuNames = "'menu' takes one of new, pause, exit, rules or about";

struct BadScript {
    std::string script;
    long line; // the first bad line, counted from 1
    std::string reason;
};

// Scripts the replay fuzzer found, each stopping at a malformed line; the
// last few are neighbours of what it found that it had not reached yet.
const BadScript kBadScripts[] = {
    {"\x0e", 1, "unknown command '?'"},
    {"\xf5\x82", 1, "unknown command '?\?'"},
    {"tt", 1, "unknown command 'tt'"},
    {"tick", 1, "'start' must come first"},
    {"\nkey 2", 2, "'start' must come first"},
    {"start\r\nstart\nt\r", 2, "'start' comes only once"},
    {std::string("start\t\xa2\t/"), 1, "'start' takes no argument"},
    {"key -7", 1, kKeyRange},
    {std::string("key 17\0", 7), 1, kKeyRange},
    {"start\ntick\nkey 27\nmenu rules\n#taik\nkey \n", 6, "'key' takes one key code"},
    {"rnd 1", 1, std::string(kRndRange) + "'1'"},
    {"rnd 0 -5", 1, std::string(kRndRange) + "'-5'"},
    {"rnd 0.9 0 0. 0.9 \nrnd 0.9 0 .25\nrnd\nd", 3, "'rnd' needs at least one number"},
    {"tick 10012200;", 1, kTickCount},
    {"tick 100380001010000010", 1, kTickCount},
    {"start\ndump\ntick s\n", 3, kTickCount},
    {"tick 13 800\n", 1, "'tick' takes at most one count"},
    {"start\ntick\nkey 07\ntick 6\nkey 38\ntick 200\nanim tic0\nanirul", 7, kAnimCount},
    {"start\ntick\nkey 07\ntick 4\nkey 38\ntick 200\nanim tick 00\nanirul", 7,
        "'anim' takes at most one count"},
    {"start\r\n\t\ntick 300\r\nmenu e", 4, kMenuNames},
    {"rnd 0.2\nstart\ntick\noption opt4\noption\n\n", 5, "'option' takes one of opt1 .. opt5"},
    {"#\nstart\noption opt1\n", 3, "there is no speed window to click"},
    {"start\n\nclose speed\nclose u", 4, "'close' takes one of speed or level"},
    {"#\nclose \xa4", 2, "'close' takes one of speed or level"},
    {"tick +5", 1, kTickCount},
    {"start\ntick 99999999999999999999", 2, kTickCount},
    {"rnd 0x1", 1, std::string(kRndRange) + "'0x1'"},
    {"rnd nan", 1, std::string(kRndRange) + "'nan'"},
    {"start\n" + std::string(4097, 'k'), 2, "line longer than 4096 characters"},
};

// The first `lines` lines of a script, each with its line end.
std::string firstLines(const std::string& script, long lines)
{
    std::size_t end = 0;
    for (long i = 0; i < lines; ++i)
        end = script.find('\n', end) + 1;
    return script.substr(0, end);
}

TEST(FuzzRegression, MalformedLinesStopTheScriptThereWithTheirReason)
{
    for (const BadScript& bad : kBadScripts) {
        SCOPED_TRACE(bad.script.substr(0, 80));
        // The dump would print if anything ran after the bad line.
        const auto run = replayScript(bad.script + "\ndump\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.errors, "line " + std::to_string(bad.line) + ": " + bad.reason + "\n");

        // Standard output is exactly what the good lines before it printed.
        const auto before = replayScript(firstLines(bad.script, bad.line - 1));
        EXPECT_EQ(before.status, 0);
        EXPECT_EQ(run.lines, before.lines);
    }
}

} // namespace
} // namespace zubble
