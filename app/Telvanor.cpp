// Telvanor: a self-assessment of general science literacy.

#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!DisplayAvailable())
        return 1;
    QApplication application(argc, argv);
    PrepareApplication();
    CreateForms();
    QApplication::exec();
    DestroyForms();
    return 0;
}
