// The test as the user runs it from the main window: "Realizar Prueba" leads through the
// questionnaire, the notice, the evaluation and the review, each window opening only when
// the one before closed with OK.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "MemoBox.h"
#include "RCUnit.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <tuple>

namespace {

// A window that must not be shown in a run: its showings are counted, and one that
// happens all the same is closed at once so that the run still ends.
class MustNotShow
{
public:
    explicit MustNotShow(Form *form)
    {
        m_connection = QObject::connect(form, &Form::showing, form, [this, form] {
            ++m_showings;
            QTimer::singleShot(0, form, [form] { pressCloseBox(form); });
        });
    }
    ~MustNotShow() { QObject::disconnect(m_connection); }
    MustNotShow(const MustNotShow &) = delete;
    MustNotShow &operator=(const MustNotShow &) = delete;
    int showings() const { return m_showings; }

private:
    QMetaObject::Connection m_connection;
    int m_showings = 0;
};

// What the questionnaire shows when it opens, and the sheet then.
struct Opening {
    QString question;
    AnswerSheet sheet{};
};

Opening questionnaireOpening()
{
    return {questionOnShow(CuestionarioForm), UserAnswers};
}

// A run opens on question 1 with nothing checked and a cleared sheet.
bool isFreshStart(const Opening &opening)
{
    return opening.question == questionShown(1, NoAnswer) &&
           opening.sheet == sheetOf(std::string(QuestionCount, '-'));
}

// Checks the continuation of the question on show, as the user does; none for NoAnswer.
void answer(int option)
{
    if (option != NoAnswer)
        CuestionarioForm->radioButtons()[std::size_t(option - 1)]->click();
}

// Answers questions 1 to 24 by the plan (as sheetOf reads it), moving on with
// "Siguiente"; stays on 24.
void answerAll(std::string_view plan)
{
    const AnswerSheet sheet = sheetOf(plan);
    for (int q = 1; q <= QuestionCount; ++q) {
        answer(sheet[q - 1]);
        if (q < QuestionCount)
            control<QPushButton>(CuestionarioForm, "Button3")->click();
    }
}

} // namespace

class ChainTest : public ProgramWindowsTest
{
    Q_OBJECT

    // After a run: every other window hidden, no modal showing left, and
    // the main window shown with the focus on "Realizar Prueba".
    void verifyBackAtMainWindow()
    {
        for (Form *form : {static_cast<Form *>(CuestionarioForm), static_cast<Form *>(AvisoForm),
                           static_cast<Form *>(EvaluacionForm), static_cast<Form *>(RCForm),
                           static_cast<Form *>(CreditosForm)}) {
            QVERIFY2(!form->isVisible(), qPrintable(form->windowTitle()));
            QVERIFY(!form->isShownModally());
        }
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(MainForm->isVisible());
        QCOMPARE(MainForm->focusWidget(),
                 static_cast<QWidget *>(control<QPushButton>(MainForm, "TestButton")));
    }

    // Submits from the questionnaire on the question on show and proceeds from the notice.
    void submitThroughNotice(QString *noticeText = nullptr)
    {
        whenShownModally(AvisoForm, [noticeText] {
            if (noticeText)
                *noticeText = control<MemoBox>(AvisoForm, "Memo1")->toPlainText();
            control<QPushButton>(AvisoForm, "Button6")->click();
        });
        control<QPushButton>(CuestionarioForm, "Button5")->click();
    }

private slots:
    void waysOutOfEveryWindow_data()
    {
        QTest::addColumn<QString>("windowName");
        // A push button's name, "close box", or "Escape", which closes nothing, followed by
        // the close box.
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");
        const int ok = Form::OK;
        const int cancel = Form::Cancel;
        const QList<std::tuple<const char *, const char *, const char *, int>> rows = {
            {"questionnaire", "Button6", "Salir", cancel},
            {"notice", "Button5", "Volver a las preguntas", cancel},
            {"notice", "Button6", "Proceder a la evaluación", ok},
            {"evaluation", "Button1", "Ver respuestas correctas", ok},
            {"evaluation", "Button2", "Salir", cancel},
            {"review", "Button5", "Salir", ok}};
        for (const auto &[window, button, caption, result] : rows)
            QTest::addRow("%s, %s", window, caption) << window << button << result;
        for (const QString &window : ProgramWindowNames.mid(1)) {
            QTest::addRow("%s, close box", qPrintable(window)) << window << "close box" << cancel;
            QTest::addRow("%s, Escape", qPrintable(window)) << window << "Escape" << cancel;
        }
    }

