#include "Startup.h"

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "Fonts.h"
#include "MainUnit.h"
#include "RCUnit.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

void PrepareApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();
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

bool DisplayAvailable()
{
    // Without a display Qt's window-system plugins abort the process; a missing display is
    // an ordinary condition to report, not a crash.
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const bool needsDisplay = !platform || !*platform || std::string_view(platform).rfind("xcb", 0) == 0
                              || std::string_view(platform).rfind("wayland", 0) == 0;
    if (!needsDisplay || set("DISPLAY") || set("WAYLAND_DISPLAY"))
        return true;
    std::fputs("telvanor: no display to show the windows on (DISPLAY is not set)\n", stderr);
    return false;
}
