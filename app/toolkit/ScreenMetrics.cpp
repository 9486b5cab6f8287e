#include "ScreenMetrics.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

std::optional<ScreenMetrics> overridden;

// Frame sizes are known only once a decorated window is on the screen, so they are
// read off the first visible top-level window; before that the window has none.
QMargins frameOfShownWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }
    return {};
}

} // namespace

ScreenMetrics ScreenMetrics::current()
{
    if (overridden)
        return *overridden;
    ScreenMetrics metrics;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        metrics.screen = screen->geometry().size();
        metrics.desktop = screen->virtualGeometry();
        metrics.pixelsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    }
    metrics.frame = frameOfShownWindow();
    return metrics;
}

void ScreenMetrics::setOverride(const std::optional<ScreenMetrics> &metrics)
{
    overridden = metrics;
}
