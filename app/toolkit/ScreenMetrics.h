// What the windows need to know about the screen, in one place so that tests can put
// the program on a screen of their choosing.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <Qt>
#include <optional>

class QScreen;

// The kind of every window of the program, whose frame ScreenMetrics measures: a dialog with
// a title bar and a close box only, which the user cannot resize.
inline constexpr Qt::WindowFlags ProgramWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

struct ScreenMetrics {
    QSize screen;   // the primary screen, task bars included
    QRect desktop;  // the area that spans all monitors
    QRect workArea; // the primary screen less its task bars and docks; null where unknown
    QMargins frame; // what a window's frame and title bar add around its client area
    int pixelsPerInch = 96;
    qreal scale = 1.0; // the device pixels the desktop gives each device-independent pixel

    // The metrics of the running system's primary screen or of the given one, or the ones a
    // test has put in place.
    static ScreenMetrics current();
    static ScreenMetrics of(const QScreen *screen);
    static void setOverride(const std::optional<ScreenMetrics> &metrics);
};
