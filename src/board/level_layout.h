#pragma once

#include "board/colours.h"
#include "board/pictures.h"
#include "board/twip_rect.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace zubble {

inline constexpr int kWallCount = 20;
inline constexpr int kSmallDotCount = 68;
inline constexpr int kLargeDotCount = 9;
inline constexpr int kGhostCount = 4;
inline constexpr int kFrameCount = 5;
inline constexpr int kSmallDotSize = 135;
inline constexpr int kLargeDotSize = 255;
inline constexpr int kGhostSize = 495;
inline constexpr int kZubbleSize = 525;
inline constexpr int kClientWidth = 8010;
inline constexpr int kClientHeight = 6375;

// Which object of a level screen an entry of the drawing order names.
enum class Role {
    Zubble,
    Ghost,
    Wall,
    Circle,
    Large,
    Zub,
    LblScore,
    Lbllife,
    LblLevel,
    Image1,
    Back2,
};

struct LayoutObject {
    Role role = Role::Zubble;
    int index = 0;
};

// Every object of a level screen appears once: 1 player, 4 ghosts, 20 walls,
// 68 + 9 dots, 5 frame holders, 3 labels, the panel and the board background.
inline constexpr std::size_t kObjectCount = 1 + kGhostCount + kWallCount + kSmallDotCount
    + kLargeDotCount + kFrameCount + 3 + 1 + 1;

using DrawOrder = std::array<LayoutObject, kObjectCount>;

// Builds a drawing order at compile time from runs of indexes.
class DrawOrderBuilder {
public:
    constexpr DrawOrderBuilder& add(Role role, std::initializer_list<int> indexes = {0})
    {
        for (int index : indexes)
            items_[count_++] = {role, index};
        return *this;
    }
    constexpr DrawOrderBuilder& range(Role role, int first, int last)
    {
        for (int index = first; index <= last; ++index)
            items_[count_++] = {role, index};
        return *this;
    }
    constexpr std::size_t size() const { return count_; }
    constexpr DrawOrder build() const { return items_; }

private:
    DrawOrder items_{};
    std::size_t count_ = 0;
};

// The fixed content of one level screen.
struct LevelLayout {
    std::array<TwipRect, kWallCount> shpWall;
    std::array<TwipPoint, kSmallDotCount> shpCircle;
    std::array<TwipPoint, kLargeDotCount> shpLarge;
    std::array<TwipRect, kGhostCount> imgGhost;
    TwipRect imgZubble;
    std::array<TwipRect, kFrameCount> imgZub;
    TwipRect lblScore;
    TwipRect lbllife;
    TwipRect lblLevel;
    TwipRect Image1;
    TwipRect imgBack2;
    bool back2Visible;
    PictureId back2Picture;
    PictureId windowPicture;
    Colour backColour;
    DrawOrder frontToBack; // the first object is drawn in front of all others

    constexpr TwipRect smallDot(int index) const
    {
        return {shpCircle[index].Left, shpCircle[index].Top, kSmallDotSize, kSmallDotSize};
    }
    constexpr TwipRect largeDot(int index) const
    {
        return {shpLarge[index].Left, shpLarge[index].Top, kLargeDotSize, kLargeDotSize};
    }
};

} // namespace zubble
