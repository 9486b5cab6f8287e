// What the window manager, the compositor or Qt itself adds around a window's client area.
#pragma once

#include <QMargins>
#include <Qt>

// A frame as common desktops draw it around a dialog: a 30-pixel title bar and thin borders.
// Used where a frame is drawn but its size cannot be learned.
inline constexpr QMargins EstimatedFrame(4, 30, 4, 4);

// The frame and title bar around a top-level window with the given flags, learned before
// any such window is shown so that the first one can already be fitted and placed:
// - on X11 the window manager is asked for it (_NET_REQUEST_FRAME_EXTENTS);
// - on Windows it is the one Windows gives a window of these styles at its screen's density;
// - on Wayland, where Qt draws the title bar itself, it is Qt's own;
// - where the platform tells nothing although it draws a frame, an estimate;
// - where no frame is drawn (no window manager, offscreen), none.
QMargins learnWindowFrame(Qt::WindowFlags flags);
