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

QMargins windowsFrame(Qt::WindowFlags flags)
{
    // Windows gives a window its title bar and borders from its styles and its screen's
    // density as soon as the window exists; Qt reads them back without showing it.
    QWindow probe;
    probe.setFlags(flags);
    probe.setMinimumSize(QSize(100, 100));
    probe.setMaximumSize(QSize(100, 100));
    probe.create();
    return probe.frameMargins();
}

} // namespace

QMargins learnWindowFrame(Qt::WindowFlags flags)
{
#ifdef TELVANOR_X11
    if (const std::optional<QMargins> frame = x11Frame(flags))
        return *frame;
#endif
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("windows"))
        return windowsFrame(flags);
    if (platform.startsWith(QLatin1String("wayland")))
        return waylandFrame(flags);
    return {};
}
