#include "FitToScreen.h"

#include "Form.h"
#include "ScreenMetrics.h"

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
