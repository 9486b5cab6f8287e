#include "InputWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace {
QPointer<InputWatcher> watcher;
}

void InputWatcher::start()
{
    if (watcher)
        return;
    watcher = new InputWatcher(qApp);
    qApp->installEventFilter(watcher);
}

bool InputWatcher::keyboardInUse()
{
    return watcher && watcher->m_keyboard;
}

bool InputWatcher::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        m_keyboard = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        m_keyboard = false;
        break;
    default:
        break;
    }
    return false;
}
