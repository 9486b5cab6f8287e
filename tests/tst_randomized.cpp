// A random user at the real windows: from the main window through the questionnaire, the
// unanswered-items notice, the evaluation, the review and the credits, one action at a time
// (clicks, double-clicks and bursts of clicks where a control is drawn, close boxes and
// Alt+F4, keys to the focused control, input to windows a modal one blocks), in an order
// drawn from a seeded generator, on a full-HD screen, a small one that shrinks the windows
// and at a larger text size. After every action the walk checks what must always hold,
// against a model of the windows on show, the answer sheet and the focus.
//
// Modal windows run nested event loops, so the walk is a chain of queued steps: each step
// checks the state its predecessor left, performs one action and queues the next step;
// an action that opens a window queues it from that window's showing, so the walk goes on
// inside the window's loop.
//
// CI runs a few fixed seeds (the sanitizer pass with fewer actions). For longer runs:
// TELVANOR_SEED and TELVANOR_ACTIONS in the environment, or --seed=N and --actions=N on the
// command line. A failure or a hang prints the seed and the last actions, so the run can be
// replayed.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "MemoBox.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// What the command line or the environment asked for; empty means the CI defaults.
struct WalkOptions {
    std::optional<quint32> seed;
    std::optional<int> actions;
};
WalkOptions options;

constexpr int CiActionsPerRow = 2000;
constexpr int LoggedActions = 20;
constexpr auto HangLimit = std::chrono::seconds(10);

enum class Window { Main, Questionnaire, Notice, Evaluation, Review, Credits };
constexpr Window ModalWindows[] = {Window::Questionnaire, Window::Notice, Window::Evaluation,
                                   Window::Review, Window::Credits};
constexpr int WindowCount = 6;

const char *nameOf(Window window)
{
    constexpr const char *names[] = {"main",       "questionnaire", "notice",
                                     "evaluation", "review",        "credits"};
    return names[int(window)];
}

Form *formOf(Window window)
{
    switch (window) {
    case Window::Main:
        return MainForm;
    case Window::Questionnaire:
        return CuestionarioForm;
    case Window::Notice:
        return AvisoForm;
    case Window::Evaluation:
        return EvaluacionForm;
    case Window::Review:
        return RCForm;
    case Window::Credits:
        return CreditosForm;
    }
    Q_UNREACHABLE();
}

Window windowOf(const QWidget *widget)
{
    for (int w = 0; w < WindowCount; ++w) {
        if (formOf(Window(w)) == widget->window())
            return Window(w);
    }
    return Window::Main;
}

struct Closing {
    Window window;
    int result;
    bool operator==(const Closing &other) const
    {
        return window == other.window && result == other.result;
    }
};

QString describe(const std::vector<Closing> &closings)
{
    QStringList parts;
    for (const Closing &closing : closings)
        parts << QStringLiteral("%1:%2")
                     .arg(QLatin1String(nameOf(closing.window)))
                     .arg(closing.result);
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString describe(const std::vector<Window> &windows)
{
    QStringList parts;
    for (Window window : windows)
        parts << QLatin1String(nameOf(window));
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// How many characters the marks raise in each question's stem and commentary.
int raisedInStem(int q)
{
    return q == 5 ? 1 : 0;
}
int raisedInCommentary(int q)
{
    return q == 5 ? 5 : q == 13 ? 2 : 0;
}

void clickButton(QAbstractButton *button, bool twice = false)
{
    clickThroughWindow(button, button->rect().center(), twice);
}

// A radio button is clicked on its indicator, at its left end, or on its caption.
void clickRadio(QRadioButton *button, bool onCaption = false, bool twice = false)
{
    const int middle = button->height() / 2;
    clickThroughWindow(button, QPoint(onCaption ? button->height() + 12 : middle, middle), twice);
}

// The control that gets the focus at a window's first showing.
QWidget *firstControl(Window window)
{
    constexpr const char *names[] = {"TestButton", "RadioButton1", "Button5",
                                     "Button1",    "Button1",      "Button5"};
    return control<QWidget>(formOf(window), names[int(window)]);
}

// The last actions of the walk, readable from the hang guard's thread.
class ActionLog
{
public:
    void add(const QString &line)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.push_back(line.toStdString());
        if (m_lines.size() > LoggedActions)
            m_lines.pop_front();
    }
    std::string text() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::string text;
        for (const std::string &line : m_lines)
            text += "  " + line + "\n";
        return text;
    }

private:
    mutable std::mutex m_mutex;
    std::deque<std::string> m_lines;
};

// Aborts with the seed and the action log when no step has run for HangLimit: a window
// that never closes, or a loop that never returns, would otherwise only meet CTest's timeout.
class HangGuard
{
public:
    HangGuard(quint32 seed, const ActionLog &log) : m_seed(seed), m_log(log)
    {
        m_thread = std::thread([this] { watch(); });
    }
    ~HangGuard()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stopped = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    void progress() { m_lastProgress = Clock::now().time_since_epoch().count(); }

private:
    using Clock = std::chrono::steady_clock;

