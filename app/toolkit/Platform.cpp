#include "Platform.h"

#include <QByteArray>
#include <QtGlobal>

void choosePlatform()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
             qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "wayland");
#endif
}
