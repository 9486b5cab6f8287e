#include "WindowGroup.h"

#include "Platform.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>

namespace {

// How long the window manager is given to minimise or restore the program's windows together
// before the program does it.
constexpr int GroupStateDelayMs = 200;

void minimiseOrRestoreProgram(bool minimised)
{
    // The program's windows are its dialogs; Qt's menus and tool tips are not dialogs.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<QDialog *>(window) || !window->isVisible() ||
            window->isMinimized() == minimised)
            continue;
        if (minimised)
            window->showMinimized();
        else
            window->showNormal();
    }
    if (!minimised) {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->activateWindow();
    }
}

} // namespace

void WindowGroup::keepAbove(QWidget *window, QWidget *main)
{
    if (!main || main == window || !isWindowManaged())
        return;
    window->winId(); // creates the native window the relation is set on
    window->windowHandle()->setTransientParent(main->windowHandle());
}

// Window managers that know the windows belong together minimise and restore them
// themselves: the program follows only once they are done, and the latest change of any
// window is the one that counts.
void WindowGroup::follow(bool minimised)
{
    static QTimer *pending = nullptr;
    static bool programMinimised = false;
    if (!pending) {
        pending = new QTimer(qApp);
        pending->setSingleShot(true);
        pending->setInterval(GroupStateDelayMs);
        QObject::connect(pending, &QTimer::timeout, qApp,
                         [] { minimiseOrRestoreProgram(programMinimised); });
    }
    programMinimised = minimised;
    pending->start();
}
