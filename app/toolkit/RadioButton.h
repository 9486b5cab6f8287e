// A radio button that takes a click anywhere in its rectangle, as the layouts expect, not
// only on its circle and caption: a short continuation's row is as easy to hit as a long one's.
#pragma once

#include <QRadioButton>

class RadioButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override;
};
