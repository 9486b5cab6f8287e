#include "WindowFramePlatforms.h"

#include <QWindow>

QMargins windowsFrame(const QWindow &probe)
{
    // Windows gives a window its title bar and borders as soon as the window exists; Qt
    // reads them back in device-independent pixels.
    return probe.frameMargins();
}