    void watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stopped; })) {
            const auto idle =
                Clock::now() - Clock::time_point(Clock::duration(m_lastProgress.load()));
            if (idle < HangLimit)
                continue;
            std::fprintf(stderr, "HANG: no action for %lld s; seed %u; last actions:\n%s",
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::seconds>(idle).count()),
                         m_seed, m_log.text().c_str());
            std::fflush(stderr);
            std::abort();
        }
    }

    const quint32 m_seed;
    const ActionLog &m_log;
    std::atomic<Clock::rep> m_lastProgress{Clock::now().time_since_epoch().count()};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopped = false;
    std::thread m_thread;
};

// The random user and its model of the program: which windows are on show, which question
// each paging window shows, the answer sheet, and what the last action must have done.
class RandomUser : public QObject
{
public:
    RandomUser(quint32 seed, int budget) : m_random(seed), m_budget(budget), m_guard(seed, m_log)
    {
        for (Window window : ModalWindows) {
            Form *form = formOf(window);
            connect(form, &Form::showing, this, &RandomUser::schedule);
            connect(form, &Form::closing, this, [this, window, form] {
                m_closings.push_back({window, form->modalResult()});
            });
        }
    }

    void start() { schedule(); }

    QString failure() const { return m_failure; }
    QString lastActions() const { return QString::fromStdString(m_log.text()); }
    int actions() const { return m_actions; }
    int actionsIn(Window window) const { return m_actionsIn[int(window)]; }
    int testsStarted() const { return m_testsStarted; }

private:
    void schedule()
    {
        if (m_stepPending || m_ended)
            return;
        m_stepPending = true;
        QTimer::singleShot(0, this, &RandomUser::step);
    }

    void step()
    {
        m_stepPending = false;
        m_guard.progress();
        if (m_failure.isEmpty())
            verify();
        if (!m_failure.isEmpty()) {
            unwind();
            return;
        }
        const Window top = topWindow();
        if (m_actions >= m_budget && top == Window::Main) {
            endProgram();
            return;
        }
        ++m_actions;
        ++m_actionsIn[int(top)];
        m_closings.clear();
        m_expectedClosings.clear();
        m_checkedBefore = top == Window::Questionnaire
                              ? checkedOption(CuestionarioForm->radioButtons())
                              : NoAnswer;
        if (m_actions > m_budget)
            leave(top);
        else
            act(top);
        schedule();
    }

    // ---- Choosing and performing actions ----

    // The index of a weight, drawn with a probability proportional to it.
    int pick(const std::vector<int> &weights)
    {
        int total = 0;
        for (int weight : weights)
            total += weight;
        int drawn = int(m_random.bounded(total));
        int index = 0;
        for (int weight : weights) {
            if (drawn < weight)
                return index;
            drawn -= weight;
            ++index;
        }
        return index - 1;
    }

    void log(const QString &what)
    {
        QString where = QLatin1String(nameOf(topWindow()));
        if (topWindow() == Window::Questionnaire)
            where += QStringLiteral(" q%1").arg(CuestionarioForm->CurrentQuestion);
        else if (topWindow() == Window::Review)
            where += QStringLiteral(" q%1").arg(RCForm->CurrentQuestion);
        m_log.add(QStringLiteral("#%1 %2: %3").arg(m_actions).arg(where, what));
    }

    void press(QAbstractButton *button)
    {
        log(QStringLiteral("click %1 \"%2\"").arg(button->objectName(), button->text()));
        m_focus[int(windowOf(button))] = button;
        expectPress(button);
        clickButton(button);
    }

    // Presses of a button that keeps its window open: a burst of clicks, or a double-click,
    // which is two presses.
    void pressRepeatedly(QAbstractButton *button, bool doubleClick)
    {
        const int presses = doubleClick ? 2 : 2 + int(m_random.bounded(4));
        log(QStringLiteral("%1 %2 \"%3\"")
                .arg(doubleClick ? QStringLiteral("double-click")
                                 : QStringLiteral("%1 clicks on").arg(presses),
                     button->objectName(), button->text()));
        m_focus[int(windowOf(button))] = button;
        for (int i = 0; i < presses; ++i) {
            expectPress(button);
            if (windowOf(button) == Window::Questionnaire)
                m_checkedBefore = m_expectedChecked.value_or(NoAnswer);
        }
        if (doubleClick)
            clickButton(button, true);
        for (int i = 0; i < presses && !doubleClick; ++i)
            clickButton(button);
    }

    // One of the four navigation buttons of the questionnaire or the review.
    QPushButton *navigationButton(Window window)
    {
        const QByteArray name = "Button" + QByteArray::number(1 + m_random.bounded(4));
        return control<QPushButton>(formOf(window), name.constData());
    }

    // Alt+F4: the key reaches the focused control, which does nothing with it, and the
    // window manager turns it into a close request of the active window.
    void altF4(Window top)
    {
        log(QStringLiteral("Alt+F4"));
        expectCloseBox(top);
        pressKey(formOf(top), Qt::Key_F4, Qt::AltModifier);
        pressCloseBox(formOf(top));
    }

