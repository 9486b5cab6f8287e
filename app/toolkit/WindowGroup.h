// The program's windows as one group on the desktop: the modal windows stay above the main
// window, and all are minimised and restored together, so that the window that takes input
// is never left hidden behind one that it blocks.
#pragma once

class QWidget;

namespace WindowGroup {

// Makes `window` transient for `main`: kept above it, centred on it by compositors that place
// windows themselves, and minimised with it. Only window managers and compositors make use
// of it; Qt's headless platforms have none and would move the activation about instead.
void keepAbove(QWidget *window, QWidget *main);

// One of the program's windows was minimised or restored: the others follow.
void follow(bool minimised);

} // namespace WindowGroup
