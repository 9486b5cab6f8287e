#include "WindowFrame.h"
#include "WindowFramePlatforms.h"

#include <QWindow>

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