    // Input to a window below the top one, which the modal one blocks: its close box, or a
    // click on one of its push buttons through the window system. Nothing may change.
    void blockedInput()
    {
        std::vector<Window> below = shownWindows();
        below.back() = Window::Main;
        Form *form = formOf(below[m_random.bounded(int(below.size()))]);
        if (m_random.bounded(2) == 0) {
            log(QStringLiteral("close box of the blocked %1").arg(form->windowTitle()));
            pressCloseBox(form);
            return;
        }
        QList<QPushButton *> buttons;
        for (QPushButton *button : form->client()->findChildren<QPushButton *>()) {
            if (form->rect().contains(button->mapTo(form, button->rect().center())))
                buttons << button;
        }
        if (buttons.isEmpty())
            return;
        QPushButton *button = buttons[m_random.bounded(int(buttons.size()))];
        log(QStringLiteral("click on the blocked %1's %2")
                .arg(form->windowTitle(), button->objectName()));
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(form, button->rect().center()));
    }

    void closeBox(Window window)
    {
        log(QStringLiteral("close box"));
        expectCloseBox(window);
        pressCloseBox(formOf(window));
    }

    void act(Window top)
    {
        switch (top) {
        case Window::Main:
            return actInMain();
        case Window::Questionnaire:
            return actInQuestionnaire();
        case Window::Notice:
            return actInNotice();
        case Window::Evaluation:
            return actInEvaluation();
        case Window::Review:
            return actInReview();
        case Window::Credits:
            return actInCredits();
        }
    }

    // One weighted choice among the actions a window offers.
    struct Choice {
        int weight;
        std::function<void()> action;
    };

    void choose(const std::vector<Choice> &choices)
    {
        std::vector<int> weights;
        weights.reserve(choices.size());
        for (const Choice &choice : choices)
            weights.push_back(choice.weight);
        choices[std::size_t(pick(weights))].action();
    }

    // The four navigation buttons of the questionnaire or the review, with their weights.
    std::vector<Choice> navigation(const std::array<QPushButton *, 4> &buttons,
                                   const std::array<int, 4> &weights)
    {
        std::vector<Choice> choices;
        for (std::size_t i = 0; i < buttons.size(); ++i)
            choices.push_back({weights[i], [this, button = buttons[i]] { press(button); }});
        return choices;
    }

    void actInMain()
    {
        // Enter or Space on "Salir" would end the program before its time: Shift+Tab instead.
        const bool onSalir = MainForm->focusWidget() == control<QPushButton>(MainForm, "Button2");
        const Qt::Key pressKeys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
        choose({{8, [&] { press(control<QPushButton>(MainForm, "TestButton")); }},
                {1, [&] { press(control<QPushButton>(MainForm, "Button1")); }},
                {1, [&] { key(Window::Main, Qt::Key_Escape); }},
                {1, [&] { key(Window::Main, Qt::Key_Tab); }},
                {1, [&] { key(Window::Main, Qt::Key_Tab, Qt::ShiftModifier); }},
                {2, [&] {
                     if (onSalir)
                         key(Window::Main, Qt::Key_Tab, Qt::ShiftModifier);
                     else
                         key(Window::Main, pressKeys[m_random.bounded(3)]);
                 }}});
    }

    void actInQuestionnaire()
    {
        if (m_checkedBefore == NoAnswer && m_random.generateDouble() < m_diligence) {
            answer();
            return;
        }
        // Users page forward mostly. A thorough one heads for the first unanswered question
        // and neither submits nor leaves while there is one.
        const int unanswered = firstUnanswered();
        const bool heading = m_thorough && unanswered != 0;
        const bool backward = heading && unanswered < CuestionarioForm->CurrentQuestion;
        const std::array<int, 9> weights =
            heading ? std::array{1, backward ? 12 : 1, backward ? 1 : 12, 1, 3, 0, 0, 0, 3}
                    : std::array{2, 3, 12, 2, 12, 2, 1, 1, 8};
        std::vector<Choice> choices =
            navigation({control<QPushButton>(CuestionarioForm, "Button1"),
                        control<QPushButton>(CuestionarioForm, "Button2"),
                        control<QPushButton>(CuestionarioForm, "Button3"),
                        control<QPushButton>(CuestionarioForm, "Button4")},
                       {weights[0], weights[1], weights[2], weights[3]});
        choices.push_back({weights[4], [&] { answer(); }});
        choices.push_back(
            {weights[5], [&] { press(control<QPushButton>(CuestionarioForm, "Button5")); }});
        choices.push_back(
            {weights[6], [&] { press(control<QPushButton>(CuestionarioForm, "Button6")); }});
        choices.push_back({weights[7], [&] { closeBox(Window::Questionnaire); }});
        choices.push_back({weights[8], [&] { randomKey(Window::Questionnaire); }});
        choices.push_back({weights[7], [&] { altF4(Window::Questionnaire); }});
        choices.push_back({1, [&] { blockedInput(); }});
        choices.push_back({2, [&] { answer(true); }});
        choices.push_back({1, [&] { answer(false, true); }});
        for (const bool doubleClick : {false, true}) {
            choices.push_back({1, [&, doubleClick] {
                                   pressRepeatedly(navigationButton(Window::Questionnaire),
                                                   doubleClick);
                               }});
        }
        choose(choices);
    }

    void actInNotice()
    {
        choose({{3, [&] { press(control<QPushButton>(AvisoForm, "Button5")); }},
                {4, [&] { press(control<QPushButton>(AvisoForm, "Button6")); }},
                {2, [&] { closeBox(Window::Notice); }},
                {1, [&] { altF4(Window::Notice); }},
                {2, [&] { blockedInput(); }},
                {2, [&] { randomKey(Window::Notice); }}});
    }

    void actInEvaluation()
    {
        choose({{4, [&] { press(control<QPushButton>(EvaluacionForm, "Button1")); }},
                {1, [&] { press(control<QPushButton>(EvaluacionForm, "Button2")); }},
                {1, [&] { closeBox(Window::Evaluation); }},
                {1, [&] { altF4(Window::Evaluation); }},
                {1, [&] { blockedInput(); }},
                {3, [&] { randomKey(Window::Evaluation); }}});
    }

    void actInReview()
    {
        std::vector<Choice> choices = navigation(
            {control<QPushButton>(RCForm, "Button1"), control<QPushButton>(RCForm, "Button2"),
             control<QPushButton>(RCForm, "Button3"), control<QPushButton>(RCForm, "Button4")},
            {4, 4, 4, 4});
        // The continuations sit on an inert panel: a click on one, on its circle or its
        // caption, once or twice, changes nothing.
        choices.push_back({4, [&] {
                               QRadioButton *button =
                                   RCForm->radioButtons()[m_random.bounded(OptionsPerQuestion)];
                               const bool onCaption = m_random.bounded(2) == 0;
                               const bool twice = m_random.bounded(3) == 0;
                               log(QStringLiteral("click inert %1%2%3")
                                       .arg(button->objectName(),
                                            onCaption ? QStringLiteral(" on its caption") : "",
                                            twice ? QStringLiteral(" twice") : ""));
                               clickRadio(button, onCaption, twice);
                           }});
        for (const bool doubleClick : {false, true}) {
            choices.push_back({1, [&, doubleClick] {
                                   pressRepeatedly(navigationButton(Window::Review), doubleClick);
                               }});
        }
        choices.push_back({1, [&] { press(control<QPushButton>(RCForm, "Button5")); }});
        choices.push_back({1, [&] { closeBox(Window::Review); }});
        choices.push_back({1, [&] { altF4(Window::Review); }});
        choices.push_back({1, [&] { blockedInput(); }});
        choices.push_back({4, [&] { randomKey(Window::Review); }});
        choose(choices);
    }

    void actInCredits()
    {
        choose({{2, [&] { press(control<QPushButton>(CreditosForm, "Button5")); }},
                {2, [&] { closeBox(Window::Credits); }},
                {1, [&] { altF4(Window::Credits); }},
                {1, [&] { blockedInput(); }},
                {2, [&] { randomKey(Window::Credits); }}});
    }

    // A click on a continuation of the question on show, on its circle or its caption, once
    // or twice: the correct one as often as the user of this run knows it, any other one
    // otherwise.
    void answer(bool onCaption = false, bool twice = false)
    {
        const int q = CuestionarioForm->CurrentQuestion;
        const bool knows = m_random.generateDouble() < m_knowledge;
        const int option =
            knows ? int(CorrectOptions[q - 1]) : int(m_random.bounded(OptionsPerQuestion)) + 1;
        QRadioButton *button = CuestionarioForm->radioButtons()[option - 1];
        log(QStringLiteral("click %1%2%3")
                .arg(button->objectName(), onCaption ? QStringLiteral(" on its caption") : "",
                     twice ? QStringLiteral(" twice") : ""));
        expectCheck(button);
        m_focus[int(Window::Questionnaire)] = button;
        clickRadio(button, onCaption, twice);
    }

    // The first question without an answer, counting the check on show for the question on
    // show, or 0 when every question has one.
    int firstUnanswered() const
    {
        for (int q = 1; q <= QuestionCount; ++q) {
            const bool onShow = q == m_questionnaireQuestion;
            if ((onShow ? m_checkedBefore : m_sheet[q - 1]) == NoAnswer)
                return q;
        }
        return 0;
    }

    // Once the budget is spent: the quickest way back to the main window.
    void leave(Window top)
    {
        // "Salir" of each modal window, "Volver a las preguntas" in the notice.
        constexpr const char *exits[] = {"", "Button6", "Button5", "Button2", "Button5", "Button5"};
        static_assert(std::size(exits) == WindowCount);
        if (m_random.bounded(2) == 0)
            closeBox(top);
        else if (top != Window::Main)
            press(control<QPushButton>(formOf(top), exits[int(top)]));
    }

    void randomKey(Window top)
    {
        constexpr Qt::Key keys[] = {Qt::Key_Tab,   Qt::Key_Tab,    Qt::Key_Space, Qt::Key_Return,
                                    Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Left,  Qt::Key_Right,
                                    Qt::Key_Up,    Qt::Key_Down};
        const int drawn = int(m_random.bounded(int(std::size(keys))));
        key(top, keys[drawn], drawn == 1 ? Qt::ShiftModifier : Qt::NoModifier);
    }

    // A key sent to the focused control of the window on top. Space on a push button, or
    // Enter on one, presses it; Space on a continuation checks it; an arrow key on a
    // continuation may move the check to a neighbour; Tab and Shift+Tab move the focus;
    // nothing else changes any state.
    void key(Window top, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Form *form = formOf(top);
        // Keys go to the active window; the headless platform has no window manager to
        // activate the window on top again once one above it closed.
        if (QApplication::activeWindow() != form)
            QApplication::setActiveWindow(form);
        QWidget *target = form->focusWidget() ? form->focusWidget() : form;
        log(QStringLiteral("key %1 on %2")
                .arg(QKeySequence(key | modifiers).toString(), target->objectName()));
        const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool arrowKey =
            key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
        auto *button = qobject_cast<QPushButton *>(target);
        auto *radio = qobject_cast<QRadioButton *>(target);
        if (button && pressKey)
            expectPress(button);
        else if (radio && key == Qt::Key_Space)
            expectCheck(radio);
        else if (radio && arrowKey)
            expectArrow(radio, key);
        else if (key == Qt::Key_Tab || arrowKey) // an arrow key on a push button tabs
            m_focus[int(top)] = nullptr;
        QTest::keyClick(target, key, modifiers);
    }

    // Up and Down move the focus to the continuation above or below, and the check with it
    // when the focused one is checked; Left and Right find none beside it in the column.
    void expectArrow(QRadioButton *focused, Qt::Key key)
    {
        const auto buttons = CuestionarioForm->radioButtons();
        const int from =
            int(std::find(buttons.begin(), buttons.end(), focused) - buttons.begin()) + 1;
        const int to = key == Qt::Key_Up ? from - 1 : key == Qt::Key_Down ? from + 1 : 0;
        if (to < 1 || to > OptionsPerQuestion)
            return;
        if (m_expectedChecked == from)
            m_expectedChecked = to;
        m_focus[int(Window::Questionnaire)] = buttons[to - 1];
    }

    void endProgram()
    {
        m_ended = true;
        QPushButton *salir = control<QPushButton>(MainForm, "Button2");
        switch (m_random.bounded(4)) {
        case 0:
            log(QStringLiteral("end the program by \"Salir\""));
            clickButton(salir);
            break;
        case 1:
            log(QStringLiteral("end the program by the close box"));
            pressCloseBox(MainForm);
            break;
        case 2:
            log(QStringLiteral("end the program by Alt+F4"));
            pressKey(MainForm, Qt::Key_F4, Qt::AltModifier);
            pressCloseBox(MainForm);
            break;
        default:
            log(QStringLiteral("end the program by Tab to \"Salir\" and Enter"));
            for (int presses = 0; presses < 4 && MainForm->focusWidget() != salir; ++presses)
                pressKey(MainForm, Qt::Key_Tab);
            pressKey(MainForm, Qt::Key_Return);
            break;
        }
    }

    // After a failure: close every window from the top, then leave the event loop. Should
    // the windows not close, every event loop is left at once.
    void unwind()
    {
        constexpr int MaxUnwindingSteps = 10;
        const Window top = topWindow();
        if (top == Window::Main || ++m_unwindingSteps > MaxUnwindingSteps) {
            m_ended = true;
            QApplication::exit(1);
            return;
        }
        pressCloseBox(formOf(top));
        schedule();
    }

    // ---- The model: what each action must do ----

    void expectPress(QAbstractButton *button)
    {
        const int q = m_questionnaireQuestion;
        const int r = m_reviewQuestion;
        if (button == control<QPushButton>(MainForm, "TestButton")) {
            // Each run of the test has its own user: how much of the test it knows, and how
            // readily it answers a question it has not answered yet.
            m_knowledge = m_random.generateDouble();
            m_thorough = m_random.bounded(10) == 0;
            m_diligence = m_thorough ? 1.0 : m_random.generateDouble();
            ++m_testsStarted;
            m_sheetValid = true;
            m_sheet.fill(NoAnswer);
            m_stack = {Window::Questionnaire};
            showQuestionnaireQuestion(1);
        } else if (button == control<QPushButton>(MainForm, "Button1")) {
            m_stack = {Window::Credits};
        } else if (button == control<QPushButton>(CuestionarioForm, "Button1")) {
            moveQuestionnaire(1);
        } else if (button == control<QPushButton>(CuestionarioForm, "Button2")) {
            if (q > 1)
                moveQuestionnaire(q - 1);
        } else if (button == control<QPushButton>(CuestionarioForm, "Button3")) {
            if (q < QuestionCount)
                moveQuestionnaire(q + 1);
        } else if (button == control<QPushButton>(CuestionarioForm, "Button4")) {
            moveQuestionnaire(QuestionCount);
        } else if (button == control<QPushButton>(CuestionarioForm, "Button5")) {
            storeAnswer();
            if (planOf(m_sheet).find('-') == std::string::npos)
                close({{Window::Questionnaire, Form::OK}}, {Window::Evaluation});
            else
                m_stack = {Window::Questionnaire, Window::Notice};
        } else if (button == control<QPushButton>(CuestionarioForm, "Button6")) {
            storeAnswer();
            close({{Window::Questionnaire, Form::Cancel}}, {});
        } else if (button == control<QPushButton>(AvisoForm, "Button5")) {
            close({{Window::Notice, Form::Cancel}}, {Window::Questionnaire});
        } else if (button == control<QPushButton>(AvisoForm, "Button6")) {
            close({{Window::Notice, Form::OK}, {Window::Questionnaire, Form::OK}},
                  {Window::Evaluation});
        } else if (button == control<QPushButton>(EvaluacionForm, "Button1")) {
            close({{Window::Evaluation, Form::OK}}, {Window::Review});
            m_reviewQuestion = 1;
        } else if (button == control<QPushButton>(EvaluacionForm, "Button2")) {
            close({{Window::Evaluation, Form::Cancel}}, {});
        } else if (button == control<QPushButton>(RCForm, "Button1")) {
            m_reviewQuestion = 1;
        } else if (button == control<QPushButton>(RCForm, "Button2")) {
            m_reviewQuestion = qMax(1, r - 1);
        } else if (button == control<QPushButton>(RCForm, "Button3")) {
            m_reviewQuestion = qMin(QuestionCount, r + 1);
        } else if (button == control<QPushButton>(RCForm, "Button4")) {
            m_reviewQuestion = QuestionCount;
        } else if (button == control<QPushButton>(RCForm, "Button5")) {
            close({{Window::Review, Form::OK}}, {});
        } else if (button == control<QPushButton>(CreditosForm, "Button5")) {
            close({{Window::Credits, Form::OK}}, {});
        } else {
            fail(QStringLiteral("pressed a button the walk does not know: %1")
                     .arg(button->objectName()));
        }
    }

    void expectCloseBox(Window window)
    {
        if (window == Window::Questionnaire)
            storeAnswer();
        std::vector<Window> below;
        if (window == Window::Notice)
            below = {Window::Questionnaire};
        close({{window, Form::Cancel}}, below);
    }

    void expectCheck(QRadioButton *button)
    {
        const auto buttons = CuestionarioForm->radioButtons();
        m_expectedChecked =
            int(std::find(buttons.begin(), buttons.end(), button) - buttons.begin()) + 1;
    }

    void close(std::vector<Closing> closings, std::vector<Window> stack)
    {
        m_expectedClosings = std::move(closings);
        m_stack = std::move(stack);
    }

    // The sheet is written only when the question on show is left: with the check on show.
    void storeAnswer() { m_sheet[m_questionnaireQuestion - 1] = m_checkedBefore; }

    void moveQuestionnaire(int q)
    {
        storeAnswer();
        showQuestionnaireQuestion(q);
    }

    void showQuestionnaireQuestion(int q)
    {
        m_questionnaireQuestion = q;
        m_expectedChecked = m_sheet[q - 1];
    }

    // ---- Checks after every action ----

    void fail(const QString &message)
    {
        if (m_failure.isEmpty())
            m_failure = message;
    }

    template <typename T> void expectEqual(const T &actual, const T &expected, const char *what)
    {
        if (!(actual == expected)) {
            QString a, e;
            QDebug(&a) << actual;
            QDebug(&e) << expected;
            fail(QStringLiteral("%1: %2, expected %3").arg(QLatin1String(what), a, e));
        }
    }

    Window topWindow() const
    {
        const auto shown = shownWindows();
        return shown.empty() ? Window::Main : shown.back();
    }

    static std::vector<Window> shownWindows()
    {
        std::vector<Window> shown;
        for (Window window : ModalWindows) {
            if (formOf(window)->isVisible())
                shown.push_back(window);
        }
        return shown;
    }

    void verify()
    {
        if (m_closings != m_expectedClosings)
            fail(QStringLiteral("windows closed with %1, expected %2")
                     .arg(describe(m_closings), describe(m_expectedClosings)));
        const auto shown = shownWindows();
        if (shown.size() > 2)
            fail(QStringLiteral("more than two modal windows on show: %1").arg(describe(shown)));
        if (shown != m_stack)
            fail(QStringLiteral("windows on show %1, expected %2")
                     .arg(describe(shown), describe(m_stack)));
        for (Window window : shown) {
            if (!formOf(window)->isShownModally())
                fail(QStringLiteral("%1 is on show but not modally")
                         .arg(QLatin1String(nameOf(window))));
        }
        if (!MainForm->isVisible())
            fail(QStringLiteral("the main window is hidden"));
        if (m_sheetValid)
            verifySheet();
        verifyFocus(topWindow());
        m_lastShown = shown;
        m_lastShown.insert(m_lastShown.begin(), Window::Main);
        if (!m_failure.isEmpty())
            return;
        for (Window window : shown)
            verifyWindow(window);
    }

    // What the model knows of a shown window's content; the main window and the credits
    // show nothing that changes.
    void verifyWindow(Window window)
    {
        switch (window) {
        case Window::Questionnaire:
            return verifyQuestionnaire();
        case Window::Notice:
            return verifyNotice();
        case Window::Evaluation:
            return verifyEvaluation();
        case Window::Review:
            return verifyReview();
        case Window::Main:
        case Window::Credits:
            return;
        }
    }

    // The window on top has the focus on a control that takes it (not an inert one) and,
    // where the model knows it, on the one the last action left it on (at a first showing,
    // the first control).
    void verifyFocus(Window top)
    {
        Form *form = formOf(top);
        QWidget *focused = form->focusWidget();
        // A window hidden with the focus gives it up; shown again, Qt finds the next control.
        if (std::find(m_lastShown.begin(), m_lastShown.end(), top) == m_lastShown.end())
            m_focus[int(top)] = m_seen[int(top)] ? nullptr : firstControl(top);
        m_seen[int(top)] = true;
        const QString name = focused ? focused->objectName() : QStringLiteral("nothing");
        if (!focused || focused->focusPolicy() == Qt::NoFocus || !focused->isVisibleTo(form))
            fail(QStringLiteral("the focus in %1 is on %2").arg(nameOf(top), name));
        else if (m_focus[int(top)] && focused != m_focus[int(top)])
            fail(QStringLiteral("the focus in %1 is on %2, expected %3")
                     .arg(nameOf(top), name, m_focus[int(top)]->objectName()));
        m_focus[int(top)] = focused;
    }

    void verifySheet()
    {
        for (int q = 1; q <= QuestionCount; ++q) {
            const int entry = UserAnswers[q - 1];
            if (entry != NoAnswer && (entry < 1 || entry > OptionsPerQuestion))
                fail(QStringLiteral("sheet entry %1 holds %2").arg(q).arg(entry));
        }
        for (int q = 1; q <= QuestionCount; ++q) {
            if (UserAnswers[q - 1] != m_sheet[q - 1])
                fail(QStringLiteral("sheet entry %1 holds %2, expected %3")
                         .arg(q)
                         .arg(UserAnswers[q - 1])
                         .arg(m_sheet[q - 1]));
        }
    }

    void verifyQuestionnaire()
    {
        const TCuestionarioForm *form = CuestionarioForm;
        const int q = form->CurrentQuestion;
        if (q < 1 || q > QuestionCount)
            fail(QStringLiteral("questionnaire on question %1").arg(q));
        expectEqual(q, m_questionnaireQuestion, "questionnaire question");
        const int checked = checkedOption(form->radioButtons());
        if (checked == SeveralChecked)
            fail(QStringLiteral("more than one continuation checked"));
        if (m_expectedChecked)
            expectEqual(checked, *m_expectedChecked, "continuation checked in the questionnaire");
        else if (m_checkedBefore != NoAnswer && checked == NoAnswer)
            fail(QStringLiteral("a check was withdrawn"));
        m_expectedChecked = checked;
        expectEqual(questionOnShow(form), questionShown(q, checked),
                    "question on show in the questionnaire");
        expectEqual(int(raisedPositions(control<RichEditBox>(form, "QuestionsRichEdit")).size()),
                    raisedInStem(q), "raised characters in the questionnaire's stem");
    }

    void verifyNotice()
    {
        const QString blanks = itemsMarked(planOf(m_sheet), '-');
        if (blanks.isEmpty())
            fail(QStringLiteral("the notice is on show with no blank item"));
        expectEqual(QString::fromStdString(BlankItemsText()), blanks, "blank items");
        expectEqual(control<MemoBox>(AvisoForm, "Memo1")->toPlainText().split(QLatin1Char('\n')),
                    QStringList{QStringLiteral("Usted ha dejado sin responder las preguntas:"),
                                QString(), blanks, QString(),
                                QStringLiteral("¿Quiere revisar de nuevo sus respuestas?")},
                    "notice text");
    }

    void verifyEvaluation()
    {
        expectEqual(evaluationFigures(),
                    expectedFigures(planOf(m_sheet), QLocale().decimalPoint().front()),
                    "evaluation's figures");
    }

    void verifyReview()
    {
        const TRCForm *form = RCForm;
        const int q = form->CurrentQuestion;
        if (q < 1 || q > QuestionCount)
            fail(QStringLiteral("review on question %1").arg(q));
        expectEqual(q, m_reviewQuestion, "review question");
        if (!m_failure.isEmpty())
            return;
        expectEqual(questionOnShow(form), questionShown(q, CorrectOptions[q - 1]),
                    "question on show in the review");
        expectEqual(control<RichEditBox>(form, "RCRichEdit")->wholeText(),
                    commentary(q) + QLatin1Char('\n'), "commentary");
        expectEqual(boldPositions(control<RichEditBox>(form, "RCRichEdit")), referencePositions(q),
                    "bold positions");
        expectEqual(int(raisedPositions(control<RichEditBox>(form, "RCRichEdit")).size()),
                    raisedInCommentary(q), "raised characters in the commentary");
        expectEqual(int(raisedPositions(control<RichEditBox>(form, "QuestionsRichEdit")).size()),
                    raisedInStem(q), "raised characters in the review's stem");
        expectEqual(int(boldPositions(control<RichEditBox>(form, "QuestionsRichEdit")).size()), 0,
                    "bold characters in the stem");
    }

    QRandomGenerator m_random;
    const int m_budget;
    ActionLog m_log;
    HangGuard m_guard;

    bool m_stepPending = false;
    bool m_ended = false;
    int m_unwindingSteps = 0;
    QString m_failure;
    int m_actions = 0;
    int m_actionsIn[WindowCount] = {};
    int m_testsStarted = 0;

    std::vector<Window> m_stack;
    std::vector<Closing> m_closings;
    std::vector<Closing> m_expectedClosings;
    bool m_sheetValid = false;
    AnswerSheet m_sheet{};
    int m_questionnaireQuestion = 1;
    int m_reviewQuestion = 1;
    int m_checkedBefore = NoAnswer;
    double m_knowledge = 0;
    double m_diligence = 0;
    bool m_thorough = false;
    std::optional<int> m_expectedChecked;
    std::array<QPointer<QWidget>, WindowCount> m_focus{};
    std::array<bool, WindowCount> m_seen{};
    std::vector<Window> m_lastShown;
};

} // namespace

