#include "LayoutDeclarations.h"

#include "Colours.h"
#include "Inert.h"
#include "Panel.h"
#include "ScreenMetrics.h"

#include <QWidget>
#include <cmath>
#include <optional>

namespace {

// The layouts' design density.
constexpr int DesignPixelsPerInch = 96;

// The design values a layout declared, kept on each control so that the layout can be drawn
// again at another scale.
const char DesignGeometry[] = "designGeometry";
const char DesignPixelSize[] = "designPixelSize";

bool isLayoutControl(const QWidget *widget)
{
    return !widget->objectName().isEmpty() &&
           !widget->objectName().startsWith(QLatin1String("qt_"));
}

// The font a control declares, if any: the negative pixel height of its "fontHeight"
// property, as in -21, and the family of the original design, which is replaced by its
// stand-in here rather than looked up in vain each time the font is used.
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

void recordDesign(QWidget *client)
{
    for (QWidget *widget : client->findChildren<QWidget *>()) {
        if (isLayoutControl(widget))
            widget->setProperty(DesignGeometry, widget->geometry());
        if (const std::optional<QFont> font = declaredFont(widget))
            widget->setProperty(DesignPixelSize, font->pixelSize());
    }
    client->setProperty(DesignGeometry, QRect(QPoint(), client->size()));
}

// Sets the controls' fonts at their design sizes multiplied by the scale, and then the window
// font. Children come before their parents: a parent's font reaches every child, so setting
// it first would lay out the children's texts at a font they do not keep.
void scaleFonts(QWidget *client, const QFont &windowFont, const LayoutScale &scale)
{
    const QList<QWidget *> widgets = client->findChildren<QWidget *>();
    for (auto widget = widgets.crbegin(); widget != widgets.crend(); ++widget) {
        const QVariant pixelSize = (*widget)->property(DesignPixelSize);
        if (!pixelSize.isValid())
            continue;
        QFont font = *declaredFont(*widget);
        font.setPixelSize(scale.of(pixelSize.toInt()));
        (*widget)->setFont(font);
    }
    client->setFont(windowFont);
}

// Children of a bordered panel are placed from the inside of its border, which keeps its width.
QPoint panelOffset(const QWidget *widget)
{
    const auto *panel = qobject_cast<const Panel *>(widget->parentWidget());
    const int border = panel ? panel->borderWidth() : 0;
    return {border, border};
}

// Places every control of the layout at its design position and size multiplied by the
// scale. Qt's own inner widgets follow their owners.
void scaleControls(QWidget *client, const LayoutScale &scale)
{
    for (QWidget *widget : client->findChildren<QWidget *>()) {
        const QRect design = widget->property(DesignGeometry).toRect();
        if (!isLayoutControl(widget) || design.isNull())
            continue;
        widget->setGeometry(
            QRect(scale.of(design.topLeft()) + panelOffset(widget), scale.of(design.size())));
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

int LayoutScale::of(int value) const
{
    return static_cast<int>(std::lround(double(value) * textHeight / DesignTextHeight * fit));
}

QPoint LayoutScale::of(const QPoint &point) const
{
    return {of(point.x()), of(point.y())};
}

QSize LayoutScale::of(const QSize &size) const
{
    return {of(size.width()), of(size.height())};
}

int applyLayoutDeclarations(QWidget *client, bool scaledToText)
{
    // A scaled window's font follows the system's pixel density, and the height of "0" in
    // it scales the controls and their own fonts.
    QFont windowFont = declaredFont(client).value_or(client->font());
    int textHeight = DesignTextHeight;
    if (scaledToText) {
        const int pixelsPerInch = ScreenMetrics::current().pixelsPerInch;
        if (pixelsPerInch != DesignPixelsPerInch)
            windowFont.setPixelSize(static_cast<int>(
                std::lround(double(windowFont.pixelSize()) * pixelsPerInch / DesignPixelsPerInch)));
        textHeight = QFontMetrics(windowFont).height();
    }
    recordDesign(client);
    client->setProperty(DesignPixelSize, windowFont.pixelSize());
    applyDeclaredColours(client);
    makeDeclaredPanelsInert(client);
    return textHeight;
}

QSize scaleLayout(QWidget *client, const LayoutScale &scale)
{
    QFont windowFont = declaredFont(client).value_or(client->font());
    if (const int pixelSize = client->property(DesignPixelSize).toInt(); pixelSize > 0)
        windowFont.setPixelSize(LayoutScale{DesignTextHeight, scale.fit}.of(pixelSize));
    scaleFonts(client, windowFont, scale);
    scaleControls(client, scale);
    return scale.of(client->property(DesignGeometry).toRect().size());
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
