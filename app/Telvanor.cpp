// Telvanor: a self-assessment of general science literacy.

#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qInstallMessageHandler(ReportMissingDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    PrepareApplication();
    CreateForms();
    QApplication::exec();
    DestroyForms();
    return 0;
}
