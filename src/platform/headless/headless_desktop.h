#pragma once

#include "platform/desktop.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zubble::platform {

class Form;

// A deterministic desktop without a display, for tests and the replay tool.
// Timers tick only when the caller says so, message boxes are recorded and
// answered at once, random numbers come from a queue.
class HeadlessDesktop final : public Desktop {
public:
    struct Box {
        std::string title;
        std::string text;
    };

    // A made-up but fixed window frame, so that outer positions are exact.
    static constexpr float kBorderTwips = 60; // left, right and bottom edge
    static constexpr float kCaptionTwips = 345; // top edge and caption bar
    static constexpr float kMenuBarTwips = 300;
    static constexpr float kDefaultLeft = 1200; // where new windows appear
    static constexpr float kDefaultTop = 1200;

    std::unique_ptr<WindowPeer> createWindow(Form& form) override;
    void MsgBox(std::string_view text, std::string_view title) override;
    void Randomize() override { ++randomizeCount; }
    double Rnd() override;
    [[noreturn]] void End() override;
    bool ended() const override { return ended_; }

    // Driving the program.
    void queueRandom(double value) { randomQueue_.push_back(value); }
    void tick(int rounds = 1); // rounds of the 1-millisecond timers
    void anim(int rounds = 1); // rounds of the longer timers
    // Runs one user action as the platform would deliver it; an End inside it
    // stops it there.
    void deliver(const std::function<void()>& action);

    Form* focused() const { return focused_; }
    void setFocused(Form* form) { focused_ = form; }
    void forget(Form& form);

    std::vector<Box> boxes;
    std::function<void(const Box&)> onBox; // runs while the box is "open"
    int randomizeCount = 0;

private:
    std::deque<double> randomQueue_;
    Form* focused_ = nullptr;
    bool ended_ = false;
};

} // namespace zubble::platform
