// The program's own start-up, as its main block runs it, ending once the main window is on
// the screen with all six windows created. It runs where a display is known to be there,
// so it leaves out the main block's report of a missing one.

#include "MainUnit.h"
#include "ProbeReport.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    reportFirstPaint();
    PrepareApplication();
    CreateForms();
    reportShownThenQuit(MainForm);
    QApplication::exec();
    DestroyForms();
    return 0;
}
