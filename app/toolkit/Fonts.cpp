#include "Fonts.h"

#include <QFont>

void installFontSubstitutions()
{
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
