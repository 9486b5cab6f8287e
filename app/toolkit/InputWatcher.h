// Whether the user's latest input came from the keyboard rather than a pointer, for the
// program as a whole.
#pragma once

#include <QObject>

class InputWatcher : public QObject
{
public:
    // Starts watching the program's input; later calls change nothing.
    static void start();
    static bool keyboardInUse();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    bool m_keyboard = false;
};
