// Starts the program as its own entry does, on whatever display the environment names, and
// walks through every window with the keyboard alone: the credits, then a whole test run with
// every question left blank, minimising the questionnaire on the way where the platform
// reports minimised windows. Each window is reported once the window system shows it and
// gives it the keyboard focus, or once it is drawn where "--no-focus" says that no focus is
// given (one line on standard output):
//   <step> <window> platform=<name> outer=x,y,w,h client=x,y,w,h available=x,y,w,h
//       frame=l,t,r,b assumed=l,t,r,b scroll=h,v focus=<control> active=<0|1>
// "outer" and "frame" are what the window system drew, "assumed" what fitting and placement
// counted on. The minimise case adds "minimised main=<0|1> questionnaire=<0|1>" and
// "restored main=<0|1> questionnaire=<0|1>". With "--try=<step>,<step>...", the keyboard and
// the mouse of the X server (xdotool) try the windows of those steps: a click 900 px into the
// row of a continuation, right of its caption, reported as
//   <step>/click row=<name> at=900 caption=<right edge of Qt's own hit area> inview=<0|1>
//       before=<checked continuation or -> after=<the same, after the click>
// then each scroll key in turn, reported as
//   <step>/<key> before=h,v after=h,v range=h,v page=h,v focus=<before>,<after>
//       question=<before>,<after> checked=<before>,<after> input=<0|1>
// A step that is not reached in time prints "timeout <step>" and ends the program with
// status 2; nothing waits for ever.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "Form.h"
#include "MainUnit.h"
#include "Platform.h"
#include "RCUnit.h"
#include "ScreenMetrics.h"
#include "Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr int StepTimeoutMs = 10000;
// How long the window system may take to minimise or restore a window.
constexpr int StateTimeoutMs = 3000;

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString marginsText(const QMargins &m)
{
    return QStringLiteral("%1,%2,%3,%4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1,%2").arg(size.width()).arg(size.height());
}

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Says where the program stood, then ends it.
[[noreturn]] void giveUp(const QString &step)
{
    const QWindow *focus = QGuiApplication::focusWindow();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            print(QStringLiteral("shown \"%1\" minimised=%2 exposed=%3 focus=%4")
                      .arg(window->windowTitle())
                      .arg(window->isMinimized() ? 1 : 0)
                      .arg(window->windowHandle()->isExposed() ? 1 : 0)
                      .arg(window->windowHandle() == focus ? 1 : 0));
    }
    print(QStringLiteral("timeout ") + step);
    std::_Exit(2);
}

bool onWayland()
{
    return currentPlatform() == Platform::Wayland;
}

// Processes events until the condition holds; false when the time ran out.
bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(5);
    }
    return true;
}

// Whether the window system gives windows the keyboard focus; a headless compositor has no
// keyboard to give.
bool focusGiven = true;

// Shown, drawn, above every other window of the program and with the keyboard focus.
bool takesInput(Form *form)
{
    const QWindow *window = form->windowHandle();
    const bool active = !focusGiven || QGuiApplication::focusWindow() == window;
    const bool topmost = QApplication::activeModalWidget() == form ||
                         (form == MainForm && !QApplication::activeModalWidget());
    return form->isVisible() && window && window->isExposed() && active && topmost;
}

// The client area where the X server has it: some window managers move a window without
// telling Qt.
QRect clientOnScreen(Form *form)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return form->geometry();
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
        xcb_translate_coordinates_reply(
            connection,
            xcb_translate_coordinates(connection, xcb_window_t(form->winId()), root, 0, 0),
            nullptr),
        &std::free);
    // The X server counts device pixels; Qt's scale factor makes them more than the window's.
    const qreal scale = form->devicePixelRatioF();
    return reply
               ? QRect(QPointF(reply->dst_x / scale, reply->dst_y / scale).toPoint(), form->size())
               : form->geometry();
}

void report(const QString &step, Form *form)
{
    const auto *scroll = form->findChild<QScrollArea *>();
    const QMargins drawn = form->windowHandle()->frameMargins();
    const QRect client = clientOnScreen(form);
    const QRect outer = client.marginsAdded(drawn);
    const QWidget *focus = form->focusWidget();
    print(QStringLiteral("%1 %2 platform=%3 outer=%4 client=%5 available=%6 frame=%7 "
                         "assumed=%8 scroll=%9,%10 focus=%11 active=%12 range=%13,%14 "
                         "natural=%15 fit=%16")
              .arg(step, form->metaObject()->className() + 1, QGuiApplication::platformName(),
                   rectText(outer), rectText(client),
                   rectText(QGuiApplication::primaryScreen()->availableGeometry()),
                   marginsText(drawn), marginsText(ScreenMetrics::current().frame))
              .arg(scroll->horizontalScrollBar()->value())
              .arg(scroll->verticalScrollBar()->value())
              .arg(focus ? focus->objectName() : QStringLiteral("-"))
              .arg(QGuiApplication::focusWindow() == form->windowHandle() ? 1 : 0)
              .arg(scroll->horizontalScrollBar()->maximum())
              .arg(scroll->verticalScrollBar()->maximum())
              .arg(sizeText(form->naturalSize()))
              .arg(form->fitScale()));
}

