#pragma once

#include <cstdint>

namespace zubble {

// A colour is either a fixed RGB value or one of the platform's system colours,
// which the backend resolves from its palette.
enum class SystemColour : std::uint8_t {
    None,
    WindowFrame, // wall fill
    WindowBackground, // dot fill
    WindowText, // outlines and label text
    ButtonFace, // the default face of a window
};

struct Colour {
    SystemColour system = SystemColour::None;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return {SystemColour::None, r, g, b};
    }
    static constexpr Colour of(SystemColour s) { return {s, 0, 0, 0}; }
};

inline constexpr Colour kPureBlue = Colour::rgb(0, 0, 255);

} // namespace zubble
