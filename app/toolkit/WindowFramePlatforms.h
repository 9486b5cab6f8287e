// How each platform tells the frame around a window; each is built only where its platform
// exists (app/toolkit/CMakeLists.txt).
#pragma once

#include <QMargins>
#include <Qt>

class QWindow;

// X11: the frame the window manager would put around the probe, a created window never
// shown; none where no window manager runs.
QMargins x11Frame(const QWindow &probe);

// Wayland: the title bar Qt draws itself, or an estimate where the compositor draws one.
QMargins waylandFrame(Qt::WindowFlags flags);

// Windows: the title bar and borders Windows gives the probe from its styles, at its
// screen's density.
QMargins windowsFrame(const QWindow &probe);
