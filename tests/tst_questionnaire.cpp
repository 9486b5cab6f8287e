// The questionnaire and the unanswered-items notice above it: what each question shows,
// the navigation and its guards, when answers reach the answer sheet, submission with and
// without blank questions.

#include "AvisoUnit.h"
#include "CuestionarioUnit.h"
#include "MemoBox.h"
#include "RichEditBox.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <tuple>

namespace {

const QString NoticeFirstLine = QStringLiteral("Usted ha dejado sin responder las preguntas:");
const QString NoticeLastLine = QStringLiteral("¿Quiere revisar de nuevo sus respuestas?");

QRadioButton *radio(int k)
{
    return CuestionarioForm->radioButtons()[std::size_t(k - 1)];
}

int checkedOnShow()
{
    return checkedOption(CuestionarioForm->radioButtons());
}

AnswerSheet blankSheet()
{
    return sheetOf("------------------------");
}

// Shows the questionnaire modally, runs `inside` in it and returns the showing's result.
int runQuestionnaire(const std::function<void()> &inside)
{
    return showModallyAndRun(CuestionarioForm, inside);
}

// Presses one of the questionnaire's push buttons.
void click(const char *button)
{
    control<QPushButton>(CuestionarioForm, button)->click();
}

// Answers every showing of the notice while it lives: records the lines the notice shows
// and leaves it by the next reply in the queue ("Volver a las preguntas" once the queue is
// empty, so that a showing nobody expected still ends).
class NoticeReplies
{
public:
    // EscapeThenBack presses Escape, notes whether the notice stayed open, then goes back.
    enum Reply { Back, Proceed, CloseBox, EscapeThenBack };

    NoticeReplies()
    {
        m_connection = QObject::connect(AvisoForm, &Form::showing, [this] {
            whenShownModally(AvisoForm, [this] { answer(); });
        });
    }
    ~NoticeReplies() { QObject::disconnect(m_connection); }
    NoticeReplies(const NoticeReplies &) = delete;
    NoticeReplies &operator=(const NoticeReplies &) = delete;

    void queue(Reply reply) { m_replies << reply; }
    int showings() const { return int(m_lines.size()); }
    QStringList lines(int showing) const { return m_lines.value(showing); }
    QStringList lastLines() const { return m_lines.isEmpty() ? QStringList() : m_lines.last(); }
    bool questionnaireBelow(int showing) const { return m_questionnaireBelow.value(showing); }
    bool thirdLineWrapped(int showing) const { return m_wrapped.value(showing); }
    bool stayedOpenOnEscape() const { return m_stayedOpenOnEscape; }

private:
    void answer()
    {
        QStringList lines;
        const QTextDocument *document = control<MemoBox>(AvisoForm, "Memo1")->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            lines << block.text();
        m_lines << lines;
        m_questionnaireBelow << (CuestionarioForm->isVisible() &&
                                 CuestionarioForm->isShownModally());
        const QTextBlock third = document->findBlockByNumber(2);
        if (third.isValid())
            document->documentLayout()->blockBoundingRect(third); // lays the block out
        m_wrapped << (third.isValid() && third.layout() && third.layout()->lineCount() > 1);

        const Reply reply = m_replies.isEmpty() ? Back : m_replies.takeFirst();
        switch (reply) {
        case Back:
            control<QPushButton>(AvisoForm, "Button5")->click();
            break;
        case Proceed:
            control<QPushButton>(AvisoForm, "Button6")->click();
            break;
        case CloseBox:
            pressCloseBox(AvisoForm);
            break;
        case EscapeThenBack:
            pressKey(AvisoForm, Qt::Key_Escape);
            m_stayedOpenOnEscape = AvisoForm->isVisible() && AvisoForm->isShownModally();
            control<QPushButton>(AvisoForm, "Button5")->click();
            break;
        }
    }

    QMetaObject::Connection m_connection;
    QList<Reply> m_replies;
    QList<QStringList> m_lines;
    QList<bool> m_questionnaireBelow;
    QList<bool> m_wrapped;
    bool m_stayedOpenOnEscape = false;
};

QStringList noticeText(const QString &list)
{
    return {NoticeFirstLine, QString(), list, QString(), NoticeLastLine};
}

} // namespace

class QuestionnaireTest : public ProgramWindowsTest
{
    Q_OBJECT

    static void expectShown(int q, int checked)
    {
        QCOMPARE(questionOnShow(CuestionarioForm), questionShown(q, checked));
    }

