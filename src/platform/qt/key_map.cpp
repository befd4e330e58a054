#include "platform/qt/key_map.h"

#include "platform/key_codes.h"

#include <QKeyEvent>

namespace zubble::platform {
namespace {

struct KeyPair {
    int qtKey;
    int virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18}, {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, kKeyEscape}, {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35}, {Qt::Key_Home, 36},
    {Qt::Key_Left, kKeyLeft}, {Qt::Key_Up, kKeyUp}, {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
};

} // namespace

int virtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    for (const KeyPair& pair : kNamedKeys)
        if (pair.qtKey == key)
            return pair.virtualKey;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    return 0;
}

int shiftState(const QKeyEvent& event)
{
    const auto modifiers = event.modifiers();
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0)
        | (modifiers & Qt::ControlModifier ? kCtrlMask : 0)
        | (modifiers & Qt::AltModifier ? kAltMask : 0);
}

} // namespace zubble::platform
