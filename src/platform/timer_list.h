#pragma once

#include <vector>

namespace zubble::platform {

class Timer;

// Every timer of the program in the order of creation, and the rule by which
// one round of ticks runs.
class TimerList final {
public:
    // The desktop's 1-millisecond timers tick once per system tick of this length.
    static constexpr double kSystemTickMs = 15.625;

    void add(Timer& timer);
    void remove(Timer& timer);

    // One round of the timers whose interval is at most a system tick
    // (fast = true) or longer (fast = false): every such timer enabled when the
    // round begins ticks once, in creation order, unless an earlier handler of
    // the round disabled it.
    void runRound(bool fast);
    void runOne(Timer& timer);

    static bool isFast(const Timer& timer);
    void disableAll();
    const std::vector<Timer*>& all() const { return timers_; }

private:
    std::vector<Timer*> timers_;
};

} // namespace zubble::platform
