// The background colours a layout declares by the system's names: "clWindow" for text
// areas, "clBtnFace" for window and button faces. They follow the system palette, except
// where the layout fixes the colour of the text on them (black, red): an area whose system
// colour would leave such text with less contrast than the design gives it, up to the
// 4.5:1 text wants, takes the design's colours instead, so black text never lands on a
// dark palette's window colour.
#pragma once

class QWidget;

// Sets the declared backgrounds of a layout's controls from the application palette; called
// again when that palette changes.
void applyDeclaredColours(QWidget *root);
