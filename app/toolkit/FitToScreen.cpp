#include "FitToScreen.h"

#include "Form.h"
#include "ScreenMetrics.h"

#include <algorithm>

double scaleToFit(QSize client, const ScreenMetrics &metrics)
{
    const QRect area =
        metrics.workArea.isNull() ? QRect(QPoint(), metrics.screen) : metrics.workArea;
    const QSize room = area.size().shrunkBy(metrics.frame);
    if (client.isEmpty() || room.isEmpty())
        return 1.0;
    const double fit = std::min(
        {1.0, double(room.width()) / client.width(), double(room.height()) / client.height()});
    return std::max(fit, std::min(1.0, 1.0 / metrics.scale));
}

void FitToScreen(Form *form)
{
    const QSize screen = ScreenMetrics::current().screen;
    // The range is the outer size before the change, not the client size.
    const QSize outer = form->outerSize();
    constexpr int Margin = 50;
    if (screen.width() < outer.width()) {
        form->setScrollRange(Qt::Horizontal, outer.width());
        form->setOuterWidth(screen.width() - Margin);
    }
    if (screen.height() < outer.height()) {
        form->setScrollRange(Qt::Vertical, outer.height());
        form->setOuterHeight(screen.height() - Margin);
    }
    form->setScrollPosition(Qt::Horizontal, 0);
    form->setScrollPosition(Qt::Vertical, 0);
}