    // Pages from question 1 to 24, each shown unanswered, its stem whole from its first line.
    static void pageThroughUnanswered()
    {
        for (int q = 1; q <= QuestionCount && !QTest::currentTestFailed(); ++q) {
            expectShown(q, NoAnswer);
            const auto *box = control<RichEditBox>(CuestionarioForm, "QuestionsRichEdit");
            QVERIFY2(box->verticalScrollBar()->value() == 0, qPrintable(QString::number(q)));
            QVERIFY(box->document()->size().height() <= box->viewport()->height());
            click("Button3");
        }
    }

private slots:
    // Each question shows "Pregunta q de 24", its stem and its four continuations from the
    // bank, with nothing checked after a reset; the stem is shown from its first line.
    void everyQuestionAsTheBankHasIt()
    {
        const int result = runQuestionnaire([] {
            pageThroughUnanswered();
            click("Button6");
        });
        QCOMPARE(result, int(Form::Cancel));
        QVERIFY(UserAnswers == blankSheet());
    }

    // "Anterior" on 1 and "Siguiente" on 24 do nothing at all: no store, no redisplay.
    // "Inicial" on 1 and "Final" on 24 store the answer and show the question again.
    void navigationGuards()
    {
        AnswerSheet expected = blankSheet();
        runQuestionnaire([&expected] {
            // Each end, the continuation checked there, the button that does nothing there
            // and the one that stores and shows the question again.
            for (const auto &[q, option, idle, again] : {std::tuple(1, 3, "Button2", "Button1"),
                                                         std::tuple(24, 1, "Button3", "Button4")}) {
                click(again);
                expectShown(q, NoAnswer);
                radio(option)->click();
                auto *frame = control<QGroupBox>(CuestionarioForm, "QuestionsGroupBox");
                frame->setTitle(QStringLiteral("sin redibujar"));
                click(idle);
                QCOMPARE(int(CuestionarioForm->CurrentQuestion), q);
                QCOMPARE(frame->title(), QStringLiteral("sin redibujar"));
                QCOMPARE(checkedOnShow(), option);
                QVERIFY(UserAnswers == expected);
                click(again);
                expectShown(q, option);
                expected[q - 1] = option;
                QVERIFY(UserAnswers == expected);
            }
            click("Button6");
        });
        QVERIFY(UserAnswers == expected);
    }

    // Every way of leaving a question writes its check, and only its own entry, into the
    // sheet: the four navigation buttons, submission, "Salir" and the close box.
    void everyWayOfLeavingStores()
    {
        NoticeReplies notice;
        AnswerSheet expected = blankSheet();
        // The question, the continuation checked on it, the button that leaves it, and the
        // question then on show with its check. Submission stores before it looks for blanks.
        const struct Step {
            int question, option;
            const char *button;
            int next, nextChecked;
        } steps[] = {{1, 2, "Button3", 2, NoAnswer},
                     {2, 4, "Button2", 1, 2},
                     {3, 1, "Button1", 1, 2},
                     {4, 3, "Button4", 24, NoAnswer},
                     {24, 2, "Button5", 24, 2}};
        int result = runQuestionnaire([&] {
            for (const Step &step : steps) {
                goToQuestion(CuestionarioForm, step.question);
                radio(step.option)->click();
                click(step.button);
                expected[step.question - 1] = step.option;
                QVERIFY(UserAnswers == expected);
                expectShown(step.next, step.nextChecked);
            }
            // 24 is not listed.
            QCOMPARE(notice.showings(), 1);
            QCOMPARE(notice.lastLines().value(2),
                     QStringLiteral("5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, "
                                    "20, 21, 22, 23"));
            QVERIFY(CuestionarioForm->isVisible());

            goToQuestion(CuestionarioForm, 7);
            radio(4)->click();
            click("Button6"); // Salir
        });
        QCOMPARE(result, int(Form::Cancel));
        expected[6] = 4;
        QVERIFY(UserAnswers == expected);

        // The close box stores too; the earlier answers stay as they are.
        result = runQuestionnaire([] {
            goToQuestion(CuestionarioForm, 9);
            radio(1)->click();
            pressCloseBox(CuestionarioForm);
        });
        QCOMPARE(result, int(Form::Cancel));
        expected[8] = 1;
        QVERIFY(UserAnswers == expected);
    }

    // A check can be moved to another continuation but never taken back, and checking by
    // itself writes nothing to the sheet.
    void checksChangeButAreNotWithdrawn()
    {
        runQuestionnaire([] {
            radio(1)->click();
            QCOMPARE(checkedOnShow(), 1);
            radio(3)->click();
            QCOMPARE(checkedOnShow(), 3);
            radio(3)->click();
            QCOMPARE(checkedOnShow(), 3);
            radio(3)->setFocus();
            QTest::keyClick(radio(3), Qt::Key_Space);
            QCOMPARE(checkedOnShow(), 3);
            QVERIFY(UserAnswers == blankSheet());

            click("Button3");
            click("Button2");
            expectShown(1, 3);
            QCOMPARE(UserAnswers[0], 3);
            // Changing it later replaces the stored answer once the question is left.
            radio(4)->click();
            QCOMPARE(UserAnswers[0], 3);
            click("Button3");
            QCOMPARE(UserAnswers[0], 4);
            click("Button6");
        });
    }

