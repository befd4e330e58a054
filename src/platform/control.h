#pragma once

#include "board/colours.h"
#include "board/fonts.h"
#include "board/pictures.h"
#include "board/twip_rect.h"

#include <string>

namespace zubble::platform {

enum class ControlKind { Image, Shape, Label };
enum class ShapeKind { Rectangle, Circle };

// A windowless screen object. Its place and visibility are game state: the
// game reads and writes them directly, the backend only draws them.
class Control {
public:
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = true;
    // Fixed scenery (walls, panel, backgrounds), drawn behind everything else
    // from a cached picture; nothing that moves may lie behind it.
    bool scenery = false;

    ControlKind kind() const { return kind_; }

    void place(const TwipRect& rect)
    {
        Left = float(rect.Left);
        Top = float(rect.Top);
        Width = float(rect.Width);
        Height = float(rect.Height);
    }
    // Single-precision sums, as every comparison of the game forms them.
    float Right() const { return Left + Width; }
    float Bottom() const { return Top + Height; }

protected:
    explicit Control(ControlKind kind) : kind_(kind) {}
    ~Control() = default;
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;

private:
    ControlKind kind_;
};

// A picture drawn at its natural size, or scaled to its box when Stretch is set.
class Image final : public Control {
public:
    Image() : Control(ControlKind::Image) {}
    PictureId Picture = PictureId::None;
    bool Stretch = false;
};

// A filled rectangle or circle with a one-pixel outline.
class Shape final : public Control {
public:
    Shape() : Control(ControlKind::Shape) {}
    ShapeKind Kind = ShapeKind::Rectangle;
    Colour FillColor = Colour::of(SystemColour::WindowBackground);
    Colour BorderColor = Colour::of(SystemColour::WindowText);
};

// Centred text on a transparent background.
class Label final : public Control {
public:
    Label() : Control(ControlKind::Label) {}
    std::string Caption;
    FontSpec Font;
    Colour ForeColor = Colour::of(SystemColour::WindowText);
};

} // namespace zubble::platform
