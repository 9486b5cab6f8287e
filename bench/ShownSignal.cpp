#include "ShownSignal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {

long long processorMicroseconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return (long long)used.tv_sec * 1000000 + used.tv_nsec / 1000;
}

void printShownThenQuit()
{
    // In whole microseconds: the application object has set the user's locale, whose
    // decimal separator the reader would not expect.
    std::printf("%s %lld\n", ShownWord, processorMicroseconds());
    std::fflush(stdout);
    QCoreApplication::quit();
}

// Qt paints a widget window while it handles its first expose event, so a call queued on
// seeing that event runs once the first frame is drawn.
class FirstExposeWatcher : public QObject
{
public:
    explicit FirstExposeWatcher(QWindow *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &printShownThenQuit);
        }
        return false;
    }
};

} // namespace

void reportShownThenQuit(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (handle->isExposed())
        QTimer::singleShot(0, &printShownThenQuit);
    else
        new FirstExposeWatcher(handle);
}
