#include "platform/timer.h"

#include "platform/busy_flag.h"
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
    const BusyFlag running(running_);
    handler_();
}

} // namespace zubble::platform
