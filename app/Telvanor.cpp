// Telvanor: a self-assessment of general science literacy.

#include "Platform.h"
#include "Startup.h"

#include <QApplication>

int main(int, char *argv[])
{
    choosePlatform();
    // The program takes no arguments. Qt is given the program's name alone, so that none of
    // its own options (-reverse, -stylesheet, -platform and the like) changes the program.
    int qtArgumentCount = 1;
    qInstallMessageHandler(ReportStartupFailure);
    QApplication application(qtArgumentCount, argv);
    qInstallMessageHandler(nullptr);
    PrepareApplication();
    CreateForms();
    QApplication::exec();
    DestroyForms();
    return 0;
}
