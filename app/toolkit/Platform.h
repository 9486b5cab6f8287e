#pragma once

// Chooses Qt's windowing platform where the user has not (QT_QPA_PLATFORM unset): X11
// wherever an X display is at hand, XWayland included, so that the windows are placed by
// the program and framed by the window manager as everywhere else; native Wayland where it
// is the only display. Runs before the application object is created.
void choosePlatform();
