#pragma once

#include <QSize>

class Form;
struct ScreenMetrics;

// How much smaller than its natural size a window of the given client size is drawn so that
// it lies whole, frame included, in the screen's work area at the scale the desktop sets for
// that screen: 1 where it fits as it is, and never smaller than its size at 96 dpi (the
// desktop's scale undone), where FitToScreen's scroll bars take over.
double scaleToFit(QSize client, const ScreenMetrics &metrics);

// Makes a window that is larger than the primary screen fit on it, with scroll bars that
// reach the whole of its former outer size. Run once, when the window is created.
void FitToScreen(Form *form);
