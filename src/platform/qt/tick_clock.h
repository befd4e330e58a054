#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace zubble::platform {

class TimerList;

// One master clock for every game timer. A 1-millisecond timer ticks once per
// system tick of 15.625 ms, 64 times a second, the pace the game's speeds were
// made for; tick n falls due at start + n x 15.625 ms, so nothing drifts.
// Longer timers tick on their own deadlines. The process sleeps until the next
// deadline, and after a stall catches up a few ticks at most.
class TickClock final {
public:
    static constexpr int kMaxCatchUp = 3;

    // `wake` runs one due wake-up (the owner wraps it as a handler boundary).
    TickClock(TimerList& timers, std::function<void(const std::function<void()>&)> dispatch);

    void start();
    void stop();
    // Arms the sleep for the next deadline of the enabled timers.
    void reschedule();


private:
    void wake();
    void runDue();
    double nowMs() const;

    TimerList& timers_;
    std::function<void(const std::function<void()>&)> dispatch_;
    QElapsedTimer elapsed_;
    QTimer sleeper_;
    std::int64_t roundsDue_ = 0; // system ticks that have fallen due so far
    bool stopped_ = false;
    std::function<void()> runDue_;
};

} // namespace zubble::platform
