#include "Form.h"

#include "ClientScrollArea.h"
#include "Colours.h"
#include "FitToScreen.h"
#include "Inert.h"
#include "InputWatcher.h"
#include "LayoutDeclarations.h"
#include "Platform.h"
#include "ScreenMetrics.h"
#include "WindowGroup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace {

QPointer<Form> firstForm;

// How long start-up waits for a display to expose the main window.
constexpr int FirstPaintWaitMs = 1000;

QPoint centred(const QRect &around, const QSize &outer)
{
    // Integer division truncates toward zero; a negative edge becomes 0.
    const int left = around.left() + (around.width() - outer.width()) / 2;
    const int top = around.top() + (around.height() - outer.height()) / 2;
    return {qMax(0, left), qMax(0, top)};
}

// The window moved, where it fits, so that no part of it lies under a task bar or a dock,
// where its scroll bars and buttons could not be reached; where it does not fit, its title
// bar stays in reach. A null work area keeps the window where it is.
QPoint keptInside(const QRect &workArea, const QPoint &position, const QSize &outer)
{
    if (workArea.isNull())
        return position;
    const int left =
        qMax(workArea.left(), qMin(position.x(), workArea.right() + 1 - outer.width()));
    const int top =
        qMax(workArea.top(), qMin(position.y(), workArea.bottom() + 1 - outer.height()));
    return {left, top};
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

Form::Form(QWidget *parent)
    : QDialog(parent), m_client(new QWidget), m_scrollArea(new ClientScrollArea(m_client, this))
{
    if (!firstForm)
        firstForm = this;
    installInertAccessibility();
    InputWatcher::start();
    setWindowFlags(ProgramWindowFlags);
    setModal(false);
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
    m_textHeight = applyLayoutDeclarations(m_client, scaling == Scaling::Scaled);
    m_naturalSize = LayoutScale{m_textHeight}.of(m_client->size());
    m_fit = scaleToFit(m_naturalSize, ScreenMetrics::current());
    const QSize clientSize = scaleLayout(m_client, {m_textHeight, m_fit});

    for (QPushButton *button : m_client->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QAbstractButton::clicked, this, [this, button] { pressButton(button); },
                buttonPressConnection());
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

void Form::followScreen(const QScreen *screen)
{
    const double fit = scaleToFit(m_naturalSize, ScreenMetrics::of(screen));
    if (qFuzzyCompare(fit, m_fit))
        return;
    const double change = fit / m_fit;
    const auto changed = [change](QSize size) {
        return QSize(qRound(size.width() * change), qRound(size.height() * change));
    };
    m_fit = fit;
    scaleLayout(m_client, {m_textHeight, fit});
    m_ranges = m_automaticRanges ? controlsExtent(m_client) : changed(m_ranges);
    setClientSize(changed(size()));
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
    return m_scrollArea->scrollBar(orientation)->value();
}

void Form::setScrollPosition(Qt::Orientation orientation, int position)
{
    m_scrollArea->scrollBar(orientation)->setValue(position);
}

QPoint Form::firstPlacement() const
{
    const ScreenMetrics metrics = ScreenMetrics::current();
    Form *main = mainForm();
    const QRect around =
        !main || main == this ? metrics.desktop : QRect(main->pos(), main->outerSize());
    return keptInside(metrics.workArea, centred(around, outerSize()), outerSize());
}

void Form::placeOnce()
{
    if (m_placed)
        return;
    m_placed = true;
    move(firstPlacement());
}

bool Form::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // The declared colours were chosen against the palette of the time; a new desktop palette
    // (Qt does not tell changeEvent() of it) may leave their text unreadable.
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyDeclaredColours(m_client);
    return handled;
}

void Form::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if (change->oldState().testFlag(Qt::WindowMinimized) != isMinimized())
        WindowGroup::follow(isMinimized());
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
    WindowGroup::keepAbove(this, mainForm());
    setWindowModality(Qt::ApplicationModal);
    m_shownModally = true;
    const QPointer<QWidget> previous = QApplication::activeWindow();
    exec();
    m_shownModally = false;
    // Not every window manager gives the focus back to the window that had it, and in a web
    // page none does: the window that had it takes it back, or else the main window.
    QWidget *next = previous && previous->isVisible() ? previous.data() : mainForm();
    if (next && next->isVisible())
        next->activateWindow();
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
    // In a web page Qt stacks the windows in the order they were made, and a window made
    // while a modal one is on show goes behind it: each is raised once it is on show.
    if (currentPlatform() == Platform::Web)
        QMetaObject::invokeMethod(this, &QWidget::raise, Qt::QueuedConnection);
    if (!m_activated) {
        m_activated = true;
        focusFirstControl();
        connect(windowHandle(), &QWindow::screenChanged, this, &Form::watchScreen);
        watchScreen(windowHandle()->screen());
    }
}

void Form::watchScreen(QScreen *screen)
{
    disconnect(m_screenWatch);
    followScreen(screen);
    if (!screen)
        return;
    // A screen whose size changes (a new resolution; on the web, a resized browser window)
    // fits the window anew and keeps it within reach.
    m_screenWatch = connect(screen, &QScreen::availableGeometryChanged, this, [this, screen] {
        followScreen(screen);
        move(keptInside(ScreenMetrics::of(screen).workArea, pos(), outerSize()));
    });
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
