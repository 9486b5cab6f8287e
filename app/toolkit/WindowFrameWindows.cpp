#include "WindowFramePlatforms.h"

#include <QWindow>

QMargins windowsFrame(const QWindow &probe)
{
    // Windows gives a window its title bar and borders as soon as the window exists; Qt
    // reads them back in device-independent pixels. Every Windows frame has a border of at
    // least a pixel; Wine, whose X11 window manager draws the frame, reports its sides as
    // less than nothing.
    const QMargins frame = probe.frameMargins();
    return {qMax(frame.left(), 1), qMax(frame.top(), 1), qMax(frame.right(), 1),
            qMax(frame.bottom(), 1)};
}
