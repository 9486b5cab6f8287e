// The frame that an X11 window manager puts around a window.
#pragma once

#include "WindowFrame.h"

class QWindow;

// The frame the window manager would put around the probe, a created window never shown;
// none where no window manager runs. Only on X11.
QMargins x11Frame(const QWindow &probe);
