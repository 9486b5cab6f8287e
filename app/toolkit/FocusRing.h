// The program's style: Fusion, with a focus ring that reads on every palette. Fusion draws
// the focus in a faint tint of the highlight colour, which nearly vanishes on a dark
// button face; this ring is solid, in the highlight colour where that stands out from the
// face by 3:1, in the text colour otherwise.
#pragma once

#include <QProxyStyle>

class FocusRingStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit FocusRingStyle(QStyle *base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
};
