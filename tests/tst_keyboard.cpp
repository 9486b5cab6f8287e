// The whole test taken with the keyboard alone, from the main window to the review and
// back: keys go only to the control that has the focus, as a person's would, and the
// answers chosen by key reach the sheet, the evaluation and nothing else. Also the tab
// order of every window, and keyboard use of windows shrunk to a small screen.

#include "AvisoUnit.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "RCUnit.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

namespace {

// How the run answers: the odd questions right, the even ones wrong, every sixth blank.
constexpr std::string_view Plan = "rwrwr-rwrwr-rwrwr-rwrwr-";

AnswerSheet planned()
{
    return sheetOf(Plan);
}

QString nameOf(const QWidget *widget)
{
    return widget ? widget->objectName() : QStringLiteral("nothing");
}

// A person at the keyboard. Keys go to the widget that has the focus; what the keyboard
// cannot reach is written down as a problem, and then done by mouse so that the run still
// ends and every window closes.
class KeyboardUser
{
public:
    QStringList problems;

    static QWidget *focus() { return QApplication::focusWidget(); }

    void waitUntilActive(QWidget *window)
    {
        if (!QTest::qWaitForWindowActive(window))
            problems << QStringLiteral("%1 never became active").arg(window->windowTitle());
    }

    // When a window closes, the window system activates the one it stood above, which then
    // gives the focus back to its focused control. The headless platform has no window
    // manager to do that, so the test asks for it as one would.
    void returnTo(QWidget *window)
    {
        window->activateWindow();
        waitUntilActive(window);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (QWidget *widget = focus())
            QTest::keyClick(widget, Qt::Key(key), modifiers);
        else
            problems << QStringLiteral("no focus to take key %1").arg(key);
    }

    void tab(bool forward) { press(Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier); }

    // Tabs forward or back until target has the focus, within one round of the window.
    bool tabTo(QWidget *target, bool forward = true)
    {
        for (int presses = 0; presses < 16 && focus() != target; ++presses)
            tab(forward);
        if (focus() == target)
            return true;
        problems << QStringLiteral("Tab does not reach %1 in %2")
                        .arg(nameOf(target), target->window()->windowTitle());
        return false;
    }

    // Moves the focus to a push button with Tab and presses it with key (Return or Space).
    void pressButton(QAbstractButton *button, int key, bool forward = true)
    {
        if (tabTo(button, forward)) {
            press(key);
        } else {
            button->click();
        }
    }

    void expectFocus(QWidget *expected, const QString &when)
    {
        if (focus() != expected)
            problems << QStringLiteral("%1: focus on %2, not %3")
                            .arg(when, nameOf(focus()), nameOf(expected));
    }
};

// Tabs from the navigation buttons into the continuations, moves to the option with the
// arrow keys and checks it with Space. Some questions also change their mind with the
// arrow keys alone, which check the button they move to, and come back.
void chooseContinuation(KeyboardUser &user, int q, int option)
{
    const ContinuationButtons buttons = CuestionarioForm->radioButtons();
    auto focusedOption = [&buttons] {
        const auto found = std::find(buttons.begin(), buttons.end(), KeyboardUser::focus());
        return found == buttons.end() ? 0 : int(found - buttons.begin()) + 1;
    };
    const bool forward = q % 2 == 1;
    for (int presses = 0; presses < 16 && focusedOption() == 0; ++presses)
        user.tab(forward);
    for (int presses = 0; presses < 8 && focusedOption() != 0 && focusedOption() != option;
         ++presses)
        user.press(focusedOption() < option ? Qt::Key_Down : Qt::Key_Up);
    if (focusedOption() != option) {
        user.problems << QStringLiteral("question %1: the keys do not reach continuation %2")
                             .arg(q)
                             .arg(option);
        buttons[std::size_t(option - 1)]->click();
        return;
    }
    user.press(Qt::Key_Space);
    if (q % 4 == 1) {
        const bool down = option < OptionsPerQuestion;
        user.press(down ? Qt::Key_Down : Qt::Key_Up);
        const int changed = focusedOption();
        if (changed == option || changed == 0 || !buttons[std::size_t(changed - 1)]->isChecked())
            user.problems << QStringLiteral(
                                 "question %1: an arrow key did not check the next continuation")
                                 .arg(q);
        user.press(down ? Qt::Key_Up : Qt::Key_Down);
    }
}

// What the review must show of question q: its key checked.
QString keyShown(int q)
{
    return questionShown(q, CorrectOptions[q - 1]);
}

// The stops of one round of Tab (or Shift+Tab) from the focus. The continuations are one
// stop, held by whichever of them had the focus last.
QStringList tabRound(KeyboardUser &user, bool forward)
{
    QStringList round;
    QWidget *start = KeyboardUser::focus();
    do {
        user.tab(forward);
        QWidget *stop = KeyboardUser::focus();
        round << (qobject_cast<QRadioButton *>(stop) ? QStringLiteral("continuations")
                                                     : nameOf(stop));
    } while (KeyboardUser::focus() != start && round.size() < 16);
    return round;
}

} // namespace

