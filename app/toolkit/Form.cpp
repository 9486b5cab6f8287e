#include "Form.h"

#include "Colours.h"
#include "Inert.h"
#include "Panel.h"
#include "ScreenMetrics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <optional>

namespace {

QPointer<Form> firstForm;

// How long start-up waits for a display to expose the main window.
constexpr int FirstPaintWaitMs = 1000;

// Design metrics of the layouts: 96 pixels per inch, and 13 pixels for the height of
// "0" in the window font.
constexpr int DesignPixelsPerInch = 96;
constexpr int DesignTextHeight = 13;

// How long the window manager is given to minimise or restore the program's windows together
// before the program does it.
constexpr int GroupStateDelayMs = 200;

int scaled(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(double(value) * numerator / denominator));
}

// The font a control declares, if any: the negative pixel height of its "fontHeight"
// property, as in -21, and the family of the original design, which is replaced by its
// installed stand-in here rather than looked up in vain each time the font is used.
std::optional<QFont> declaredFont(const QWidget *widget)
{
    const QVariant height = widget->property("fontHeight");
    if (!height.isValid())
        return std::nullopt;
    QFont font = widget->font();
    font.setFamily(QFont::substitute(font.family()));
    font.setPixelSize(-height.toInt());
    return font;
}

// Sets the controls' declared fonts, their sizes multiplied by numerator / denominator, and
// then the window font. Children come before their parents: a parent's font reaches every
// child, so setting it first would lay out the children's texts at a font they do not keep.
void applyDeclaredFonts(QWidget *root, const QFont &windowFont, int numerator, int denominator)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (auto widget = widgets.crbegin(); widget != widgets.crend(); ++widget) {
        std::optional<QFont> font = declaredFont(*widget);
        if (!font)
            continue;
        font->setPixelSize(scaled(font->pixelSize(), numerator, denominator));
        (*widget)->setFont(*font);
    }
    root->setFont(windowFont);
}

// Multiplies the position and size of every control of the layout. Qt's own inner widgets
// follow their owners.
void scaleControls(QWidget *root, int numerator, int denominator)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect g = widget->geometry();
        widget->setGeometry(
            scaled(g.x(), numerator, denominator), scaled(g.y(), numerator, denominator),
            scaled(g.width(), numerator, denominator), scaled(g.height(), numerator, denominator));
    }
}

// Children of a bordered panel are placed from the inside of its border.
void offsetPanelChildren(QWidget *root)
{
    for (Panel *panel : root->findChildren<Panel *>()) {
        const int border = panel->borderWidth();
        for (QWidget *child : panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            child->move(child->pos() + QPoint(border, border));
    }
}

void makeDeclaredPanelsInert(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->testAttribute(Qt::WA_ForceDisabled))
            makeInert(widget);
    }
}

