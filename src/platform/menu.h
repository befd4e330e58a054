#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zubble::platform {

// One entry of a drop-down menu; a separator has no caption and no action.
struct MenuItem {
    std::string name; // the game's name for it, e.g. "mnuPauseGame"
    std::string caption; // with '&' before the access key
    std::string shortcut; // "Ctrl+P", or empty
    bool separator = false;
    bool Checked = false;
    std::function<void()> Click;
};

struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;
};

} // namespace zubble::platform
