// Compile-time proof that both boards keep the rules their tables were drawn by.
#include "board/level1_layout.h"
#include "board/level2_layout.h"

namespace zubble {
namespace {

constexpr bool onGrid(int value) { return value % 120 == 0; }
constexpr bool gridPlusWall(int size) { return size % 120 == 15; }

constexpr bool everyPlaceOnGrid(const LevelLayout& l)
{
    auto rectOk = [](const TwipRect& r) { return onGrid(r.Left) && onGrid(r.Top); };
    for (const auto& r : l.shpWall)
        if (!rectOk(r)) return false;
    for (const auto& p : l.shpCircle)
        if (!onGrid(p.Left) || !onGrid(p.Top)) return false;
    for (const auto& p : l.shpLarge)
        if (!onGrid(p.Left) || !onGrid(p.Top)) return false;
    for (const auto& r : l.imgGhost)
        if (!rectOk(r)) return false;
    for (const auto& r : l.imgZub)
        if (!rectOk(r)) return false;
    return rectOk(l.imgZubble) && rectOk(l.lblScore) && rectOk(l.lbllife)
        && rectOk(l.lblLevel) && rectOk(l.Image1) && rectOk(l.imgBack2);
}

constexpr bool wallsAreThinAndOnTheirLines(const LevelLayout& l)
{
    for (const auto& w : l.shpWall) {
        const bool vertical = w.Height > w.Width;
        const int thickness = vertical ? w.Width : w.Height;
        if (thickness != 135 || !gridPlusWall(w.Width) || !gridPlusWall(w.Height))
            return false;
        if (vertical && w.Left % 840 != 0)
            return false;
    }
    return true;
}

constexpr bool labelSizesOnGrid(const LevelLayout& l)
{
    for (const auto& r : {l.lblScore, l.lbllife, l.lblLevel})
        if (!gridPlusWall(r.Width) || !gridPlusWall(r.Height)) return false;
    return true;
}

constexpr bool spriteSizes(const LevelLayout& l)
{
    for (const auto& r : l.imgGhost)
        if (r.Width != kGhostSize || r.Height != kGhostSize) return false;
    for (const auto& r : l.imgZub)
        if (r.Width != kZubbleSize || r.Height != kZubbleSize) return false;
    return l.imgZubble.Width == kZubbleSize && l.imgZubble.Height == kZubbleSize;
}

constexpr bool noDotOnAWall(const LevelLayout& l)
{
    for (const auto& w : l.shpWall) {
        for (int i = 0; i < kSmallDotCount; ++i)
            if (w.overlaps(l.smallDot(i))) return false;
        for (int i = 0; i < kLargeDotCount; ++i)
            if (w.overlaps(l.largeDot(i))) return false;
    }
    return true;
}

constexpr bool frameHoldersOutOfSight(const LevelLayout& l)
{
    for (const auto& r : l.imgZub)
        if (r.Top < kClientHeight) return false;
    return true;
}

// Each ghost starts centred on the large dot of its corner (twice the centre
// keeps the halves whole).
constexpr bool ghostsCentredOnCornerDots(const LevelLayout& l)
{
    for (const auto& g : l.imgGhost) {
        bool found = false;
        for (int i = 0; i < kLargeDotCount; ++i) {
            const TwipRect d = l.largeDot(i);
            if (2 * g.Left + g.Width == 2 * d.Left + d.Width
                && 2 * g.Top + g.Height == 2 * d.Top + d.Height)
                found = g.contains(d);
        }
        if (!found) return false;
    }
    return true;
}

constexpr int roleCount(Role role)
{
    switch (role) {
    case Role::Ghost: return kGhostCount;
    case Role::Wall: return kWallCount;
    case Role::Circle: return kSmallDotCount;
    case Role::Large: return kLargeDotCount;
    case Role::Zub: return kFrameCount;
    default: return 1;
    }
}

constexpr bool everyObjectDrawnOnce(const DrawOrder& order)
{
    for (const LayoutObject& a : order) {
        if (a.index < 0 || a.index >= roleCount(a.role)) return false;
        int seen = 0;
        for (const LayoutObject& b : order)
            seen += (a.role == b.role && a.index == b.index) ? 1 : 0;
        if (seen != 1) return false;
    }
    return true;
}

constexpr bool allRulesHold(const LevelLayout& l)
{
    return everyPlaceOnGrid(l) && wallsAreThinAndOnTheirLines(l) && labelSizesOnGrid(l)
        && spriteSizes(l) && noDotOnAWall(l) && frameHoldersOutOfSight(l)
        && ghostsCentredOnCornerDots(l) && everyObjectDrawnOnce(l.frontToBack);
}

static_assert(level1_detail::order().size() == kObjectCount);
static_assert(level2_detail::order().size() == kObjectCount);
static_assert(allRulesHold(kLevel1Layout));
static_assert(allRulesHold(kLevel2Layout));

} // namespace
} // namespace zubble
