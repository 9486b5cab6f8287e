// The floor of the web build: a bare Qt Widgets program, built and served as the program is,
// that shows one empty dialog of the main window's size and tells the page of it as the
// program does. Each key repaints the dialog whole: the floor of a page turn, the cost of a
// frame that Qt draws and the browser shows.

#include "Platform.h"

#include <QApplication>
#include <QDialog>

class RepaintingDialog : public QDialog
{
protected:
    void keyPressEvent(QKeyEvent *) override { update(); }
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    connectToPage();
    RepaintingDialog dialog;
    dialog.setFixedSize(858, 743);
    dialog.show();
    dialog.activateWindow();
    return QApplication::exec();
}
