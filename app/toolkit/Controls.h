// Small behaviours of single controls that Qt does not give the way the windows need.
#pragma once

class QAbstractButton;
class QLabel;
class QRadioButton;
class QString;
class QTextEdit;

// Checks or unchecks a radio button. Qt refuses to uncheck the checked button of an
// exclusive group, so the group's exclusivity is lifted for the moment of the change.
void setRadioChecked(QRadioButton *button, bool checked);

// Shows text as a button's caption exactly as given: "&" is not taken as a mnemonic.
void setLiteralCaption(QAbstractButton *button, const QString &text);

// Sets a label's text on one line and sizes the label to it; its left edge and top stay.
void setAutoSizedText(QLabel *label, const QString &text);

// Makes a text box read-only, borderless and without scroll bars, wrapping its lines at
// its width, with its text `margin` pixels from its edges.
void setUpReadOnlyTextBox(QTextEdit *box, int margin);
