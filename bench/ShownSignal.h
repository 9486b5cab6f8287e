// How a start-up probe tells the benchmark that its window is on the screen.
#pragma once

class QWidget;

// A probe prints this word on standard output once its window is shown, followed by the
// processor time in microseconds that the process has used up to then, and a line break.
inline constexpr char ShownWord[] = "shown";

// Once `window` (already shown) has been exposed and painted for the first time, prints
// the shown line and ends the event loop at its next turn.
void reportShownThenQuit(QWidget *window);
