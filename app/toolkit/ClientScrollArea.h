// The scroll area around a window's controls. When the user moves the focus with the keyboard
// (Tab, Backtab, the arrow keys), it brings the control that gets it into view, its start
// first: Qt's own scrolling centres a control wider than the view, which hides its start,
// where a radio button's circle is. Focus given by activation or the mouse scrolls nothing,
// so a window opens at its top left and keeps the positions the user left it at.
// PageUp and PageDown scroll the content by a page vertically, with Shift horizontally,
// Ctrl+Home to its top left and Ctrl+End to its bottom right.
#pragma once

#include <QScrollArea>

class ClientScrollArea : public QScrollArea
{
public:
    // Fills `window` with a frameless area around `content`, and gives the window the
    // scroll keys.
    ClientScrollArea(QWidget *content, QWidget *window);

    // Follows the keyboard focus onto the focusable controls of the content.
    void watchFocusOfControls();

    QScrollBar *scrollBar(Qt::Orientation orientation) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void addScrollKeys(QWidget *window);
    void showStartOf(const QWidget *control);
};
