#include "platform/qt/tick_clock.h"

#include "platform/timer.h"
#include "platform/timer_list.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zubble::platform {

TickClock::TickClock(
    TimerList& timers, std::function<void(const std::function<void()>&)> dispatch)
    : timers_(timers), dispatch_(std::move(dispatch))
{
    sleeper_.setSingleShot(true);
    sleeper_.setTimerType(Qt::PreciseTimer);
    runDue_ = [this] { runDue(); };
    QObject::connect(&sleeper_, &QTimer::timeout, [this] { wake(); });
}

void TickClock::start()
{
    elapsed_.start();
    stopped_ = false;
    reschedule();
}

void TickClock::stop()
{
    stopped_ = true;
    sleeper_.stop();
}

double TickClock::nowMs() const { return double(elapsed_.nsecsElapsed()) / 1e6; }

void TickClock::wake()
{
    // Re-armed before the rounds run, so that the docking and the animation go
    // on while a fast tick waits in a message box.
    reschedule();
    dispatch_(runDue_);
}

void TickClock::runDue()
{
    const double now = nowMs();
    const auto due = std::int64_t(std::floor(now / TimerList::kSystemTickMs));
    const std::int64_t missed = due - roundsDue_;
    roundsDue_ = std::max(roundsDue_, due);
    for (std::int64_t i = 0; i < std::min<std::int64_t>(missed, kMaxCatchUp); ++i) {
        timers_.runRound(true);
    }
    for (std::size_t i = 0; i < timers_.all().size(); ++i) {
        Timer& timer = *timers_.all()[i];
        if (TimerList::isFast(timer) || timer.dueAtMs < 0 || now < timer.dueAtMs)
            continue;
        // Next deadline on its own grid; after a stall, from now.
        timer.dueAtMs += timer.Interval;
        if (timer.dueAtMs <= now)
            timer.dueAtMs = now + timer.Interval;
        timers_.runOne(timer);
    }
    reschedule();
}

void TickClock::reschedule()
{
    if (stopped_ || !elapsed_.isValid())
        return;
    const double now = nowMs();
    double nextFast = std::numeric_limits<double>::infinity();
    double nextSlow = std::numeric_limits<double>::infinity();
    for (Timer* timer : timers_.all()) {
        if (!timer->Enabled) {
            timer->dueAtMs = -1;
        } else if (TimerList::isFast(*timer)) {
            nextFast = double(roundsDue_ + 1) * TimerList::kSystemTickMs;
        } else {
            if (timer->dueAtMs < 0)
                timer->dueAtMs = now + timer->Interval;
            nextSlow = std::min(nextSlow, timer->dueAtMs);
        }
    }
    // While the fast timers run, a slow one waits for the next system tick
    // after its deadline (15.625 ms late at most) instead of a wake-up of its own.
    const double next = nextFast < std::numeric_limits<double>::infinity() ? nextFast : nextSlow;
    if (next == std::numeric_limits<double>::infinity()) {
        sleeper_.stop();
        return;
    }
    const auto waitMs = std::max(0, int(std::ceil(next - now)));
    sleeper_.start(waitMs);
}

} // namespace zubble::platform