// The extent of the controls: right-most right edge and lowest bottom edge.
QSize controlsExtent(QWidget *root)
{
    QSize extent;
    for (QWidget *child : root->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        extent =
            extent.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
    return extent;
}

// Scrolls a control's range into view where the part of it the user needs is out of view:
// the whole range where the view can hold it, else its first `lead` pixels. Where it must
// scroll, it shows as much of the range as the view can hold, its start first.
void bringIntoView(QScrollBar *bar, int start, int length, int lead, int view)
{
    const int needed = length <= view ? length : qMin(lead, view);
    if (start >= bar->value() && start + needed <= bar->value() + view)
        return;
    if (start < bar->value())
        bar->setValue(start);
    else
        bar->setValue(start + qMin(length, view) - view);
}

// The keys that scroll a window's content, and what each does to the horizontal and the
// vertical scroll bar.
struct ScrollKey {
    QKeyCombination keys;
    QAbstractSlider::SliderAction horizontal;
    QAbstractSlider::SliderAction vertical;
};

constexpr ScrollKey ScrollKeys[] = {
    {Qt::Key_PageUp, QAbstractSlider::SliderNoAction, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderNoAction, QAbstractSlider::SliderPageStepAdd},
    {Qt::SHIFT | Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub,
     QAbstractSlider::SliderNoAction},
    {Qt::SHIFT | Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd,
     QAbstractSlider::SliderNoAction},
    {Qt::CTRL | Qt::Key_Home, QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMinimum},
    {Qt::CTRL | Qt::Key_End, QAbstractSlider::SliderToMaximum, QAbstractSlider::SliderToMaximum},
};

// Whether the user's latest input came from the keyboard rather than a pointer.
class InputWatcher : public QObject
{
public:
    using QObject::QObject;

    static bool keyboardInUse() { return watcher && watcher->m_keyboard; }

    static void start()
    {
        if (watcher)
            return;
        watcher = new InputWatcher(qApp);
        qApp->installEventFilter(watcher);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            m_keyboard = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            m_keyboard = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    static inline QPointer<InputWatcher> watcher;
    bool m_keyboard = false;
};

QPoint centred(const QRect &around, const QSize &outer)
{
    // Integer division truncates toward zero; a negative edge becomes 0.
    const int left = around.left() + (around.width() - outer.width()) / 2;
    const int top = around.top() + (around.height() - outer.height()) / 2;
    return {qMax(0, left), qMax(0, top)};
}

// Ends a wait once a window's first expose event has been handled: Qt paints a widget
// window and flushes it to the display while it handles that event.
class ExposeWaiter : public QObject
{
public:
    ExposeWaiter(QWindow *window, QEventLoop *wait) : m_window(window), m_wait(wait)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window->isExposed())
            m_wait->quit();
        return false;
    }

private:
    QWindow *m_window;
    QEventLoop *m_wait;
};

} // namespace

// The scroll area around a window's controls. When the user moves the focus with the keyboard
// (Tab, Backtab, the arrow keys), it brings the control that gets it into view, its start
// first: Qt's own scrolling centres a control wider than the view, which hides its start,
// where a radio button's circle is. Focus given by activation or the mouse scrolls nothing,
// so a window opens at its top left and keeps the positions the user left it at.
class ClientScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    // Follows the keyboard focus onto the focusable controls of the content.
    void watchFocusOfControls()
    {
        for (QWidget *control : widget()->findChildren<QWidget *>()) {
            if (control->focusPolicy() & Qt::TabFocus)
                control->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
            // QDialog, when shown, tells its focus widget of a Tab focus it has not yet got.
            auto *control = static_cast<QWidget *>(watched);
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
                control->hasFocus())
                showStartOf(control);
        }
        return QScrollArea::eventFilter(watched, event);
    }

    bool focusNextPrevChild(bool next) override
    {
        // Skipping QScrollArea's own version, which would centre the control, is the point.
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        return QAbstractScrollArea::focusNextPrevChild(next);
    }

private:
    void showStartOf(const QWidget *control)
    {
        const QPoint start = control->mapTo(widget(), QPoint());
        // A control's start is the square at its left end, where a radio button's circle is.
        const int lead = qMin(control->width(), control->height());
        bringIntoView(horizontalScrollBar(), start.x(), control->width(), lead,
                      viewport()->width());
        bringIntoView(verticalScrollBar(), start.y(), control->height(), lead,
                      viewport()->height());
    }
};

Form::Form(QWidget *parent)
    : QDialog(parent), m_scrollArea(new ClientScrollArea(this)), m_client(new QWidget)
{
    if (!firstForm)
        firstForm = this;
    installInertAccessibility();
    InputWatcher::start();
    setWindowFlags(TopLevelFlags);
    setModal(false);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setWidget(m_client);
    addScrollKeys();
}

