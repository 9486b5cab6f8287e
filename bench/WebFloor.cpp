// The floor of the web build's start-up and download: a bare Qt Widgets program, built and
// served as the program is, that shows one empty dialog of the main window's size and tells
// the page of it as the program does.

#include "Platform.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    connectToPage();
    QDialog dialog;
    dialog.setFixedSize(858, 743);
    dialog.show();
    return QApplication::exec();
}