    // Each way of leaving a window shown modally gives its result, with one closing. (The
    // credits' buttons and the main window's ways out are tst_mainwindow's.)
    void waysOutOfEveryWindow()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, way);
        Form *form = programWindow(windowName);
        int closings = 0;
        connect(form, &Form::closing, form, [&closings] { ++closings; });
        whenShownModally(form, [form, way] {
            if (way == QLatin1String("Escape")) {
                pressKey(form, Qt::Key_Escape);
                QVERIFY(form->isVisible());
            }
            if (way.startsWith(QLatin1String("Button")))
                control<QPushButton>(form, qPrintable(way))->click();
            else
                pressCloseBox(form);
        });
        QTEST(form->showModal(), "result");
        QCOMPARE(closings, 1);
    }

    // The whole chain with right, wrong and blank answers: the notice lists the blanks
    // ("Volver a las preguntas" returns to the same question, "Proceder a la evaluación"
    // goes on), the evaluation shows this run's figures, and the review opens on question 1
    // with its key before the main window is back.
    void fullRunThroughNoticeEvaluationAndReview()
    {
        const std::string_view plan = "rw-rw-rw-rw-rw-rw-rw-rw-";

        Opening opening;
        QString firstNotice, secondNotice, titleAfterReturn;
        bool openAfterReturn = false;
        QString figures;
        QString reviewOpening;

        whenShownModally(CuestionarioForm, [&] {
            opening = questionnaireOpening();
            answerAll(plan);
            whenShownModally(AvisoForm, [&] {
                firstNotice = control<MemoBox>(AvisoForm, "Memo1")->toPlainText();
                control<QPushButton>(AvisoForm, "Button5")->click(); // "Volver a las preguntas"
            });
            control<QPushButton>(CuestionarioForm, "Button5")->click();
            openAfterReturn = CuestionarioForm->isVisible();
            titleAfterReturn = control<QGroupBox>(CuestionarioForm, "QuestionsGroupBox")->title();
            whenShownModally(EvaluacionForm, [&] {
                figures = evaluationFigures();
                whenShownModally(RCForm, [&] {
                    reviewOpening = questionOnShow(RCForm);
                    control<QPushButton>(RCForm, "Button5")->click(); // "Salir"
                });
                control<QPushButton>(EvaluacionForm, "Button1")
                    ->click(); // "Ver respuestas correctas"
            });
            if (CuestionarioForm->isVisible())
                submitThroughNotice(&secondNotice);
        });
        control<QPushButton>(MainForm, "TestButton")->click();

        QVERIFY(isFreshStart(opening));

        const QString blanks = QStringLiteral("3, 6, 9, 12, 15, 18, 21, 24");
        QVERIFY2(firstNotice.contains(blanks), qPrintable(firstNotice));
        QVERIFY(openAfterReturn);
        QCOMPARE(titleAfterReturn, QStringLiteral("Pregunta 24 de 24"));
        QCOMPARE(secondNotice, firstNotice);

        QCOMPARE(figures, expectedFigures(plan));

        QCOMPARE(reviewOpening, questionShown(1, CorrectOptions[0]));
        QVERIFY(UserAnswers == sheetOf(plan));
        verifyBackAtMainWindow();
    }

    // A second run in the same process starts from a cleared sheet on question 1 and shows
    // only its own figures. With every question answered it goes to the evaluation without
    // the notice, and "Salir" there ends the run without the review.
    void secondRunStartsClearAndShowsItsOwnFigures()
    {
        // Leave something behind first, so that clearing is visible.
        UserAnswers = sheetOf("wwwwwwwwwwwwwwwwwwwwwwww");
        const std::string_view plan = "rrrrrrrrrrrrrrrrrrrrrrrw";

        Opening opening;
        QString figures;
        MustNotShow notice(AvisoForm);
        MustNotShow review(RCForm);
        whenShownModally(CuestionarioForm, [&] {
            opening = questionnaireOpening();
            answerAll(plan);
            whenShownModally(EvaluacionForm, [&] {
                figures = evaluationFigures();
                control<QPushButton>(EvaluacionForm, "Button2")->click(); // "Salir"
            });
            control<QPushButton>(CuestionarioForm, "Button5")->click();
        });
        control<QPushButton>(MainForm, "TestButton")->click();

        QVERIFY(isFreshStart(opening));
        QCOMPARE(notice.showings(), 0);
        QCOMPARE(figures, expectedFigures(plan));
        QCOMPARE(review.showings(), 0);
        QVERIFY(UserAnswers == sheetOf(plan));
        verifyBackAtMainWindow();
    }

    // Leaving the questionnaire by its close box or by "Salir" ends the run: no
    // evaluation, and the answers given, the one on show included, stay in the sheet.
    void leavingTheQuestionnaireEndsTheRun()
    {
        // Question 1 right, 2 wrong, 3 on show with continuation 1 checked.
        AnswerSheet expected = sheetOf("rw----------------------");
        expected[2] = 1;
        for (const bool byCloseBox : {true, false}) {
            MustNotShow evaluation(EvaluacionForm);
            MustNotShow review(RCForm);
            whenShownModally(CuestionarioForm, [&] {
                for (int q = 1; q <= 3; ++q) {
                    answer(expected[q - 1]);
                    if (q < 3)
                        control<QPushButton>(CuestionarioForm, "Button3")->click();
                }
                if (byCloseBox)
                    pressCloseBox(CuestionarioForm);
                else
                    control<QPushButton>(CuestionarioForm, "Button6")->click();
            });
            control<QPushButton>(MainForm, "TestButton")->click();

            QCOMPARE(evaluation.showings(), 0);
            QCOMPARE(review.showings(), 0);
            QVERIFY(UserAnswers == expected);
            verifyBackAtMainWindow();
        }
    }

    // The evaluation's close box ends the run as "Salir" does: no review. Submitting with
    // nothing answered goes through the notice to a count of 0 and every item blank.
    void evaluationCloseBoxEndsWithoutReview()
    {
        MustNotShow review(RCForm);
        QString figures;
        QString notice;
        bool evaluationShown = false;
        whenShownModally(CuestionarioForm, [&] {
            whenShownModally(EvaluacionForm, [&] {
                evaluationShown = true;
                figures = evaluationFigures();
                pressCloseBox(EvaluacionForm);
            });
            submitThroughNotice(&notice);
        });
        control<QPushButton>(MainForm, "TestButton")->click();

        QVERIFY(evaluationShown);
        QVERIFY2(notice.contains(EveryQuestion), qPrintable(notice));
        QCOMPARE(figures, expectedFigures(std::string(QuestionCount, '-')));
        QCOMPARE(review.showings(), 0);
        verifyBackAtMainWindow();
    }

    // Closing the review by its close box returns to the main window as "Salir" does, and
    // a review closed on the last question opens on question 1 in the next run.
    void reviewClosedByCloseBoxReturns()
    {
        QStringList reviewOpenedOn;
        for (int run = 0; run < 2; ++run) {
            whenShownModally(CuestionarioForm, [&] {
                whenShownModally(EvaluacionForm, [&] {
                    whenShownModally(RCForm, [&] {
                        reviewOpenedOn << control<QGroupBox>(RCForm, "QuestionsGroupBox")->title();
                        control<QPushButton>(RCForm, "Button4")->click(); // "Final"
                        pressCloseBox(RCForm);
                    });
                    control<QPushButton>(EvaluacionForm, "Button1")->click();
                });
                submitThroughNotice();
            });
            control<QPushButton>(MainForm, "TestButton")->click();
            verifyBackAtMainWindow();
        }
        QCOMPARE(reviewOpenedOn, QStringList(2, QStringLiteral("Pregunta 1 de 24")));
    }
};

QTEST_MAIN(ChainTest)
#include "tst_chain.moc"
