// What a window's Designer layout declares beyond Qt's own properties, applied to its loaded
// controls: fonts by pixel height, colours, bordered and inert panels, and the scaling of
// everything to the system's text size. docs/layouts.md lists the properties.
#pragma once

#include <QSize>

class QWidget;

// Applies the declarations to the controls under `client` and returns the client area's
// size, scaled with them. A scaled layout follows the system's pixel density; a fixed one
// keeps its design sizes.
QSize applyLayoutDeclarations(QWidget *client, bool scaled);

// The extent of the controls: right-most right edge and lowest bottom edge.
QSize controlsExtent(const QWidget *client);
