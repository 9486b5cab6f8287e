// Inert controls: the controls of a panel that a layout declares disabled. They are drawn
// in their normal colours and stay readable, by eye and by assistive technology, but take
// no focus, no mouse input and no selection, and refuse every accessibility action that
// would change them (checking a radio button, editing or selecting text, scrolling).
#pragma once

class QWidget;

// Makes a panel's controls inert; the panel itself is enabled again, so nothing is greyed.
void makeInert(QWidget *panel);

// Whether a control is inert: inside a panel made inert, or inside a panel still declared
// disabled, while its layout is being loaded.
bool isInert(const QWidget *widget);

// Lets assistive technology find inert controls through interfaces that read them but
// change nothing; raised characters are exposed as superscript. Installed by every window
// before its layout is built, since Qt asks for a control's interface as soon as it shows
// a text, and keeps the first it gets.
void installInertAccessibility();
