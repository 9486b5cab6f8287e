#include "Startup.h"

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "FocusRing.h"
#include "Fonts.h"
#include "MainUnit.h"
#include "Platform.h"
#include "RCUnit.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

namespace {

// A picture of the program's icon. Read as PNG, which Qt decodes itself: left to find the
// format, Qt would first load every image plugin installed to ask whether it reads PNG.
QPixmap iconPicture(int size)
{
    QImageReader reader(QStringLiteral(":/icons/telvanor-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

// The program's icon in every size the package installs, so that title bars, task switchers
// and screens of any density pick a picture of their size instead of blowing up a small one.
// The scalable picture is left out: drawing it needs a plugin the program does not depend on.
// Decoding the pictures would delay the main window's first frame, so the windows take the
// icon once that frame is on the screen.
void SetUpIcon()
{
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addPixmap(iconPicture(size));
    QApplication::setWindowIcon(icon);
}

} // namespace

void PrepareApplication()
{
    QApplication::setStyle(new FocusRingStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    installFontSubstitutions();
    useWindowFontByDefault();
    // Lets the desktop match the windows with the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.telvanor.Telvanor"));
    connectToPage();
}

void CreateForms()
{
    MainForm = new TMainForm;
    MainForm->showPlaced();
    MainForm->waitUntilPainted();
    SetUpIcon();
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

namespace {

// The warning Qt gave last while the application object was being built: the cause of a
// fatal error that follows, such as a platform plugin that cannot be found.
QString lastStartupWarning;

bool isDisplayMissing(const QString &warning)
{
    // The X11 and the Wayland platform's words for a display they cannot reach.
    return warning.startsWith(QLatin1String("could not connect to display")) ||
           warning.startsWith(QLatin1String("Failed to create wl_display"));
}

void printLine(const QString &text)
{
    std::fprintf(stderr, "telvanor: %s\n", qPrintable(text.trimmed()));
}

} // namespace

void ReportStartupFailure(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        if (!isDisplayMissing(lastStartupWarning))
            lastStartupWarning = message;
        return;
    }
    if (isDisplayMissing(lastStartupWarning)) {
        printLine(QStringLiteral("cannot open a display to show the windows on"));
    } else {
        // What failed, then the fatal message's last line, which tells what there is
        // (for a platform plugin, the ones available).
        const QStringList lines = message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        printLine(lastStartupWarning.isEmpty() ? lines.value(0) : lastStartupWarning);
        if (lines.size() > 1 || !lastStartupWarning.isEmpty())
            printLine(lines.value(lines.size() - 1));
    }
    std::_Exit(1);
}
