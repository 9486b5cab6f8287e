#include "Startup.h"

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "Fonts.h"
#include "MainUnit.h"
#include "RCUnit.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

void PrepareApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/telvanor-32.png")));
    // Lets the desktop match the windows with the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.telvanor.Telvanor"));
}

void CreateForms()
{
    MainForm = new TMainForm;
    MainForm->showPlaced();
    CuestionarioForm = new TCuestionarioForm;
    EvaluacionForm = new TEvaluacionForm;
    RCForm = new TRCForm;
    CreditosForm = new TCreditosForm;
    AvisoForm = new TAvisoForm;
}

void DestroyForms()
{
    delete AvisoForm;
    delete CreditosForm;
    delete RCForm;
    delete EvaluacionForm;
    delete CuestionarioForm;
    delete MainForm;
    AvisoForm = nullptr;
    CreditosForm = nullptr;
    RCForm = nullptr;
    EvaluacionForm = nullptr;
    CuestionarioForm = nullptr;
    MainForm = nullptr;
}

void ReportMissingDisplay(QtMsgType type, const QMessageLogContext &, const QString &)
{
    // Qt ends a program that finds no display with a fatal error, an abort and a core
    // dump; for a desktop program that is an ordinary condition to report.
    if (type != QtFatalMsg)
        return;
    std::fputs("telvanor: cannot open a display to show the windows on\n", stderr);
    std::_Exit(1);
}
