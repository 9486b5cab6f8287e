#include "FocusRing.h"

#include "Contrast.h"

#include <QPainter>
#include <QStyleOption>

namespace {

constexpr double FocusContrast = 3.0;
constexpr int RingWidth = 2;
// From a push button's edge to its ring: inside the outline and its inner shade.
constexpr int ButtonInset = 2;

QColor ringColour(const QPalette &palette, bool onButton)
{
    const QColor face = palette.color(onButton ? QPalette::Button : QPalette::Window);
    const QColor highlight = palette.color(QPalette::Highlight);
    if (contrastRatio(highlight, face) >= FocusContrast)
        return highlight;
    return palette.color(onButton ? QPalette::ButtonText : QPalette::WindowText);
}

void drawRing(QPainter *painter, const QRect &around, const QColor &colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(colour, RingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const int inset = RingWidth / 2;
    painter->drawRect(around.adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

} // namespace

FocusRingStyle::FocusRingStyle(QStyle *base) : QProxyStyle(base) {}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    // Shown, as Fusion's, only once the keyboard has been used in the window.
    const bool showFocus =
        (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
    switch (element) {
    case PE_FrameFocusRect:
        // Around a radio button's caption, for one, clear of its letters.
        if (option->state & State_KeyboardFocusChange)
            drawRing(painter, option->rect.adjusted(-1, -1, 1, 1),
                     ringColour(option->palette, false));
        return;
    case PE_PanelButtonCommand:
        // Fusion marks a focused push button on its outline only; the ring goes inside it.
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (showFocus) {
            drawRing(painter,
                     option->rect.adjusted(ButtonInset, ButtonInset, -ButtonInset, -ButtonInset),
                     ringColour(option->palette, true));
        }
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}
