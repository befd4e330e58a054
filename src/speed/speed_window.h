#pragma once

#include "platform/form.h"
#include "platform/timer.h"

#include <array>
#include <cstdint>

namespace zubble {

class Game;

// The "Select Speed" window: five speeds for the level screen in play, and a
// timer that keeps it glued to that screen's right edge.
class SpeedWindow final {
public:
    explicit SpeedWindow(Game& game);
    SpeedWindow(const SpeedWindow&) = delete;
    SpeedWindow& operator=(const SpeedWindow&) = delete;

    // Twips per fast tick, by button in the group's order (top to bottom).
    static constexpr std::array<std::int16_t, 5> kSpeeds{10, 40, 80, 130, 180};
    static constexpr int kNormal = 2; // opt2, "Normal"

    Game& game;
    platform::Form form;
    platform::OptionGroup& options;
    platform::Timer Timer1;

    void Form_Load();
    void Form_Unload();
    void Timer1_Timer();
    void optClick(int index);

    // Closing the window unloads it; the next touch loads it anew.
    bool loaded() const { return loaded_; }
    void load();
    void selectNormal() { options.select(kNormal); }

private:
    bool loaded_ = false;
};

} // namespace zubble