    // A question without an answer shows no check, also right after one with an answer
    // (an exclusive group would otherwise keep one of its buttons checked); every question
    // shows what the sheet holds for it, in whatever order the user pages.
    void displayFollowsTheSheet()
    {
        runQuestionnaire([] {
            radio(2)->click();
            click("Button3");
            expectShown(2, NoAnswer);
            radio(2)->click();
            click("Button2");
            expectShown(1, 2);
            click("Button3");
            expectShown(2, 2);
            click("Button4");
            expectShown(24, NoAnswer);
            click("Button6");
        });

        // A sheet with a pattern of answers and blanks, shown forwards and backwards.
        AnswerSheet sheet = blankSheet();
        for (int q = 1; q <= QuestionCount; ++q)
            sheet[std::size_t(q - 1)] = q % 3 == 0 ? NoAnswer : (q % 4) + 1;
        UserAnswers = sheet;
        runQuestionnaire([&sheet] {
            for (int q = 1; q <= QuestionCount; ++q) {
                expectShown(q, sheet[std::size_t(q - 1)]);
                click("Button3");
            }
            for (int q = QuestionCount; q >= 1; --q) {
                expectShown(q, sheet[std::size_t(q - 1)]);
                click("Button2");
            }
            click("Button6");
        });
        QVERIFY(UserAnswers == sheet);
    }

    // With all 24 answered, submission closes the window with OK at once, without the notice.
    void submissionWithEverythingAnswered()
    {
        NoticeReplies notice;
        const int result = runQuestionnaire([] {
            for (int q = 1; q <= QuestionCount; ++q) {
                radio(CorrectOptions[std::size_t(q - 1)])->click();
                if (q < QuestionCount)
                    click("Button3");
            }
            click("Button5");
        });
        QCOMPARE(result, int(Form::OK));
        QCOMPARE(notice.showings(), 0);
        QVERIFY(UserAnswers == CorrectOptions);
        QVERIFY(!CuestionarioForm->isVisible());

        // The last answer may be checked just before submitting: it counts.
        ResetAnswers();
        const int again = runQuestionnaire([] {
            for (int q = 1; q <= QuestionCount; ++q) {
                if (q != 12)
                    radio(1)->click();
                click("Button3");
            }
            goToQuestion(CuestionarioForm, 12);
            radio(2)->click();
            click("Button5");
        });
        QCOMPARE(again, int(Form::OK));
        QCOMPARE(notice.showings(), 0);
        QCOMPARE(UserAnswers[11], 2);
    }

    // The notice lists the blank questions as they are at each submission, including the
    // question on show, always in its five lines; returning leaves the questionnaire where
    // it was.
    void noticeListsTheBlanksOfEachSubmission()
    {
        NoticeReplies notice;
        notice.queue(NoticeReplies::Back);
        notice.queue(NoticeReplies::Back);
        notice.queue(NoticeReplies::CloseBox);
        const int result = runQuestionnaire([&notice] {
            for (int q = 1; q <= QuestionCount; ++q) {
                if (q != 3 && q != 7 && q != 12)
                    radio(q % 4 + 1)->click();
                if (q < QuestionCount)
                    click("Button3");
            }
            goToQuestion(CuestionarioForm, 12);
            click("Button5");
            QCOMPARE(notice.showings(), 1);
            QCOMPARE(notice.lines(0), noticeText(QStringLiteral("3, 7, 12")));
            QVERIFY(notice.questionnaireBelow(0));
            QVERIFY(CuestionarioForm->isShownModally());
            expectShown(12, NoAnswer);

            // The question on show, now checked, drops out of the list.
            radio(1)->click();
            click("Button5");
            QCOMPARE(notice.showings(), 2);
            QCOMPARE(notice.lines(1), noticeText(QStringLiteral("3, 7")));
            expectShown(12, 1);

            goToQuestion(CuestionarioForm, 3);
            radio(4)->click();
            click("Button5");
            QCOMPARE(notice.showings(), 3);
            QCOMPARE(notice.lines(2), noticeText(QStringLiteral("7")));
            expectShown(3, 4);

            goToQuestion(CuestionarioForm, 7);
            radio(2)->click();
            click("Button5");
        });
        QCOMPARE(result, int(Form::OK));
        QCOMPARE(notice.showings(), 3);
        QCOMPARE(UserAnswers[6], 2);
        QCOMPARE(UserAnswers[11], 1);
        QCOMPARE(UserAnswers[2], 4);
    }