// Tab until the control has the focus, then Enter, as a user without a mouse does.
void pressByKeyboard(const QString &step, Form *form, const char *name)
{
    QWidget *target = control<QWidget>(form, name);
    for (int tabs = 0; tabs < 60 && form->focusWidget() != target; ++tabs)
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    if (form->focusWidget() != target)
        giveUp(step + QStringLiteral(" focus on ") + QLatin1String(name));
    QTest::keyClick(form->windowHandle(), Qt::Key_Return);
}

// Sends the window manager a request about a window, as other clients do.
void askWindowManager(QWidget *window, const char *request, uint32_t value)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(request)), request),
            nullptr),
        &std::free);
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = atom->atom;
    message.data.data32[0] = value;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

// Minimises the questionnaire as its title bar's button does (WM_CHANGE_STATE to iconic),
// then brings back the main window as a task bar does (_NET_ACTIVE_WINDOW from a pager);
// reports which windows were minimised after each.
void minimiseAndRestore(Form *questionnaire)
{
    const auto states = [questionnaire] {
        return QStringLiteral("main=%1 questionnaire=%2")
            .arg(MainForm->isMinimized() ? 1 : 0)
            .arg(questionnaire->isMinimized() ? 1 : 0);
    };
    constexpr uint32_t Iconic = 3;
    constexpr uint32_t FromPager = 2;
    // A window manager still busy with the window just mapped may miss the first click.
    for (int click = 0; click < 3 && !questionnaire->isMinimized(); ++click) {
        askWindowManager(questionnaire, "WM_CHANGE_STATE", Iconic);
        waitFor([&] { return questionnaire->isMinimized(); }, StateTimeoutMs / 3);
    }
    waitFor([&] { return questionnaire->isMinimized() && MainForm->isMinimized(); },
            StateTimeoutMs);
    print(QStringLiteral("minimised ") + states());
    askWindowManager(MainForm, "_NET_ACTIVE_WINDOW", FromPager);
    waitFor([&] { return !questionnaire->isMinimized() && takesInput(questionnaire); },
            StateTimeoutMs);
    print(QStringLiteral("restored ") + states());
}

// Counts the key and mouse button releases the program has received.
class ReleaseCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease)
            ++count;
        return false;
    }
};

ReleaseCounter releases;

// Has the X server deliver keys or clicks as from the user's own devices, then waits until
// the program has received them. A window manager still busy with a window just mapped may
// swallow them: they are sent once more then, after a wait long enough that a slow delivery
// is not taken for a lost one (a key sent twice would scroll twice).
void sendThroughServer(const QString &step, const QStringList &xdotoolArguments)
{
    const int before = releases.count;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (QProcess::execute(QStringLiteral("xdotool"), xdotoolArguments) != 0)
            giveUp(step + QStringLiteral(" xdotool"));
        if (waitFor([before] { return releases.count > before; }, StateTimeoutMs))
            return;
    }
    giveUp(step);
}

QString checkedContinuation(const Form *form)
{
    for (const QRadioButton *button : form->findChildren<QRadioButton *>()) {
        if (button->isChecked())
            return button->objectName();
    }
    return QStringLiteral("-");
}

// The right edge of the part of a radio button that Qt itself makes react to a click.
int captionEnd(const QRadioButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return button->style()
        ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button)
        .right();
}

// The number of the question the window shows, as its counter ("Pregunta n de 24") reads, or
// "-" where it shows none.
QString questionShown(const Form *form)
{
    const auto *counter = form->findChild<QGroupBox *>(QStringLiteral("QuestionsGroupBox"));
    return counter ? counter->title().section(QLatin1Char(' '), 1, 1) : QStringLiteral("-");
}

// Clicks the row of the unchecked continuation with the shortest caption, 900 px from its left,
// where that point is in view.
void clickBesideCaption(const QString &step, Form *form)
{
    constexpr int ClickX = 900;
    const QRadioButton *row = nullptr;
    for (const QRadioButton *button : form->findChildren<QRadioButton *>()) {
        if (!button->isChecked() && (!row || captionEnd(button) < captionEnd(row)))
            row = button;
    }
    if (!row)
        return;
    const QPoint point = row->mapTo(form, QPoint(ClickX, row->height() / 2));
    const QWidget *view = form->findChild<QScrollArea *>()->viewport();
    const bool inView = QRect(view->mapTo(form, QPoint()), view->size()).contains(point);
    const QString before = checkedContinuation(form);
    if (inView)
        sendThroughServer(step + QStringLiteral("/click"),
                          {QStringLiteral("mousemove"), QStringLiteral("--window"),
                           QString::number(form->winId()), QString::number(point.x()),
                           QString::number(point.y()), QStringLiteral("click"),
                           QStringLiteral("1")});
    print(QStringLiteral("%1/click row=%2 at=%3 caption=%4 inview=%5 before=%6 after=%7")
              .arg(step, row->objectName())
              .arg(ClickX)
              .arg(captionEnd(row))
              .arg(inView ? 1 : 0)
              .arg(before, checkedContinuation(form)));
}

