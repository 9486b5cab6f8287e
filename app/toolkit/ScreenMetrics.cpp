#include "ScreenMetrics.h"

#include "WindowFrame.h"

#include <QApplication>
#include <QScreen>
#include <cmath>

namespace {

std::optional<ScreenMetrics> overridden;

// The frame is learned once, before the first window is shown, and holds for every window:
// they all have the same kind of frame.
QMargins windowFrame()
{
    static const QMargins frame = learnWindowFrame(ProgramWindowFlags);
    return frame;
}

} // namespace

ScreenMetrics ScreenMetrics::current()
{
    return of(QGuiApplication::primaryScreen());
}

ScreenMetrics ScreenMetrics::of(const QScreen *screen)
{
    if (overridden)
        return *overridden;
    ScreenMetrics metrics;
    if (screen) {
        metrics.screen = screen->geometry().size();
        metrics.desktop = screen->virtualGeometry();
        metrics.workArea = screen->availableGeometry();
        metrics.pixelsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
        metrics.scale = screen->devicePixelRatio();
    }
    metrics.frame = windowFrame();
    return metrics;
}

void ScreenMetrics::setOverride(const std::optional<ScreenMetrics> &metrics)
{
    overridden = metrics;
}
