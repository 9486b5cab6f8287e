#include "Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#ifdef TELVANOR_BUILT_IN_FONTS
#include <QDir>
#endif

void installFontSubstitutions()
{
#ifdef TELVANOR_BUILT_IN_FONTS
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString &face : fonts.entryList())
        QFontDatabase::addApplicationFont(fonts.filePath(face));
#endif
    // Each declared family is replaced by the stand-in its substitution names where a layout
    // sets its fonts (LayoutDeclarations), whether the family is installed or not.
    // The window font: at 11 pixels, DejaVu Sans is 13 pixels high, as the layouts assume.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    // Captions and texts: at 16 pixels a line of Liberation Sans is 17 pixels high, so a
    // caption fits its 17-pixel radio button and the notice's six lines fit its box; it is
    // also narrow enough for the longest continuation to fit on one line.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("Liberation Sans"));
    // Stems and commentaries: a compact face, so that the longest commentary fits its box.
    QFont::insertSubstitution(QStringLiteral("Lucida Sans Unicode"),
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
