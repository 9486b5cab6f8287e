#include "ProbeReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long long microseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return (long long)now.tv_sec * 1000000 + now.tv_nsec / 1000;
}

void report(const char *stage)
{
    // In whole microseconds: the application object has set the user's locale, whose
    // decimal separator the reader would not expect.
    std::printf("%s %lld %lld\n", stage, microseconds(CLOCK_MONOTONIC),
                microseconds(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stdout);
}

bool isExposeOfExposedWindow(QObject *watched, QEvent *event)
{
    return event->type() == QEvent::Expose && watched->isWindowType() &&
           static_cast<QWindow *>(watched)->isExposed();
}

// Qt paints a widget window and flushes it to the display while it handles the window's
// first expose event. Watching every object, this sees that event before the window does,
// has the window handle it at once, and so reports both sides of it.
class FirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!isExposeOfExposedWindow(watched, event))
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        report(MappedWord);
        QCoreApplication::sendEvent(watched, event);
        report(PaintedWord);
        deleteLater();
        return true;
    }
};

// The peak resident set size, VmHWM in /proc/self/status.
void reportPeakMemory()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    long kib = 0;
    while (status >> field && field != "VmHWM:")
        status.ignore(256, '\n');
    status >> kib;
    std::printf("%s %ld\n", PeakWord, kib);
    std::fflush(stdout);
}

void reportShownAndQuit()
{
    report(ShownWord);
    QCoreApplication::quit();
}

// A call queued on seeing the first expose event runs once the first frame is drawn.
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
        if (isExposeOfExposedWindow(watched, event)) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &reportShownAndQuit);
        }
        return false;
    }
};

} // namespace

void reportFirstPaint()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintWatcher(application));
    std::atexit(&reportPeakMemory);
}

void reportShownThenQuit(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (handle->isExposed())
        QTimer::singleShot(0, &reportShownAndQuit);
    else
        new FirstExposeWatcher(handle);
}