void Form::addScrollKeys()
{
    // Shortcuts take the keys before the focused control sees them, so the keys move the
    // view wherever the focus is, and move nothing else.
    QScrollBar *horizontal = m_scrollArea->horizontalScrollBar();
    QScrollBar *vertical = m_scrollArea->verticalScrollBar();
    for (const ScrollKey &key : ScrollKeys) {
        connect(new QShortcut(key.keys, this), &QShortcut::activated, this,
                [horizontal, vertical, key] {
                    horizontal->triggerAction(key.horizontal);
                    vertical->triggerAction(key.vertical);
                });
    }
}

Form::~Form() = default;

Form *Form::mainForm()
{
    return firstForm;
}

QWidget *Form::client() const
{
    return m_client;
}

void Form::loadLayout(Scaling scaling)
{
    setWindowTitle(m_client->windowTitle());
    // A scaled window's font follows the system's pixel density, and the height of "0" in
    // it scales the controls and their own fonts.
    QFont windowFont = declaredFont(m_client).value_or(m_client->font());
    int textHeight = DesignTextHeight;
    if (scaling == Scaling::Scaled) {
        const int pixelsPerInch = ScreenMetrics::current().pixelsPerInch;
        if (pixelsPerInch != DesignPixelsPerInch)
            windowFont.setPixelSize(
                scaled(windowFont.pixelSize(), pixelsPerInch, DesignPixelsPerInch));
        textHeight = QFontMetrics(windowFont).height();
    }
    applyDeclaredFonts(m_client, windowFont, textHeight, DesignTextHeight);
    applyDeclaredColours(m_client);
    QSize clientSize = m_client->size();
    if (textHeight != DesignTextHeight) {
        scaleControls(m_client, textHeight, DesignTextHeight);
        clientSize = QSize(scaled(clientSize.width(), textHeight, DesignTextHeight),
                           scaled(clientSize.height(), textHeight, DesignTextHeight));
    }
    offsetPanelChildren(m_client);
    makeDeclaredPanelsInert(m_client);

    for (QPushButton *button : m_client->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QAbstractButton::clicked, this, [this, button] { pressButton(button); });
    }

    m_scrollArea->watchFocusOfControls();

    m_ranges = controlsExtent(m_client);
    setClientSize(clientSize);
}

void Form::setClientSize(const QSize &size)
{
    setFixedSize(size);
    m_scrollArea->setGeometry(rect());
    updateContentSize();
}

void Form::updateContentSize()
{
    // The scroll area shows a bar where the range exceeds the client extent.
    m_client->resize(m_ranges);
}

QSize Form::outerSize() const
{
    const QMargins frame = ScreenMetrics::current().frame;
    return size().grownBy(frame);
}

void Form::setOuterWidth(int width)
{
    const QMargins frame = ScreenMetrics::current().frame;
    setClientSize(QSize(width - frame.left() - frame.right(), height()));
}

void Form::setOuterHeight(int height)
{
    const QMargins frame = ScreenMetrics::current().frame;
    setClientSize(QSize(width(), height - frame.top() - frame.bottom()));
}

int Form::scrollRange(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_ranges.width() : m_ranges.height();
}

void Form::setScrollRange(Qt::Orientation orientation, int range)
{
    m_automaticRanges = false;
    if (orientation == Qt::Horizontal)
        m_ranges.setWidth(range);
    else
        m_ranges.setHeight(range);
    updateContentSize();
}

int Form::scrollPosition(Qt::Orientation orientation) const
{
    const QScrollBar *bar = orientation == Qt::Horizontal ? m_scrollArea->horizontalScrollBar()
                                                          : m_scrollArea->verticalScrollBar();
    return bar->value();
}

void Form::setScrollPosition(Qt::Orientation orientation, int position)
{
    QScrollBar *bar = orientation == Qt::Horizontal ? m_scrollArea->horizontalScrollBar()
                                                    : m_scrollArea->verticalScrollBar();
    bar->setValue(position);
}

