#include "Panel.h"

#include <QPainter>
#include <qdrawutil.h>

Panel::Panel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect edge = rect();
    if (m_singleBorder) {
        qDrawShadePanel(&painter, edge, palette(), true, 2);
        edge.adjust(2, 2, -2, -2);
    }
    for (Bevel bevel : {m_bevelOuter, m_bevelInner}) {
        if (bevel == None)
            continue;
        qDrawShadePanel(&painter, edge, palette(), bevel == Lowered, m_bevelWidth);
        edge.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    }
}