class KeyboardTest : public ProgramWindowsTest
{
    Q_OBJECT

    // The tests of a small screen have their windows made on one.
    QSize screenForTest() const override
    {
        const QByteArray test = QTest::currentTestFunction();
        if (test == "focusedControlScrolledIntoViewOnSmallScreen")
            return {1024, 600};
        if (test == "arrowKeysBringTheNextContinuationIntoView")
            return {1024, 400};
        return ProgramWindowsTest::screenForTest();
    }

private slots:

    // From "Realizar Prueba" to "Salir" in the review, each step by Tab, Shift+Tab, the
    // arrow keys, Space or Return on the focused control.
    void wholeTestByKeyboard()
    {
        KeyboardUser user;
        QStringList arrivals, noticeChoices, reviewPages;
        QString figures;

        whenShownModally(CuestionarioForm, [&] {
            user.waitUntilActive(CuestionarioForm);
            arrivals << QStringLiteral("questionnaire: ") + nameOf(KeyboardUser::focus());
            for (int q = 1; q <= QuestionCount; ++q) {
                if (control<QGroupBox>(CuestionarioForm, "QuestionsGroupBox")->title() !=
                    QStringLiteral("Pregunta %1 de 24").arg(q))
                    user.problems << QStringLiteral("expected question %1, shown %2")
                                         .arg(q)
                                         .arg(control<QGroupBox>(CuestionarioForm,
                                                                 "QuestionsGroupBox")
                                                  ->title());
                if (planned()[q - 1] != NoAnswer)
                    chooseContinuation(user, q, planned()[q - 1]);
                if (q < QuestionCount)
                    user.pressButton(control<QPushButton>(CuestionarioForm, "Button3"),
                                     q % 2 == 1 ? Qt::Key_Return : Qt::Key_Space);
            }
            // The first notice goes back to the questions, the second proceeds.
            whenShownModally(AvisoForm, [&] {
                user.waitUntilActive(AvisoForm);
                noticeChoices << QStringLiteral("arrived on ") + nameOf(KeyboardUser::focus());
                user.pressButton(control<QPushButton>(AvisoForm, "Button5"), Qt::Key_Space);
            });
            user.pressButton(control<QPushButton>(CuestionarioForm, "Button5"), Qt::Key_Return);
            user.returnTo(CuestionarioForm);
            noticeChoices << QStringLiteral("back on ") +
                                 control<QGroupBox>(CuestionarioForm, "QuestionsGroupBox")->title();
            user.expectFocus(control<QPushButton>(CuestionarioForm, "Button5"),
                             QStringLiteral("back from the notice"));
            whenShownModally(AvisoForm, [&] {
                user.waitUntilActive(AvisoForm);
                user.pressButton(control<QPushButton>(AvisoForm, "Button6"), Qt::Key_Return);
            });
            user.pressButton(control<QPushButton>(CuestionarioForm, "Button5"), Qt::Key_Return);
            if (CuestionarioForm->isVisible()) {
                user.problems << QStringLiteral("the questionnaire stayed open");
                pressCloseBox(CuestionarioForm);
            }
        });
        whenShownModally(EvaluacionForm, [&] {
            user.waitUntilActive(EvaluacionForm);
            arrivals << QStringLiteral("evaluation: ") + nameOf(KeyboardUser::focus());
            figures = evaluationFigures();
            user.pressButton(control<QPushButton>(EvaluacionForm, "Button1"), Qt::Key_Return);
        });
        whenShownModally(RCForm, [&] {
            user.waitUntilActive(RCForm);
            arrivals << QStringLiteral("review: ") + nameOf(KeyboardUser::focus());
            reviewPages << questionOnShow(RCForm);
            for (int q = 2; q <= QuestionCount; ++q) {
                user.pressButton(control<QPushButton>(RCForm, "Button3"), Qt::Key_Space);
                reviewPages << questionOnShow(RCForm);
            }
            user.pressButton(control<QPushButton>(RCForm, "Button2"), Qt::Key_Return,
                             false); // "Anterior"
            reviewPages << questionOnShow(RCForm);
            user.pressButton(control<QPushButton>(RCForm, "Button1"), Qt::Key_Space,
                             false); // "Inicial"
            reviewPages << questionOnShow(RCForm);
            user.pressButton(control<QPushButton>(RCForm, "Button4"), Qt::Key_Return); // "Final"
            reviewPages << questionOnShow(RCForm);
            user.pressButton(control<QPushButton>(RCForm, "Button5"), Qt::Key_Return); // "Salir"
        });

        user.waitUntilActive(MainForm);
        user.expectFocus(control<QPushButton>(MainForm, "TestButton"),
                         QStringLiteral("main window at start"));
        user.press(Qt::Key_Return);
        user.returnTo(MainForm);
        user.expectFocus(control<QPushButton>(MainForm, "TestButton"),
                         QStringLiteral("main window after the run"));

        QCOMPARE(user.problems.join(QLatin1Char('\n')), QString());
        QCOMPARE(arrivals, (QStringList{QStringLiteral("questionnaire: RadioButton1"),
                                        QStringLiteral("evaluation: Button1"),
                                        QStringLiteral("review: Button1")}));
        QCOMPARE(noticeChoices, (QStringList{QStringLiteral("arrived on Button5"),
                                             QStringLiteral("back on Pregunta 24 de 24")}));
        QVERIFY(UserAnswers == planned());
        QCOMPARE(figures, expectedFigures(Plan));
        QCOMPARE(reviewPages.size(), QuestionCount + 3);
        for (int q = 1; q <= QuestionCount; ++q)
            QCOMPARE(reviewPages[q - 1], keyShown(q));
        QCOMPARE(reviewPages.mid(QuestionCount),
                 (QStringList{keyShown(23), keyShown(1), keyShown(24)}));
    }