QPoint Form::firstPlacement() const
{
    const ScreenMetrics metrics = ScreenMetrics::current();
    Form *main = mainForm();
    if (!main || main == this)
        return centred(metrics.desktop, outerSize());
    return centred(QRect(main->pos(), main->outerSize()), outerSize());
}

void Form::placeOnce()
{
    if (m_placed)
        return;
    m_placed = true;
    move(firstPlacement());
}

// A window transient for the main window is kept above it, centred on it by compositors that
// place windows themselves, and minimised with it. Only window managers and compositors make
// use of it; Qt's headless platforms have none and would move the activation about instead.
void Form::keepAboveMainForm()
{
    Form *main = mainForm();
    const QString platform = QGuiApplication::platformName();
    const bool managed =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    if (!main || main == this || !managed)
        return;
    create();
    windowHandle()->setTransientParent(main->windowHandle());
}

void Form::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if (change->oldState().testFlag(Qt::WindowMinimized) != isMinimized())
        followProgramState(isMinimized());
}

// The program's shown windows are minimised and restored together, so that the window that
// takes input is never left hidden behind one that it blocks. Window managers that know the
// windows belong together do it themselves: the program follows only once they are done,
// and the latest change of any window is the one that counts.
void Form::followProgramState(bool minimised)
{
    static QTimer *pending = nullptr;
    static bool programMinimised = false;
    if (!pending) {
        pending = new QTimer(qApp);
        pending->setSingleShot(true);
        pending->setInterval(GroupStateDelayMs);
        connect(pending, &QTimer::timeout, qApp,
                [] { minimiseOrRestoreProgram(programMinimised); });
    }
    programMinimised = minimised;
    pending->start();
}

void Form::minimiseOrRestoreProgram(bool minimised)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<Form *>(window) || !window->isVisible() ||
            window->isMinimized() == minimised)
            continue;
        if (minimised)
            window->showMinimized();
        else
            window->showNormal();
    }
    if (!minimised) {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->activateWindow();
    }
}

void Form::showPlaced()
{
    placeOnce();
    show();
}

void Form::waitUntilPainted()
{
    QWindow *window = windowHandle();
    if (!window || window->isExposed())
        return;
    QEventLoop wait;
    const ExposeWaiter waiter(window, &wait);
    QTimer::singleShot(FirstPaintWaitMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

int Form::showModal()
{
    Q_ASSERT(!isVisible());
    m_modalResult = NoResult;
    emit showing();
    placeOnce();
    keepAboveMainForm();
    setWindowModality(Qt::ApplicationModal);
    m_shownModally = true;
    const QPointer<QWidget> previous = QApplication::activeWindow();
    exec();
    m_shownModally = false;
    // Not every window manager gives the focus back to the window that had it.
    if (previous && previous->isVisible())
        previous->activateWindow();
    return m_modalResult;
}

void Form::pressButton(QAbstractButton *button)
{
    m_modalResult = button->property("modalResult").toInt();
    if (const auto handler = m_clickHandlers.value(button))
        handler();
    if (m_shownModally && m_modalResult != NoResult)
        closeWithModalResult();
}

void Form::closeWithModalResult()
{
    emit closing();
    done(m_modalResult);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_shownModally) {
        m_modalResult = Cancel;
        closeWithModalResult();
    } else if (this == mainForm()) {
        QCoreApplication::quit();
    }
}

void Form::reject()
{
    // Escape and other dialog rejections close nothing; a close request comes through
    // closeEvent and gives Cancel.
}

void Form::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void Form::showEvent(QShowEvent *event)
{
    // A window opened from the keyboard shows where its focus is at once; Qt would wait
    // for Tab to be pressed in it.
    setAttribute(Qt::WA_KeyboardFocusChange, InputWatcher::keyboardInUse());
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        focusFirstControl();
    }
}

void Form::focusFirstControl()
{
    QWidget *widget = this;
    while ((widget = widget->nextInFocusChain()) != this) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(this) &&
            widget->isEnabled()) {
            widget->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
}
