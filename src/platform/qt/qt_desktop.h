#pragma once

#include "platform/desktop.h"
#include "platform/qt/picture_set.h"
#include "platform/qt/tick_clock.h"

#include <functional>
#include <random>
#include <vector>

class QWidget;

namespace zubble::platform {

class FormWindow;

// The real desktop: Qt windows, menus, message boxes and the master clock.
// Construct it after the QApplication.
class QtDesktop final : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    std::unique_ptr<WindowPeer> createWindow(Form& form) override;
    void MsgBox(std::string_view text, std::string_view title) override;
    void Randomize() override;
    double Rnd() override;
    [[noreturn]] void End() override;
    bool ended() const override { return ended_; }

    // Runs a game handler as a handler boundary: an End inside it stops it
    // there, and no exception reaches Qt's event loop. Afterwards the clock
    // and the windows are brought up to date.
    void dispatch(const std::function<void()>& handler);

    // Starts the timers' clock; call once the first window is up.
    void startClock() { clock_.start(); }
    const PictureSet& pictures() const { return pictures_; }

    void forget(FormWindow& window);
    void remember(FormWindow& window) { windows_.push_back(&window); }

private:
    QWidget* boxOwner() const;

    PictureSet pictures_;
    TickClock clock_;
    std::vector<FormWindow*> windows_;
    std::mt19937_64 random_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    bool ended_ = false;
};

} // namespace zubble::platform