class RandomizedInteractionTest : public QObject
{
    Q_OBJECT

private slots:
    void randomUser_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("actions");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("pixelsPerInch");
        const int actions = options.actions.value_or(CiActionsPerRow);
        const QSize fullHd(1920, 1080);
        if (options.seed) {
            QTest::addRow("seed %u", *options.seed) << *options.seed << actions << fullHd << 96;
            return;
        }
        for (quint32 seed : {1, 2, 3, 4})
            QTest::addRow("seed %u", seed) << seed << actions << fullHd << 96;
        // Windows shrunk to the screen, scrolled to reach their controls.
        QTest::newRow("small screen, seed 5") << 5u << actions << QSize(800, 600) << 96;
        // Layouts scaled to a larger text size.
        QTest::newRow("large text, seed 6") << 6u << actions << QSize(3840, 2160) << 144;
    }

    void randomUser()
    {
        QFETCH(quint32, seed);
        QFETCH(int, actions);
        QFETCH(QSize, screen);
        QFETCH(int, pixelsPerInch);
        qInfo("seed %u, %d actions (replay: TELVANOR_SEED=%u TELVANOR_ACTIONS=%d)", seed, actions,
              seed, actions);
        ProgramWindows windows(screen, {}, pixelsPerInch);
        RandomUser user(seed, actions);
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, &user, &RandomUser::start);
        const int exitCode = QApplication::exec();
        const qint64 elapsed = clock.elapsed();

        const QString replay =
            QStringLiteral("\nseed %1, last actions:\n%2").arg(seed).arg(user.lastActions());
        if (!user.failure().isEmpty()) // QtTest cuts a long message short: the log goes first
            qWarning("%s%s", qPrintable(user.failure()), qPrintable(replay));
        QVERIFY2(user.failure().isEmpty(), qPrintable(user.failure()));
        // The walk ends at the main window by its "Salir" or its close box, which end the
        // program; nothing else may end it earlier.
        QVERIFY2(
            user.actions() >= actions,
            qPrintable(QStringLiteral("the program ended after %1 actions").arg(user.actions()) +
                       replay));
        QCOMPARE(exitCode, 0);
        QVERIFY(!MainForm->isVisible());
        // A full run reaches every window; a shorter one (the sanitizer pass) may not.
        for (Window window : ModalWindows)
            QVERIFY2(actions < CiActionsPerRow || user.actionsIn(window) > 0, nameOf(window));
        qInfo("seed %u: %d actions in %lld ms, %d tests started", seed, user.actions(), elapsed,
              user.testsStarted());
        qInfo("actions in main %d, questionnaire %d, notice %d, evaluation %d, review %d, "
              "credits %d",
              user.actionsIn(Window::Main), user.actionsIn(Window::Questionnaire),
              user.actionsIn(Window::Notice), user.actionsIn(Window::Evaluation),
              user.actionsIn(Window::Review), user.actionsIn(Window::Credits));
    }
};

