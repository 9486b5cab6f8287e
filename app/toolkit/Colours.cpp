#include "Colours.h"

#include "Contrast.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

constexpr double TextContrast = 4.5;

// Where an area keeps the palette its layout declares, so that the colours can be applied
// again from it when the desktop's palette changes.
constexpr char DeclaredPalette[] = "telvanorDeclaredPalette";

constexpr QPalette::ColorRole TextRoles[] = {QPalette::WindowText, QPalette::Text,
                                             QPalette::ButtonText};

bool isTextArea(const QString &systemColour)
{
    return systemColour == QLatin1String("clWindow");
}

// The system colours of the palette the layouts were designed on.
QColor designColour(const QString &systemColour)
{
    return isTextArea(systemColour) ? QColor(Qt::white) : QColor(0xf0, 0xf0, 0xf0);
}

// The text colours the layout fixes on an area and the controls on it, rather than taking
// the system's.
QList<QColor> fixedTextColours(QWidget *area)
{
    QList<QWidget *> widgets = area->findChildren<QWidget *>();
    widgets.prepend(area);
    QList<QColor> colours;
    for (const QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetPalette))
            continue;
        for (QPalette::ColorRole role : TextRoles) {
            const QColor colour = widget->palette().color(role);
            if (widget->palette().isBrushSet(QPalette::Active, role) && !colours.contains(colour))
                colours << colour;
        }
    }
    return colours;
}

// Whether every fixed text colour keeps on the background the contrast it has on the
// design's colour, or 4.5:1 where the design gives more.
bool keepsContrast(const QList<QColor> &texts, const QColor &background, const QColor &design)
{
    for (const QColor &text : texts) {
        if (contrastRatio(text, background) < qMin(TextContrast, contrastRatio(text, design)))
            return false;
    }
    return true;
}

void colourArea(QWidget *area, const QString &systemColour, const QPalette &system)
{
    QPalette palette = area->palette();
    const QColor design = designColour(systemColour);
    QColor background = system.color(isTextArea(systemColour) ? QPalette::Base : QPalette::Window);
    if (!keepsContrast(fixedTextColours(area), background, design)) {
        background = design;
        for (QPalette::ColorRole role : TextRoles)
            palette.setColor(role, Qt::black);
    }
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    area->setPalette(palette);
    area->setAutoFillBackground(true);
}

} // namespace

void applyDeclaredColours(QWidget *root)
{
    QList<QWidget *> areas;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->property("color").toString().isEmpty())
            areas << widget;
    }
    // Every area starts again from its declared palette, so that colours applied under an
    // earlier palette count neither as fixed text nor as the background.
    for (QWidget *area : areas) {
        const QVariant declared = area->property(DeclaredPalette);
        if (declared.isValid())
            area->setPalette(declared.value<QPalette>());
        else
            area->setProperty(DeclaredPalette, area->palette());
    }
    const QPalette system = QApplication::palette();
    for (QWidget *area : areas)
        colourArea(area, area->property("color").toString(), system);
}
