#include "WindowFrame.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef TELVANOR_X11
#include "WindowFrameX11.h"
#endif

namespace {

QMargins waylandFrame(Qt::WindowFlags flags)
{
    // Qt makes its title bar when a window is shown; a window that never draws is shown
    // without ever appearing on the screen.
    QWindow probe;
    probe.setFlags(flags);
    probe.show();
    const QMargins drawnByQt = probe.frameMargins();
    probe.hide();
    // Without a title bar of Qt's own the compositor draws one, of a size it does not tell.
    return drawnByQt.isNull() ? EstimatedFrame : drawnByQt;
}

} // namespace

QMargins learnWindowFrame(Qt::WindowFlags flags)
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return waylandFrame(flags);
    const bool x11 = platform == QLatin1String("xcb");
    if (!x11 && platform != QLatin1String("windows"))
        return {};
    // A window that is never shown, with the hints Qt gives the program's windows (fixed
    // size included: some frames have a grip for resizing), so that the platform answers
    // for the frame it would really put around them.
    QWindow probe;
    probe.setFlags(flags);
    probe.setMinimumSize(QSize(100, 100));
    probe.setMaximumSize(QSize(100, 100));
    probe.create();
#ifdef TELVANOR_X11
    if (x11)
        return x11Frame(probe);
#endif
    // Windows gives a window its title bar and borders from its styles and its screen's
    // density as soon as the window exists; Qt reads them back.
    return probe.frameMargins();
}
