// The floor of start-up: a bare Qt Widgets program that shows one empty dialog of the main
// window's size and ends once it is on the screen.

#include "ProbeReport.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    reportFirstPaint();
    QDialog dialog;
    dialog.setFixedSize(858, 743);
    dialog.show();
    reportShownThenQuit(&dialog);
    return QApplication::exec();
}
