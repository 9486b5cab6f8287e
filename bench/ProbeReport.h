// How a start-up probe tells the benchmark how far it has come. It prints one line on
// standard output at each stage: the stage's word, the monotonic clock and the processor
// time the process has used, both in whole microseconds, as in "painted 81234567 41200".
#pragma once

class QWidget;

// The first window's first expose event has arrived: the display has mapped it.
inline constexpr char MappedWord[] = "mapped";
// That expose event has been handled: the first frame is painted and flushed to the display.
inline constexpr char PaintedWord[] = "painted";
// Start-up is over: the window is on the screen and the event loop runs.
inline constexpr char ShownWord[] = "shown";
// At the process's exit, on a line of its own: "peak" and the peak resident memory of its
// whole life in KiB. Measured from inside, since the rusage of a process started by
// posix_spawn counts the memory of its parent up to the start.
inline constexpr char PeakWord[] = "peak";

// Reports the mapped and painted stages of the first window exposed, and the peak memory
// at exit; call it right after the application object is made, before any window is shown.
void reportFirstPaint();

// Once `window` (already shown) has been exposed and painted, prints the shown line and
// ends the event loop at its next turn.
void reportShownThenQuit(QWidget *window);
