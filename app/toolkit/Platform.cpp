#include "Platform.h"

#include <QByteArray>
#include <QGuiApplication>

Platform currentPlatform()
{
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb"))
        return Platform::X11;
    if (name.startsWith(QLatin1String("wayland")))
        return Platform::Wayland;
    if (name == QLatin1String("windows"))
        return Platform::Windows;
    if (name == QLatin1String("wasm"))
        return Platform::Web;
    return Platform::Other;
}

bool isWindowManaged()
{
    const Platform platform = currentPlatform();
    return platform == Platform::X11 || platform == Platform::Wayland;
}

void choosePlatform()
{
#ifdef TELVANOR_LINUX_LIKE
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
             qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "wayland");
#endif
}

Qt::ConnectionType buttonPressConnection()
{
#ifdef Q_OS_WASM
    return Qt::QueuedConnection;
#else
    return Qt::DirectConnection;
#endif
}

#ifndef Q_OS_WASM
void connectToPage()
{
}
#endif
