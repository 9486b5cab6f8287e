// The fair floor of start-up: a bare Qt dialog of the main window's size showing the
// introduction, given as the only argument, where the main window shows it and in the font
// the main window shows it in; it ends once the dialog is on the screen.

#include "ProbeReport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    reportFirstPaint();
    QDialog dialog;
    dialog.setFixedSize(858, 743);
    QLabel introduction(argc > 1 ? QString::fromUtf8(argv[1]) : QString(), &dialog);
    introduction.setGeometry(45, 36, 774, 601);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setItalic(true);
    introduction.setFont(font);
    introduction.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    introduction.setWordWrap(true);
    dialog.show();
    reportShownThenQuit(&dialog);
    return QApplication::exec();
}
