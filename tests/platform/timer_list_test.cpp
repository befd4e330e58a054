#include "platform/headless/headless_desktop.h"
#include "platform/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace zubble::platform {
namespace {

struct Recorder {
    HeadlessDesktop desktop;
    std::string log;
    std::unique_ptr<Timer> make(char name, int interval, std::function<void()> extra = {})
    {
        auto timer = std::make_unique<Timer>(desktop, interval, [this, name, extra] {
            log += name;
            if (extra)
                extra();
        });
        timer->Enabled = true;
        return timer;
    }
};

TEST(TimerRound, FastTimersTickOncePerRoundInCreationOrder)
{
    Recorder r;
    auto a = r.make('a', 1);
    auto slow = r.make('s', 100);
    auto b = r.make('b', 1);
    r.desktop.tick(2);
    EXPECT_EQ(r.log, "abab");
    r.log.clear();
    r.desktop.anim(1);
    EXPECT_EQ(r.log, "s");
}

// A timer that an earlier handler of the round disables is skipped; one that
// an earlier handler enables waits for the next round.
TEST(TimerRound, EnabledStateIsTakenWhenTheRoundBegins)
{
    Recorder r;
    std::unique_ptr<Timer> b;
    std::unique_ptr<Timer> c;
    auto a = r.make('a', 1, [&] {
        b->Enabled = false;
        c->Enabled = true;
    });
    b = r.make('b', 1);
    c = r.make('c', 1);
    c->Enabled = false;
    r.desktop.tick(1);
    EXPECT_EQ(r.log, "a");
    r.desktop.tick(1);
    EXPECT_EQ(r.log, "aac");
}

// A timer created by a handler (a window opened in a tick) first ticks in the
// next round.
TEST(TimerRound, TimerCreatedDuringARoundWaitsForTheNext)
{
    Recorder r;
    std::unique_ptr<Timer> late;
    auto a = r.make('a', 1, [&] {
        if (!late)
            late = r.make('l', 1);
    });
    r.desktop.tick(2);
    EXPECT_EQ(r.log, "aal");
}

// A handler waiting in a message box is not ticked again by a round that runs
// meanwhile; other timers are, and not once more for the held round.
TEST(TimerRound, BusyTimerIsNotReentered)
{
    Recorder r;
    int depth = 0;
    auto a = r.make('a', 1, [&] {
        ++depth;
        if (depth == 1)
            r.desktop.MsgBox("text", "title");
        --depth;
    });
    auto b = r.make('b', 1);
    r.desktop.onBox = [&](const HeadlessDesktop::Box&) { r.desktop.tick(1); };
    r.desktop.tick(1);
    EXPECT_EQ(r.log, "ab");
}

TEST(End, StopsEveryTimerAndTheRoundInProgress)
{
    Recorder r;
    auto a = r.make('a', 1, [&] { r.desktop.End(); });
    auto b = r.make('b', 1);
    r.desktop.tick(3);
    EXPECT_EQ(r.log, "a");
    EXPECT_TRUE(r.desktop.ended());
    EXPECT_FALSE(a->Enabled);
    EXPECT_FALSE(b->Enabled);
}

TEST(End, NoMessageBoxOpensAfterwards)
{
    Recorder r;
    r.desktop.deliver([&] { r.desktop.End(); });
    bool reached = false;
    r.desktop.deliver([&] {
        reached = true;
        r.desktop.MsgBox("text", "title");
    });
    EXPECT_FALSE(reached);
    EXPECT_TRUE(r.desktop.boxes.empty());
}

TEST(Random, ComesFromTheQueueThenZero)
{
    HeadlessDesktop desktop;
    desktop.queueRandom(0.25);
    desktop.queueRandom(0.5);
    EXPECT_EQ(desktop.Rnd(), 0.25);
    EXPECT_EQ(desktop.Rnd(), 0.5);
    EXPECT_EQ(desktop.Rnd(), 0.0);
}

} // namespace
} // namespace zubble::platform
