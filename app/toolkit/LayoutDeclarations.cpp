#include "LayoutDeclarations.h"

#include "Colours.h"
#include "Inert.h"
#include "Panel.h"
#include "ScreenMetrics.h"

#include <QWidget>
#include <cmath>
#include <optional>

namespace {

// Design metrics of the layouts: 96 pixels per inch, and 13 pixels for the height of
// "0" in the window font.
constexpr int DesignPixelsPerInch = 96;
constexpr int DesignTextHeight = 13;

int scaled(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(double(value) * numerator / denominator));
}

QSize scaled(const QSize &size, int numerator, int denominator)
{
    return {scaled(size.width(), numerator, denominator),
            scaled(size.height(), numerator, denominator)};
}

// The font a control declares, if any: the negative pixel height of its "fontHeight"
// property, as in -21, and the family of the original design, which is replaced by its
// installed stand-in here rather than looked up in vain each time the font is used.
std::optional<QFont> declaredFont(const QWidget *widget)
{
    const QVariant height = widget->property("fontHeight");
    if (!height.isValid())
        return std::nullopt;
    QFont font = widget->font();
    font.setFamily(QFont::substitute(font.family()));
    font.setPixelSize(-height.toInt());
    return font;
}

// Sets the controls' declared fonts, their sizes multiplied by numerator / denominator, and
// then the window font. Children come before their parents: a parent's font reaches every
// child, so setting it first would lay out the children's texts at a font they do not keep.
void applyDeclaredFonts(QWidget *root, const QFont &windowFont, int numerator, int denominator)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (auto widget = widgets.crbegin(); widget != widgets.crend(); ++widget) {
        std::optional<QFont> font = declaredFont(*widget);
        if (!font)
            continue;
        font->setPixelSize(scaled(font->pixelSize(), numerator, denominator));
        (*widget)->setFont(*font);
    }
    root->setFont(windowFont);
}

// Multiplies the position and size of every control of the layout. Qt's own inner widgets
// follow their owners.
void scaleControls(QWidget *root, int numerator, int denominator)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect g = widget->geometry();
        widget->setGeometry(QRect(QPoint(scaled(g.x(), numerator, denominator),
                                         scaled(g.y(), numerator, denominator)),
                                  scaled(g.size(), numerator, denominator)));
    }
}

// Children of a bordered panel are placed from the inside of its border.
void offsetPanelChildren(QWidget *root)
{
    for (Panel *panel : root->findChildren<Panel *>()) {
        const int border = panel->borderWidth();
        for (QWidget *child : panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            child->move(child->pos() + QPoint(border, border));
    }
}

void makeDeclaredPanelsInert(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->testAttribute(Qt::WA_ForceDisabled))
            makeInert(widget);
    }
}

} // namespace

QSize applyLayoutDeclarations(QWidget *client, bool scaledToText)
{
    // A scaled window's font follows the system's pixel density, and the height of "0" in
    // it scales the controls and their own fonts.
    QFont windowFont = declaredFont(client).value_or(client->font());
    int textHeight = DesignTextHeight;
    if (scaledToText) {
        const int pixelsPerInch = ScreenMetrics::current().pixelsPerInch;
        if (pixelsPerInch != DesignPixelsPerInch)
            windowFont.setPixelSize(
                scaled(windowFont.pixelSize(), pixelsPerInch, DesignPixelsPerInch));
        textHeight = QFontMetrics(windowFont).height();
    }
    applyDeclaredFonts(client, windowFont, textHeight, DesignTextHeight);
    applyDeclaredColours(client);
    QSize clientSize = client->size();
    if (textHeight != DesignTextHeight) {
        scaleControls(client, textHeight, DesignTextHeight);
        clientSize = scaled(clientSize, textHeight, DesignTextHeight);
    }
    offsetPanelChildren(client);
    makeDeclaredPanelsInert(client);
    return clientSize;
}

QSize controlsExtent(const QWidget *client)
{
    QSize extent;
    for (const QWidget *child :
         client->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        extent =
            extent.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
    return extent;
}
