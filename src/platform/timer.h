#pragma once

#include <functional>

namespace zubble::platform {

class Desktop;

// A periodic timer. The desktop ticks it while Enabled; a timer whose handler
// is still running (waiting in a message box, say) is not ticked again.
class Timer final {
public:
    Timer(Desktop& desktop, int intervalMs, std::function<void()> handler);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled = false;
    int Interval = 0; // milliseconds

    // The desktop's side: whether a tick may run now, and running it.
    bool readyToTick() const { return Enabled && !running_; }
    void fire();

    // Bookkeeping of the round in progress and of the backend's schedule.
    bool dueThisRound = false;
    double dueAtMs = -1; // next deadline of a slow timer, -1 when not armed

private:
    Desktop& desktop_;
    std::function<void()> handler_;
    bool running_ = false;
};

} // namespace zubble::platform
