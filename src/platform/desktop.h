#pragma once

#include "platform/timer_list.h"

#include <memory>
#include <string_view>

namespace zubble::platform {

class Form;
class WindowPeer;

// What the game needs of the windowing layer beyond its windows' own
// properties. Two implementations: the Qt desktop and the headless one.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual std::unique_ptr<WindowPeer> createWindow(Form& form) = 0;

    // A modal box with an OK button only and no icon; returns when dismissed.
    virtual void MsgBox(std::string_view text, std::string_view title) = 0;

    // Uniform numbers in [0, 1); Randomize seeds from the time of day.
    virtual void Randomize() = 0;
    virtual double Rnd() = 0;

    // Ends the program at once: no game statement runs after it.
    [[noreturn]] virtual void End() = 0;
    virtual bool ended() const = 0;

    TimerList timers;
};

} // namespace zubble::platform