// Each scroll key once, in an order in which every key moves the view where it can scroll.
void pressScrollKeys(const QString &step, Form *form)
{
    static const std::pair<const char *, const char *> keys[] = {
        {"PageDown", "Page_Down"},
        {"PageUp", "Page_Up"},
        {"Shift+PageDown", "shift+Page_Down"},
        {"Shift+PageUp", "shift+Page_Up"},
        {"Ctrl+End", "ctrl+End"},
        {"Ctrl+Home", "ctrl+Home"}};
    const auto *scroll = form->findChild<QScrollArea *>();
    const QScrollBar *horizontal = scroll->horizontalScrollBar();
    const QScrollBar *vertical = scroll->verticalScrollBar();
    const auto state = [&] {
        const QWidget *focus = form->focusWidget();
        return QStringList{QStringLiteral("%1,%2").arg(horizontal->value()).arg(vertical->value()),
                           focus ? focus->objectName() : QStringLiteral("-"), questionShown(form),
                           checkedContinuation(form)};
    };
    for (const auto &[name, xdotoolName] : keys) {
        const QStringList before = state();
        sendThroughServer(step + QLatin1Char('/') + QLatin1String(name),
                          {QStringLiteral("key"), QLatin1String(xdotoolName)});
        const QStringList after = state();
        print(QStringLiteral("%1/%2 before=%3 after=%4 range=%5,%6 page=%7,%8 focus=%9,%10 ")
                  .arg(step, QLatin1String(name), before[0], after[0])
                  .arg(horizontal->maximum())
                  .arg(vertical->maximum())
                  .arg(horizontal->pageStep())
                  .arg(vertical->pageStep())
                  .arg(before[1], after[1]) +
              QStringLiteral("question=%1,%2 checked=%3,%4 input=%5")
                  .arg(before[2], after[2], before[3], after[3])
                  .arg(takesInput(form) ? 1 : 0));
    }
}

// The steps whose windows the X server's keyboard and mouse try.
QStringList triedSteps;

struct Step {
    QString name;
    Form *(*form)();
    const char *press;
};

// Runs the steps from a polling timer, which keeps firing inside the modal loops that the key
// presses open.
class Walk : public QObject
{
public:
    Walk()
    {
        m_waiting.start();
        connect(&m_poll, &QTimer::timeout, this, &Walk::poll);
        m_poll.start(10);
    }

private:
    void poll()
    {
        if (m_busy || m_next >= m_steps.size())
            return;
        const Step &step = m_steps.at(m_next);
        Form *form = step.form();
        if (!takesInput(form)) {
            if (m_waiting.elapsed() > StepTimeoutMs)
                giveUp(step.name);
            return;
        }
        m_busy = true;
        report(step.name, form);
        if (triedSteps.contains(step.name)) {
            clickBesideCaption(step.name, form);
            pressScrollKeys(step.name, form);
        }
        if (form == CuestionarioForm && !onWayland()) {
            minimiseAndRestore(form);
            if (!waitFor([form] { return takesInput(form); }, StepTimeoutMs))
                giveUp(step.name + QStringLiteral(" restored"));
        }
        ++m_next;
        m_waiting.restart();
        m_busy = false;
        // From a timer of its own: Qt does not fire a timer again inside its own slot, and
        // the press may open a modal loop in which the polling goes on.
        QTimer::singleShot(0, this, [step, form] { pressByKeyboard(step.name, form, step.press); });
    }

    const QList<Step> m_steps = {
        {QStringLiteral("start"), []() -> Form * { return MainForm; }, "Button1"},
        {QStringLiteral("credits"), []() -> Form * { return CreditosForm; }, "Button5"},
        {QStringLiteral("back"), []() -> Form * { return MainForm; }, "TestButton"},
        {QStringLiteral("test"), []() -> Form * { return CuestionarioForm; }, "Button5"},
        {QStringLiteral("blanks"), []() -> Form * { return AvisoForm; }, "Button6"},
        {QStringLiteral("evaluation"), []() -> Form * { return EvaluacionForm; }, "Button1"},
        {QStringLiteral("review"), []() -> Form * { return RCForm; }, "Button5"},
        {QStringLiteral("end"), []() -> Form * { return MainForm; }, "Button2"},
    };
    qsizetype m_next = 0;
    bool m_busy = false;
    QElapsedTimer m_waiting;
    QTimer m_poll;
};

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray option = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    focusGiven = option != "--no-focus";
    if (option.startsWith("--try="))
        triedSteps = QString::fromLatin1(option.mid(6)).split(QLatin1Char(','));
    choosePlatform();
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    application.installEventFilter(&releases);
    PrepareApplication();
    CreateForms();
    {
        Walk walk;
        QApplication::exec();
    }
    DestroyForms();
    print(QStringLiteral("ended"));
    return 0;
}
