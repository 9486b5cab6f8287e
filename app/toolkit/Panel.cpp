#include "Panel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

// Draws a shaded frame as qDrawShadePanel() does, pixel for pixel, but with one-pixel
// rectangles where it draws lines: the raster engine plots lines a pixel at a time, which
// made the main window's frames a tenth of the cost of its first paint. Where device pixels
// are not the layout's, the two would round differently, so Qt's own function draws it.
void drawShadePanel(QPainter *painter, const QRect &frame, const QPalette &palette, bool sunken,
                    int lineWidth)
{
    if (!qFuzzyCompare(painter->device()->devicePixelRatio(), qreal(1))) {
        qDrawShadePanel(painter, frame, palette, sunken, lineWidth);
        return;
    }
    if (frame.width() == 0 || frame.height() == 0)
        return;
    const QColor light = palette.light().color();
    const QColor shade = palette.dark().color();
    const QColor &topLeft = sunken ? shade : light;
    const QColor &bottomRight = sunken ? light : shade;
    const int x = frame.x();
    const int y = frame.y();
    const int right = frame.right();
    const int bottom = frame.bottom();
    // Qt's lines, in its order: a line's pixels from one end to the other, both included.
    const auto line = [painter](int x1, int y1, int x2, int y2, const QColor &colour) {
        painter->fillRect(
            QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2))), colour);
    };
    for (int i = 0; i < lineWidth; ++i)
        line(x, y + i, right - 1 - i, y + i, topLeft);
    for (int i = 0; i < lineWidth; ++i)
        line(x + i, bottom - 1, x + i, y + lineWidth - i, topLeft);
    for (int i = 0; i < lineWidth; ++i)
        line(x + i, bottom - i, right, bottom - i, bottomRight);
    for (int i = 0; i < lineWidth; ++i)
        line(right - i, y + i, right - i, bottom - lineWidth, bottomRight);
}

} // namespace

Panel::Panel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect edge = rect();
    if (m_singleBorder) {
        drawShadePanel(&painter, edge, palette(), true, 2);
        edge.adjust(2, 2, -2, -2);
    }
    for (Bevel bevel : {m_bevelOuter, m_bevelInner}) {
        if (bevel == None)
            continue;
        drawShadePanel(&painter, edge, palette(), bevel == Lowered, m_bevelWidth);
        edge.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    }
}
