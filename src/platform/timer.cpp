#include "platform/timer.h"

#include "platform/desktop.h"

namespace zubble::platform {

Timer::Timer(Desktop& desktop, int intervalMs, std::function<void()> handler)
    : Interval(intervalMs), desktop_(desktop), handler_(std::move(handler))
{
    desktop_.timers.add(*this);
}

Timer::~Timer() { desktop_.timers.remove(*this); }

void Timer::fire()
{
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running{running_};
    handler_();
}

} // namespace zubble::platform