    // "Volver a las preguntas", the notice's close box and Escape in the notice: back on the
    // same question with the same checks, the questionnaire still open.
    void returningFromTheNotice()
    {
        NoticeReplies notice;
        notice.queue(NoticeReplies::Back);
        notice.queue(NoticeReplies::CloseBox);
        const int result = runQuestionnaire([&notice] {
            goToQuestion(CuestionarioForm, 5);
            radio(2)->click();
            click("Button5");
            QCOMPARE(notice.showings(), 1);
            expectShown(5, 2);
            QVERIFY(CuestionarioForm->isVisible());
            QCOMPARE(CuestionarioForm->modalResult(), int(Form::NoResult));

            click("Button5");
            QCOMPARE(notice.showings(), 2);
            expectShown(5, 2);
            QVERIFY(CuestionarioForm->isVisible());

            // The user can still page on and come back.
            click("Button3");
            click("Button2");
            expectShown(5, 2);
            click("Button6");
        });
        QCOMPARE(result, int(Form::Cancel));
        QCOMPARE(notice.lines(0).value(2), notice.lines(1).value(2));
        const QList<int> listed = itemsOf(notice.lines(0).value(2));
        QVERIFY(!listed.contains(5));
        QVERIFY(listed.contains(6));
    }

    // "Proceder a la evaluación" gives OK even with nothing answered; the list of all 24
    // questions wraps inside the notice.
    void proceedingWithEverythingBlank()
    {
        NoticeReplies notice;
        notice.queue(NoticeReplies::Proceed);
        const int result = runQuestionnaire([] { click("Button5"); });
        QCOMPARE(result, int(Form::OK));
        QCOMPARE(notice.showings(), 1);
        QCOMPARE(notice.lines(0), noticeText(EveryQuestion));
        QVERIFY(notice.thirdLineWrapped(0));
        QVERIFY(UserAnswers == blankSheet());
        QVERIFY(!AvisoForm->isVisible());
    }

    // The notice's text is rebuilt at each showing from the sheet as it is then.
    void noticeTextRebuiltAtEachShowing()
    {
        UserAnswers.fill(1);
        UserAnswers[23] = NoAnswer;
        showModallyAndRun(AvisoForm, [] {});
        QCOMPARE(control<MemoBox>(AvisoForm, "Memo1")->document()->blockCount(), 5);
        QCOMPARE(control<MemoBox>(AvisoForm, "Memo1")->document()->findBlockByNumber(2).text(),
                 QStringLiteral("24"));

        UserAnswers[0] = NoAnswer;
        showModallyAndRun(AvisoForm, [] {});
        QCOMPARE(control<MemoBox>(AvisoForm, "Memo1")->document()->findBlockByNumber(2).text(),
                 QStringLiteral("1, 24"));
        QCOMPARE(control<MemoBox>(AvisoForm, "Memo1")->document()->blockCount(), 5);
    }

    // Escape changes nothing, in the questionnaire and in the notice above it.
    void escapeChangesNothing()
    {
        NoticeReplies notice;
        notice.queue(NoticeReplies::EscapeThenBack);
        bool stillOpen = false;
        const int result = runQuestionnaire([&stillOpen] {
            goToQuestion(CuestionarioForm, 4);
            pressKey(CuestionarioForm, Qt::Key_Escape);
            stillOpen = CuestionarioForm->isVisible();
            QCOMPARE(int(CuestionarioForm->CurrentQuestion), 4);
            click("Button5");
            click("Button6");
        });
        QVERIFY(stillOpen);
        QVERIFY(notice.stayedOpenOnEscape());
        QCOMPARE(notice.showings(), 1);
        QCOMPARE(result, int(Form::Cancel));
    }

    // A new showing after a reset starts at question 1 with nothing checked anywhere,
    // whatever the previous showing held, at the place the window was left.
    void newShowingStartsAfresh()
    {
        QPoint movedTo;
        runQuestionnaire([&movedTo] {
            for (int q = 1; q <= 10; ++q) {
                radio(q % 4 + 1)->click();
                click("Button3");
            }
            radio(4)->click();
            movedTo = CuestionarioForm->pos() + QPoint(40, 30);
            CuestionarioForm->move(movedTo);
            click("Button6");
        });
        QCOMPARE(UserAnswers[10], 4);

        ResetAnswers();
        QPoint shownAt;
        runQuestionnaire([&shownAt] {
            shownAt = CuestionarioForm->pos();
            pageThroughUnanswered();
            click("Button6");
        });
        QCOMPARE(shownAt, movedTo);
        QVERIFY(UserAnswers == blankSheet());
    }
};

QTEST_MAIN(QuestionnaireTest)
#include "tst_questionnaire.moc"
