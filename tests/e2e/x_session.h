#pragma once

#include <QImage>
#include <QRect>

#include <string>
#include <sys/types.h>

namespace zubble::testing {

// A private X server (Xvfb) for one test, and the few things a player does
// with it: find windows, press keys, click, look at the screen.
class XSession final {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool ready() const { return display_ >= 0; }
    std::string display() const { return ":" + std::to_string(display_); }

    // Starts a program on this display; returns its process id.
    pid_t launch(const std::string& program);
    // Waits up to `seconds` for the process to end; its exit status, or -1.
    int waitForExit(pid_t pid, double seconds);

    // Starts a window manager (openbox) that decorates and places windows as
    // a desktop does; false when there is none here.
    bool startWindowManager();

    // The first visible window whose name matches exactly, or 0.
    unsigned long findWindow(const std::string& name, double seconds);
    QRect geometry(unsigned long window);
    // The window without and with the decoration its window manager gave it.
    QRect inside(unsigned long window);
    QRect frame(unsigned long window);
    void key(const std::string& keys);
    void click(int x, int y);
    QImage screen();

    // Runs an X client command on this display and returns what it printed.
    std::string run(const std::string& command);

private:
    int display_ = -1;
    pid_t server_ = -1;
    pid_t manager_ = -1;
};

} // namespace zubble::testing
