#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zubble::platform {

struct OptionButton {
    std::string name; // "opt1" .. "opt5"
    std::string caption;
    int Left = 0; // twips in the window's client area
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int tabIndex = 0;
};

// An exclusive group of option buttons. Selecting a button that is not yet
// selected, by the user or by the program, clears the others and reports the
// choice; selecting the selected one again changes nothing.
class OptionGroup final {
public:
    std::vector<OptionButton> buttons;
    std::function<void(int index)> Click;

    int selected() const { return selected_; }
    void select(int index);
    void clear() { selected_ = -1; }
    int indexOf(const std::string& name) const;

private:
    int selected_ = -1;
};

} // namespace zubble::platform
