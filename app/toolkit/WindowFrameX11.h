// The frame that an X11 window manager puts around a window.
#pragma once

#include "WindowFrame.h"

#include <optional>

// The window manager's frame for a window with these flags, none where no window manager
// runs; nothing where the program is not on X11.
std::optional<QMargins> x11Frame(Qt::WindowFlags flags);
