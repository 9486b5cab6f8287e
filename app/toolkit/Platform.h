// The windowing platform the program runs on, asked in one place. Linux and the like
// (TELVANOR_LINUX_LIKE, set by CMake) have a choice of X11 and Wayland; Windows has its own.
#pragma once

enum class Platform { X11, Wayland, Windows, Other };

// The platform Qt runs on; Other for Qt's headless ones (offscreen, minimal).
Platform currentPlatform();

// Whether a window manager or compositor manages the windows: X11 or Wayland.
bool isWindowManaged();

// Chooses Qt's windowing platform where the user has not (QT_QPA_PLATFORM unset) and where
// there is a choice, on Linux and the like: X11 wherever an X display is at hand, XWayland
// included, so that the windows are placed by the program and framed by the window manager
// as everywhere else; native Wayland where it is the only display. Elsewhere (Windows) the
// platform's own windowing is the only one, even where an X display is also at hand.
// Runs before the application object is created.
void choosePlatform();
