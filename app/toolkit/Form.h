// The base of every window of the program: a fixed-size dialog whose controls are loaded
// from a Designer layout into a scrollable client area, and which behaves as the windows
// expect of their toolkit:
// - shown modally, it returns an integer modal result (OK 1, Cancel 2), starting from 0;
// - a push button first sets the window's modal result to its own (its "modalResult"
//   property, 0 when it has none), then runs its click handler, and the window closes when
//   the result is not 0 once the handler has returned;
// - the close box gives Cancel, Escape closes nothing, Enter presses only the focused button;
// - PageUp and PageDown scroll the content by a page vertically, with Shift horizontally,
//   Ctrl+Home to its top left and Ctrl+End to its bottom right;
// - where the desktop's scale would make it larger than its screen, it is drawn smaller in
//   proportion, just enough to fit, but never smaller than at 96 dpi; it follows a move to a
//   screen of another scale;
// - it is placed at its first showing only; later showings keep its place;
// - panels declared disabled keep their normal look but make their controls inert.
// The properties a layout declares for the toolkit to interpret (fontHeight, color, modalResult,
// the panels' borders and bevels) are listed with their meaning in docs/layouts.md.
#pragma once

#include <QDialog>
#include <QHash>
#include <functional>

class QAbstractButton;
class QScreen;
class ClientScrollArea;

class Form : public QDialog
{
    Q_OBJECT

public:
    enum ModalResult { NoResult = 0, OK = 1, Cancel = 2 };
    enum class Scaling { Fixed, Scaled };

    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    // The first window created, whose closing ends the program.
    static Form *mainForm();

    // The area the layout is loaded into: setupUi(client()).
    QWidget *client() const;

    int showModal();
    bool isShownModally() const { return m_shownModally; }
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    // Shows a window that is not modal (the main window), placing it at its first showing.
    void showPlaced();
    // Returns once the display has exposed the shown window and its first frame is painted
    // and flushed, or after a second where the display shows nothing. User input that
    // arrives meanwhile waits for the event loop.
    void waitUntilPainted();

    // The window's size with its frame and title bar; setting it keeps left and top.
    QSize outerSize() const;
    void setOuterWidth(int width);
    void setOuterHeight(int height);

    // Setting a range ends the automatic ranges computed from the controls, for good.
    int scrollRange(Qt::Orientation orientation) const;
    void setScrollRange(Qt::Orientation orientation, int range);
    int scrollPosition(Qt::Orientation orientation) const;
    void setScrollPosition(Qt::Orientation orientation, int position);
    bool hasAutomaticScrollRanges() const { return m_automaticRanges; }

    // The window's top-left corner on the desktop, where it will be or was shown.
    QPoint firstPlacement() const;

    // The client size the layout declares, scaled to the system's text size, and how much
    // smaller than that the window is drawn to fit its screen (1: not at all).
    QSize naturalSize() const { return m_naturalSize; }
    double fitScale() const { return m_fit; }
    // Draws the window at the scale that fits the given screen.
    void followScreen(const QScreen *screen);

signals:
    // Runs at every showing, before the window is visible.
    void showing();
    // Runs at every closing of a modal showing, whatever the result.
    void closing();

protected:
    // Completes the window once setupUi(client()) has run: caption, client size, fonts,
    // scaling, panels, buttons and scroll ranges as the layout declares them.
    void loadLayout(Scaling scaling);

    // Binds a push button's click handler; it runs after the button set the modal result.
    template <typename Window> void onClick(QAbstractButton *button, void (Window::*handler)())
    {
        m_clickHandlers.insert(button,
                               [this, handler] { (static_cast<Window *>(this)->*handler)(); });
    }

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

public slots:
    void reject() override;

private:
    void pressButton(QAbstractButton *button);
    void closeWithModalResult();
    void setClientSize(const QSize &size);
    void updateContentSize();
    void placeOnce();
    void focusFirstControl();
    void watchScreen(QScreen *screen);

    QWidget *m_client;
    ClientScrollArea *m_scrollArea;
    QHash<QAbstractButton *, std::function<void()>> m_clickHandlers;
    int m_modalResult = NoResult;
    bool m_shownModally = false;
    bool m_placed = false;
    bool m_activated = false;
    bool m_automaticRanges = true;
    QSize m_ranges;
    int m_textHeight = 0;
    QSize m_naturalSize;
    double m_fit = 1.0;
    QMetaObject::Connection m_screenWatch;
};

// A control of a window's layout, found by the name the layout declares; for the programs
// that drive the windows from outside (tests, tools, benchmarks). A missing name is a fault
// in the caller and ends the program at once.
template <typename Control> Control *control(const QWidget *window, const char *name)
{
    auto *found = window->findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s in %s", name, qPrintable(window->objectName()));
    return found;
}