namespace {

std::optional<long long> number(const QString &text)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

// TELVANOR_SEED and TELVANOR_ACTIONS, then --seed=N and --actions=N, which are taken out of
// the arguments that QtTest reads.
bool readOptions(QStringList *arguments)
{
    const auto set = [](const QString &name, const QString &text) {
        const auto value = number(text);
        if (!value)
            return false;
        if (name == QLatin1String("seed"))
            options.seed = quint32(*value);
        else
            options.actions = int(*value);
        return true;
    };
    for (const char *name : {"seed", "actions"}) {
        const QByteArray variable = "TELVANOR_" + QByteArray(name).toUpper();
        if (qEnvironmentVariableIsSet(variable.constData()) &&
            !set(QLatin1String(name), qEnvironmentVariable(variable.constData()))) {
            std::fprintf(stderr, "%s is not a number\n", variable.constData());
            return false;
        }
    }
    for (auto it = arguments->begin(); it != arguments->end();) {
        const QString name = it->section(QLatin1Char('='), 0, 0);
        if (name != QLatin1String("--seed") && name != QLatin1String("--actions")) {
            ++it;
            continue;
        }
        if (!set(name.mid(2), it->section(QLatin1Char('='), 1))) {
            std::fprintf(stderr, "%s needs a number: %s=N\n", qPrintable(name), qPrintable(name));
            return false;
        }
        it = arguments->erase(it);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStringList arguments = QApplication::arguments();
    if (!readOptions(&arguments))
        return 2;
    RandomizedInteractionTest test;
    return QTest::qExec(&test, arguments);
}

#include "tst_randomized.moc"
