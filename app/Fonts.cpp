#include "Fonts.h"

#include <QFont>

void installFontSubstitutions()
{
    // The window font: at 11 pixels, DejaVu Sans is 13 pixels high, as the layouts assume.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    // Captions and texts: a condensed humanist face, so that the longest continuation
    // fits its radio button on one line.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans Condensed"));
    // Stems and commentaries: a compact face, so that the longest commentary fits its box.
    QFont::insertSubstitution(QStringLiteral("Lucida Sans Unicode"),
                              QStringLiteral("Liberation Sans"));
}
