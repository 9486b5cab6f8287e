// What a window's Designer layout declares beyond Qt's own properties, applied to its loaded
// controls: fonts by pixel height, colours, bordered and inert panels, and the scaling of
// everything to the system's text size. docs/layouts.md lists the properties.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// The height of "0" in the window font of the layouts' design, at 96 pixels per inch.
inline constexpr int DesignTextHeight = 13;

// How much larger or smaller than designed a layout is drawn: scaled to the system's text
// size (the height of "0" in the window font, over its design height), and drawn smaller
// by `fit` where the window would not fit its screen.
struct LayoutScale {
    int textHeight = DesignTextHeight;
    double fit = 1.0;

    int of(int value) const;
    QPoint of(const QPoint &point) const;
    QSize of(const QSize &size) const;
};

// Applies the declarations to the controls under `client` and keeps their design positions,
// sizes and fonts for scaleLayout(). Returns the height of "0" in the window font: of the
// system's pixel density for a scaled layout, the design's for a fixed one.
int applyLayoutDeclarations(QWidget *client, bool scaled);

// Draws the layout at a scale of its design: every control's position, size and font, and
// the window font (which follows `fit` only: the system's density has set it already).
// Returns the client area's size at that scale.
QSize scaleLayout(QWidget *client, const LayoutScale &scale);

// The extent of the controls: right-most right edge and lowest bottom edge.
QSize controlsExtent(const QWidget *client);
