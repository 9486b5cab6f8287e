#include "RadioButton.h"

bool RadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
