#include "platform/timer_list.h"

#include "platform/timer.h"

#include <algorithm>

namespace zubble::platform {

void TimerList::add(Timer& timer) { timers_.push_back(&timer); }

void TimerList::remove(Timer& timer)
{
    // Timers live as long as their windows, which live as long as the program,
    // so this never runs inside a round.
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

bool TimerList::isFast(const Timer& timer) { return timer.Interval <= kSystemTickMs; }

void TimerList::runRound(bool fast)
{
    for (Timer* timer : timers_)
        timer->dueThisRound = isFast(*timer) == fast && timer->readyToTick();
    // By index: a handler may create a window, and with it a timer, which
    // waits for the next round.
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        Timer& timer = *timers_[i];
        if (timer.dueThisRound && timer.readyToTick()) {
            timer.dueThisRound = false;
            timer.fire();
        }
    }
}

void TimerList::runOne(Timer& timer)
{
    if (timer.readyToTick())
        timer.fire();
}

void TimerList::disableAll()
{
    for (Timer* timer : timers_)
        timer->Enabled = false;
}

} // namespace zubble::platform
