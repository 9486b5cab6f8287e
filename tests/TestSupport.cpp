#include "TestSupport.h"

#include "Form.h"
#include "ScreenMetrics.h"
#include "Startup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

int characterCount(std::string_view text)
{
    return int(QString::fromUtf8(text.data(), qsizetype(text.size())).size());
}

void whenShownModally(Form *form, std::function<void()> action)
{
    auto *timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, form, action] {
        if (!form->isVisible() || !form->isShownModally())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

void pressCloseBox(QWidget *window)
{
    // What the window system sends for the close box, the system menu and Alt+F4.
    QCloseEvent event;
    QCoreApplication::sendEvent(window, &event);
}

void useScreen(QSize size, QMargins frame)
{
    ScreenMetrics metrics;
    metrics.screen = size;
    metrics.desktop = QRect(QPoint(0, 0), size);
    metrics.frame = frame;
    metrics.pixelsPerInch = 96;
    ScreenMetrics::setOverride(metrics);
}

ProgramWindows::ProgramWindows(QSize screen)
{
    useScreen(screen);
    PrepareApplication();
    CreateForms();
}

ProgramWindows::~ProgramWindows()
{
    DestroyForms();
    ScreenMetrics::setOverride(std::nullopt);
}
