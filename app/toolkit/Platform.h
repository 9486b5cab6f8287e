// The windowing platform the program runs on, asked in one place. Linux and the like
// (TELVANOR_LINUX_LIKE, set by CMake) have a choice of X11 and Wayland; Windows has its own;
// in a web browser Qt draws the windows, frames included, on the page's canvas.
#pragma once

#include <Qt>

enum class Platform { X11, Wayland, Windows, Web, Other };

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

// How a window runs what a press of one of its buttons does. In a web browser the press is
// handled where the browser delivers the input, outside the event loop of the modal window
// on show, and a modal window opened there could not wait for its own input: Asyncify
// suspends one call stack at a time. So there the press is handled from that event loop,
// just after. Elsewhere at once.
Qt::ConnectionType buttonPressConnection();

// In a web browser, keeps the page told of the program (WebPage.cpp): which windows are on
// show, where, and which is active, so that the page's title and announcements follow it;
// and the program's end, after which the page says so and offers to start again.
// Elsewhere it does nothing. Runs once, after the application object is created.
void connectToPage();
