#include "ClientScrollArea.h"

#include <QFocusEvent>
#include <QScrollBar>
#include <QShortcut>

namespace {

// Scrolls a control's range into view where the part of it the user needs is out of view:
// the whole range where the view can hold it, else its first `lead` pixels. Where it must
// scroll, it shows as much of the range as the view can hold, its start first.
void bringIntoView(QScrollBar *bar, int start, int length, int lead, int view)
{
    const int needed = length <= view ? length : qMin(lead, view);
    if (start >= bar->value() && start + needed <= bar->value() + view)
        return;
    if (start < bar->value())
        bar->setValue(start);
    else
        bar->setValue(start + qMin(length, view) - view);
}

// The keys that scroll a window's content, and what each does to the horizontal and the
// vertical scroll bar.
struct ScrollKey {
    QKeyCombination keys;
    QAbstractSlider::SliderAction horizontal;
    QAbstractSlider::SliderAction vertical;
};

constexpr ScrollKey ScrollKeys[] = {
    {Qt::Key_PageUp, QAbstractSlider::SliderNoAction, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderNoAction, QAbstractSlider::SliderPageStepAdd},
    {Qt::SHIFT | Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub,
     QAbstractSlider::SliderNoAction},
    {Qt::SHIFT | Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd,
     QAbstractSlider::SliderNoAction},
    {Qt::CTRL | Qt::Key_Home, QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMinimum},
    {Qt::CTRL | Qt::Key_End, QAbstractSlider::SliderToMaximum, QAbstractSlider::SliderToMaximum},
};

} // namespace

ClientScrollArea::ClientScrollArea(QWidget *content, QWidget *window) : QScrollArea(window)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setWidget(content);
    addScrollKeys(window);
}

void ClientScrollArea::addScrollKeys(QWidget *window)
{
    // Shortcuts take the keys before the focused control sees them, so the keys move the
    // view wherever the focus is, and move nothing else.
    QScrollBar *horizontal = horizontalScrollBar();
    QScrollBar *vertical = verticalScrollBar();
    for (const ScrollKey &key : ScrollKeys) {
        connect(new QShortcut(key.keys, window), &QShortcut::activated, this,
                [horizontal, vertical, key] {
                    horizontal->triggerAction(key.horizontal);
                    vertical->triggerAction(key.vertical);
                });
    }
}

void ClientScrollArea::watchFocusOfControls()
{
    for (QWidget *control : widget()->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            control->installEventFilter(this);
    }
}

QScrollBar *ClientScrollArea::scrollBar(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
}

bool ClientScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
        // QDialog, when shown, tells its focus widget of a Tab focus it has not yet got.
        auto *control = static_cast<QWidget *>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
            control->hasFocus())
            showStartOf(control);
    }
    return QScrollArea::eventFilter(watched, event);
}

bool ClientScrollArea::focusNextPrevChild(bool next)
{
    // Skipping QScrollArea's own version, which would centre the control, is the point.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void ClientScrollArea::showStartOf(const QWidget *control)
{
    const QPoint start = control->mapTo(widget(), QPoint());
    // A control's start is the square at its left end, where a radio button's circle is.
    const int lead = qMin(control->width(), control->height());
    bringIntoView(horizontalScrollBar(), start.x(), control->width(), lead, viewport()->width());
    bringIntoView(verticalScrollBar(), start.y(), control->height(), lead, viewport()->height());
}
