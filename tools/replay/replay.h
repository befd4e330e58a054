#pragma once

#include "platform/headless/headless_desktop.h"
#include "screen/game.h"

#include <istream>
#include <ostream>
#include <string>

namespace zubble::replay {

struct Command;

// Plays a script of user actions on the headless desktop and prints what
// happened: every message box as it opens, each dump, and the end.
class Replay final {
public:
    static constexpr int kScriptError = 2;

    Replay(std::ostream& out, std::ostream& errors);
    // Returns the exit status: 0, or kScriptError at the first bad line.
    int run(std::istream& script);

    platform::HeadlessDesktop& desktop() { return desktop_; }
    Game& game() { return game_; }

private:
    // Empty on success, else the reason the line cannot run.
    std::string execute(const Command& command);

    platform::HeadlessDesktop desktop_;
    Game game_;
    std::ostream& out_;
    std::ostream& errors_;
    bool started_ = false;
};

} // namespace zubble::replay
