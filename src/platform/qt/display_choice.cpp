#include "platform/qt/display_choice.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace zubble::platform {

void preferXWayland()
{
    const bool onWayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (onWayland && qEnvironmentVariableIsSet("DISPLAY")
        && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void preferPlainImageTransfers()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace zubble::platform
