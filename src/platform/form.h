#pragma once

#include "board/colours.h"
#include "board/pictures.h"
#include "platform/control.h"
#include "platform/menu.h"
#include "platform/option_group.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zubble::platform {

class Desktop;
class WindowPeer;

struct TwipPosition {
    float left = 0;
    float top = 0;
};

// A top-level window: caption, icon, fixed border, optional menu bar, a client
// area in twips with a picture over a colour, and the windowless objects drawn
// in it. The game describes the window, then calls create() once.
class Form final {
public:
    explicit Form(Desktop& desktop);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Description, fixed before create().
    std::string name; // "frmLevel1", "frmSpeed", ...
    std::string Caption;
    PictureId Icon = PictureId::Icon;
    PictureId Picture = PictureId::None;
    Colour BackColor = Colour::of(SystemColour::ButtonFace);
    int clientWidth = 0; // twips
    int clientHeight = 0;
    std::optional<TwipPosition> firstClientPosition; // else the platform places it
    bool takesFocus = true; // false: showing it never takes the keyboard focus
    std::vector<Menu> menus;
    std::vector<const Control*> frontToBack; // the first is drawn in front
    std::unique_ptr<OptionGroup> options;

    // Events.
    std::function<void(int keyCode, int shift)> KeyDown;
    std::function<void()> Unload; // the user closed the window

    void create();

    // Outer window, twips.
    float Left() const;
    float Top() const;
    float Width() const;
    void SetLeft(float twips);
    void SetTop(float twips);

    bool Visible() const;
    void Show();
    void Hide();
    void SetFocus();

    MenuItem* findMenuItem(const std::string& itemName);

private:
    Desktop& desktop_;
    std::unique_ptr<WindowPeer> peer_;
};

} // namespace zubble::platform