    void tabOrderOfEveryWindow_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("main") << "main" << QStringList{"TestButton", "Button1", "Button2"};
        QTest::newRow("credits") << "credits" << QStringList{"Button5"};
        QTest::newRow("questionnaire")
            << "questionnaire" << QStringList{"continuations", "Button1", "Button2", "Button3",
                                              "Button4",       "Button5", "Button6"};
        QTest::newRow("notice") << "notice" << QStringList{"Button5", "Button6"};
        QTest::newRow("evaluation") << "evaluation" << QStringList{"Button1", "Button2"};
        QTest::newRow("review") << "review"
                                << QStringList{"Button1", "Button2", "Button3", "Button4",
                                               "Button5"};
    }

    // At its first showing a window has the focus on its first stop; one round of Tab from
    // there visits every control a person operates, in the declared order, and only those;
    // Shift+Tab goes round the other way. An exclusive group of continuations is one stop.
    // The inert question areas never take the focus.
    void tabOrderOfEveryWindow()
    {
        QFETCH(QString, windowName);
        QFETCH(QStringList, stops);
        Form *form = programWindow(windowName);
        KeyboardUser user;
        QStringList round, backRound;
        const auto record = [&] {
            user.waitUntilActive(form);
            round = tabRound(user, true);
            backRound = tabRound(user, false);
        };
        whileShown(form, record);
        QCOMPARE(user.problems.join(QLatin1Char('\n')), QString());
        QStringList back = stops.mid(1);
        std::reverse(back.begin(), back.end());
        QCOMPARE(round, stops.mid(1) << stops.first());
        QCOMPARE(backRound, back << stops.first());
    }

    // On a screen smaller than the windows, moving the focus with Tab scrolls the focused
    // control into view, so that the keyboard user sees what the keys act on.
    void focusedControlScrolledIntoViewOnSmallScreen()
    {
        KeyboardUser user;
        QStringList hidden;
        auto visitAll = [&](Form *form) {
            user.waitUntilActive(form);
            const auto *area =
                form->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
            QWidget *start = KeyboardUser::focus();
            for (int presses = 0; presses < 16; ++presses) {
                user.tab(true);
                QWidget *focused = KeyboardUser::focus();
                if (!focused)
                    return;
                // The control's start, as much of it as the view can hold, must be in view.
                const QRect shown(focused->mapTo(area->viewport(), QPoint()),
                                  focused->size().boundedTo(area->viewport()->size()));
                if (!area->viewport()->rect().contains(shown))
                    hidden << QStringLiteral("%1 %2 at %3 of %4 wide")
                                  .arg(form->windowTitle(), nameOf(focused))
                                  .arg(focused->mapTo(area->viewport(), QPoint()).x())
                                  .arg(area->viewport()->width());
                if (focused == start)
                    return;
            }
        };
        whenShownModally(CuestionarioForm, [&] {
            visitAll(CuestionarioForm);
            user.pressButton(control<QPushButton>(CuestionarioForm, "Button6"), Qt::Key_Return);
        });
        whenShownModally(RCForm, [&] {
            visitAll(RCForm);
            user.pressButton(control<QPushButton>(RCForm, "Button5"), Qt::Key_Return);
        });
        QVERIFY(CuestionarioForm->outerSize().width() <
                CuestionarioForm->scrollRange(Qt::Horizontal));
        QVERIFY(RCForm->outerSize().height() < RCForm->scrollRange(Qt::Vertical));
        CuestionarioForm->showModal();
        RCForm->showModal();
        QCOMPARE(user.problems.join(QLatin1Char('\n')), QString());
        QCOMPARE(hidden.join(QLatin1Char('\n')), QString());
    }

    // The arrow keys move the focus between the continuations as Tab does, and the view
    // follows it down to the last one on a screen too low for them all.
    void arrowKeysBringTheNextContinuationIntoView()
    {
        KeyboardUser user;
        QStringList hidden;
        whenShownModally(CuestionarioForm, [&] {
            user.waitUntilActive(CuestionarioForm);
            const auto *viewport =
                CuestionarioForm->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly)
                    ->viewport();
            if (user.tabTo(CuestionarioForm->radioButtons()[0])) {
                for (int presses = 0; presses < 3; ++presses) {
                    user.press(Qt::Key_Down);
                    const QWidget *focused = KeyboardUser::focus();
                    const QRect circle(focused->mapTo(viewport, QPoint()),
                                       QSize(focused->height(), focused->height()));
                    if (!viewport->rect().contains(circle))
                        hidden << nameOf(focused);
                }
            }
            user.pressButton(control<QPushButton>(CuestionarioForm, "Button6"), Qt::Key_Return);
        });
        CuestionarioForm->showModal();
        QCOMPARE(user.problems.join(QLatin1Char('\n')), QString());
        QCOMPARE(hidden.join(QLatin1Char('\n')), QString());
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
