#include "platform/key_codes.h"
#include "platform/qt/key_map.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace zubble::platform {
namespace {

TEST(KeyMap, QtKeysBecomeVirtualKeyCodes)
{
    const struct {
        int qtKey;
        int code;
    } cases[] = {
        {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
        {Qt::Key_Escape, 27}, {Qt::Key_Return, 13}, {Qt::Key_Space, 32}, {Qt::Key_A, 65},
        {Qt::Key_P, 80}, {Qt::Key_Z, 90}, {Qt::Key_0, 48}, {Qt::Key_9, 57}, {Qt::Key_F1, 112},
        {Qt::Key_Eacute, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.qtKey);
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, Qt::NoModifier);
        EXPECT_EQ(virtualKeyCode(event), c.code);
    }
}

TEST(KeyMap, ModifiersBecomeShiftBitsAndAutoRepeatStillCounts)
{
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier,
        QString(), /*autorep=*/true);
    EXPECT_EQ(virtualKeyCode(event), kKeyUp);
    EXPECT_EQ(shiftState(event), kShiftMask | kAltMask);
}

} // namespace
} // namespace zubble::platform
