#pragma once

namespace zubble {

// A font requested by name; the backend substitutes a free face when the
// machine lacks it.
struct FontSpec {
    const char* face = "";
    double points = 8.25;
    bool bold = false;
};

inline constexpr FontSpec kScoreFont{"Juniper-Normal", 15.75, true};
inline constexpr FontSpec kPanelNumberFont{"QUAKE", 36.0, false};

} // namespace zubble
