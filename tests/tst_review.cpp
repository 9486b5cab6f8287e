// The answer review window: it always opens on question 1, pages through the 24
// questions within bounds, shows the answer key (never the user's answers) and the full
// commentary, and keeps its question area readable but untouchable.

#include "CuestionarioUnit.h"
#include "Panel.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The commentary as the bank stores it: the seven pieces one after the other.
QString joinedPieces(int q)
{
    QString text;
    for (int p = 1; p <= CommentPieceCount; ++p)
        text += QString::fromUtf8(CommentPieces[(q - 1) * CommentPieceCount + (p - 1)]);
    return text;
}

// Everything the review shows of the question on show, its commentary included.
QString reviewOnShow()
{
    return questionOnShow(RCForm) + QStringLiteral(" | ") +
           control<RichEditBox>(RCForm, "RCRichEdit")->wholeText();
}

// What the review must show of question q: its key's continuation checked, whatever the
// sheet holds, and the commentary as the bank stores it, as the box's one line.
QString reviewOf(int q)
{
    return questionShown(q, CorrectOptions[q - 1]) + QStringLiteral(" | ") + joinedPieces(q) +
           QLatin1Char('\n');
}

} // namespace

class ReviewTest : public ProgramWindowsTest
{
    Q_OBJECT

    // Shows the review, runs action inside it, then leaves it by "Salir" if it is still open.
    int review(const std::function<void()> &action)
    {
        whenShownModally(RCForm, [&] {
            action();
            if (RCForm->isVisible())
                control<QPushButton>(RCForm, "Button5")->click();
        });
        return RCForm->showModal();
    }

private slots:
    void pagingStaysWithinTheQuestions_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::newRow("questionnaire") << "questionnaire";
        QTest::newRow("review") << "review";
    }

    // Each press and the question it leaves on show, in the questionnaire with nothing
    // answered and in the review: "Anterior" on 1 and "Siguiente" on 24 change nothing,
    // with no wrapping round; neither do "Final" and "Inicial" repeated on their own ends.
    void pagingStaysWithinTheQuestions()
    {
        QFETCH(QString, windowName);
        QList<QPair<const char *, int>> steps = {{"Button2", 1}, {"Button2", 1}};
        for (int q = 2; q <= QuestionCount; ++q)
            steps.append({"Button3", q});
        steps += {{"Button3", 24}, {"Button3", 24}};
        for (int q = QuestionCount - 1; q >= 1; --q)
            steps.append({"Button2", q});
        for (int q = 2; q <= 7; ++q)
            steps.append({"Button3", q});
        steps += {{"Button4", 24}, {"Button4", 24}, {"Button2", 23},
                  {"Button1", 1},  {"Button1", 1},  {"Button3", 2}};
        Form *window = programWindow(windowName);
        showModallyAndRun(window, [&] {
            for (const auto &[button, q] : steps) {
                control<QPushButton>(window, button)->click();
                QCOMPARE(questionOnShow(window),
                         questionShown(q, window == RCForm ? CorrectOptions[q - 1] : NoAnswer));
            }
        });
    }

    // The checked continuation is the key's, whatever the sheet holds: nothing answered,
    // every answer wrong, every answer right, and answers that are not options at all.
    void showsTheKeyWhateverTheAnswers()
    {
        for (const AnswerSheet &answers :
             {sheetOf(std::string(QuestionCount, '-')), sheetOf(std::string(QuestionCount, 'w')),
              sheetOf(std::string(QuestionCount, 'r')), AnswerSheet{}}) {
            UserAnswers = answers;
            review([&] {
                control<QPushButton>(RCForm, "Button4")->click();
                QCOMPARE(reviewOnShow(), reviewOf(24));
                for (int q = QuestionCount - 1; q >= 1; --q) {
                    control<QPushButton>(RCForm, "Button2")->click();
                    QCOMPARE(reviewOnShow(), reviewOf(q));
                }
            });
            // The review reads the sheet without changing it.
            QVERIFY(UserAnswers == answers);
        }
    }

    // The question area lies in an inert panel (the toolkit's test shows what that does):
    // it can be read but not operated, and is drawn in black, not greyed out.
    void questionAreaIsInertButDrawnNormally()
    {
        QVERIFY(control<Panel>(RCForm, "Panel2")->property("inert").toBool());
        review([&] {
            QCOMPARE(reviewOnShow(), reviewOf(1));
            // Clicking into the commentary neither focuses nor selects it.
            QTest::mouseDClick(control<RichEditBox>(RCForm, "RCRichEdit")->viewport(),
                               Qt::LeftButton, {}, QPoint(40, 12));
            QVERIFY(!control<RichEditBox>(RCForm, "RCRichEdit")->hasFocus());
            QVERIFY(!control<RichEditBox>(RCForm, "RCRichEdit")->textCursor().hasSelection());

            for (QRadioButton *button : RCForm->radioButtons()) {
                QVERIFY(button->isEnabled());
                QCOMPARE(button->palette().color(QPalette::WindowText), QColor(Qt::black));
                QVERIFY2(darkestGrey(button) < 64,
                         qPrintable(button->objectName() + QStringLiteral(" has no black text")));
            }
            for (QWidget *box :
                 {static_cast<QWidget *>(control<RichEditBox>(RCForm, "QuestionsRichEdit")),
                  static_cast<QWidget *>(control<RichEditBox>(RCForm, "RCRichEdit"))}) {
                QVERIFY(box->isEnabled());
                QVERIFY2(darkestGrey(box) < 64,
                         qPrintable(box->objectName() + QStringLiteral(" has no black text")));
            }
        });
    }

    // Clicking a continuation checks nothing, whether the click comes through the window
    // as the user's does (the window finds the control under the pointer) or is handed to
    // the radio button itself. The same clicks do check a continuation in the
    // questionnaire, so that their failing to do so here is the window's doing. A radio
    // button takes a click anywhere in its rectangle: on its circle or right of its caption.
    void clickingAContinuationChecksNothing_data()
    {
        QTest::addColumn<bool>("rightEnd");
        QTest::newRow("on the circle") << false;
        QTest::newRow("right of the caption") << true;
    }

    void clickingAContinuationChecksNothing()
    {
        QFETCH(bool, rightEnd);
        const auto pointIn = [rightEnd](const QWidget *target) {
            return QPoint(rightEnd ? target->width() - 3 : 8, target->height() / 2);
        };
        const auto clickOnWidget = [pointIn](QWidget *target) {
            QTest::mouseClick(target, Qt::LeftButton, {}, pointIn(target));
        };

        bool windowClickChecks = false;
        bool widgetClickChecks = false;
        UserAnswers.fill(NoAnswer);
        whenShownModally(CuestionarioForm, [&] {
            clickThroughWindow(control<QRadioButton>(CuestionarioForm, "RadioButton1"),
                               pointIn(control<QRadioButton>(CuestionarioForm, "RadioButton1")));
            windowClickChecks =
                control<QRadioButton>(CuestionarioForm, "RadioButton1")->isChecked();
            clickOnWidget(control<QRadioButton>(CuestionarioForm, "RadioButton2"));
            widgetClickChecks =
                control<QRadioButton>(CuestionarioForm, "RadioButton2")->isChecked();
            pressCloseBox(CuestionarioForm);
        });
        CuestionarioForm->showModal();
        QVERIFY(windowClickChecks);
        QVERIFY(widgetClickChecks);

        QString afterWindowClicks, afterWidgetClicks;
        review([&] {
            for (QRadioButton *button : {control<QRadioButton>(RCForm, "RadioButton1"),
                                         control<QRadioButton>(RCForm, "RadioButton2"),
                                         control<QRadioButton>(RCForm, "RadioButton4")})
                clickThroughWindow(button, pointIn(button));
            afterWindowClicks = reviewOnShow();
            for (QRadioButton *button : {control<QRadioButton>(RCForm, "RadioButton1"),
                                         control<QRadioButton>(RCForm, "RadioButton2"),
                                         control<QRadioButton>(RCForm, "RadioButton4")})
                clickOnWidget(button);
            afterWidgetClicks = reviewOnShow();
        });
        QCOMPARE(afterWindowClicks, reviewOf(1));
        QCOMPARE(afterWidgetClicks, reviewOf(1));
    }

    // Every showing starts again at question 1, wherever the last one was closed.
    void everyShowingStartsAtOne()
    {
        review([&] {
            control<QPushButton>(RCForm, "Button4")->click();
            for (int i = 0; i < 7; ++i)
                control<QPushButton>(RCForm, "Button2")->click();
            QCOMPARE(reviewOnShow(), reviewOf(17));
        });
        QCOMPARE(RCForm->CurrentQuestion, std::uint8_t(17));

        QString atOpening;
        showModallyAndRun(RCForm, [&] { atOpening = reviewOnShow(); });
        QCOMPARE(atOpening, reviewOf(1));

        // Closed on the last question by its close box, opened again: question 1.
        showModallyAndRun(RCForm, [] { control<QPushButton>(RCForm, "Button4")->click(); });
        review([&] { QCOMPARE(reviewOnShow(), reviewOf(1)); });
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
