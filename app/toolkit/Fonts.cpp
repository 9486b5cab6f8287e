#include "Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

void substituteWhereMissing(const QString &family, const QString &standIn)
{
    if (!QFontDatabase::hasFamily(family))
        QFont::insertSubstitution(family, standIn);
}

} // namespace

void installFontSubstitutions()
{
    // The window font: at 11 pixels, DejaVu Sans is 13 pixels high, as the layouts assume.
    substituteWhereMissing(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    // Captions and texts: at 16 pixels a line of Liberation Sans is 17 pixels high, so a
    // caption fits its 17-pixel radio button and the notice's six lines fit its box; it is
    // also narrow enough for the longest continuation to fit on one line.
    substituteWhereMissing(QStringLiteral("Verdana"), QStringLiteral("Liberation Sans"));
    // Stems and commentaries: a compact face, so that the longest commentary fits its box.
    substituteWhereMissing(QStringLiteral("Lucida Sans Unicode"),
                           QStringLiteral("Liberation Sans"));
}

void useWindowFontByDefault()
{
    // Every control the windows show has a font of its own, but a text box lays out its
    // empty text in the default font as soon as it is made. The desktop's default family is
    // often an alias that only a search through every installed font resolves, and the
    // windows never show it; the window font is found at once and is needed anyway.
    QFont windowFont(QFont::substitute(QStringLiteral("MS Sans Serif")));
    windowFont.setPixelSize(11);
    QApplication::setFont(windowFont);
}
