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

// Everything the window shows of a question.
struct Shown {
    int current = 0;
    QString title, stem, commentary;
    QStringList captions;
    int checked = NoAnswer;

    bool operator==(const Shown &other) const
    {
        return current == other.current && title == other.title && stem == other.stem &&
               commentary == other.commentary && captions == other.captions &&
               checked == other.checked;
    }
};

Shown shown()
{
    Shown s;
    s.current = RCForm->CurrentQuestion;
    s.title = control<QGroupBox>(RCForm, "QuestionsGroupBox")->title();
    s.stem = control<RichEditBox>(RCForm, "QuestionsRichEdit")->wholeText();
    s.commentary = control<RichEditBox>(RCForm, "RCRichEdit")->wholeText();
    for (QRadioButton *button : RCForm->radioButtons())
        s.captions << button->text();
    s.checked = checkedOption(RCForm->radioButtons());
    return s;
}

// What question q must look like: its stem and commentary each as the box's one line,
// its continuations in order, and only the key's continuation checked.
Shown expected(int q)
{
    Shown s;
    s.current = q;
    s.title = QStringLiteral("Pregunta %1 de 24").arg(q);
    s.stem = stem(q) + QLatin1Char('\n');
    s.commentary = joinedPieces(q) + QLatin1Char('\n');
    for (int k = 1; k <= OptionsPerQuestion; ++k)
        s.captions << option(q, k);
    s.checked = CorrectOptions[q - 1];
    return s;
}

QString describe(const Shown &s)
{
    return QStringLiteral("%1, continuation %2 checked, %3").arg(s.current).arg(s.checked).arg(s.title);
}

#define VERIFY_SHOWS(q)                                                                            \
    do {                                                                                           \
        const Shown actual = shown();                                                              \
        QVERIFY2(                                                                                  \
            actual == expected(q),                                                                 \
            qPrintable(                                                                            \
                QStringLiteral("expected question %1, shows %2").arg(q).arg(describe(actual))));   \
    } while (false)

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
    // Each press and the question it leaves on show: "Anterior" on 1 and "Siguiente" on 24
    // change nothing, with no wrapping round; neither do "Final" and "Inicial" repeated on
    // their own ends.
    void navigationStaysWithinTheQuestions()
    {
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
        UserAnswers.fill(NoAnswer);
        review([&] {
            for (const auto &[button, q] : steps) {
                control<QPushButton>(RCForm, button)->click();
                VERIFY_SHOWS(q);
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
                VERIFY_SHOWS(24);
                for (int q = QuestionCount - 1; q >= 1; --q) {
                    control<QPushButton>(RCForm, "Button2")->click();
                    VERIFY_SHOWS(q);
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
            VERIFY_SHOWS(1);
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
        const auto clickThroughWindow = [pointIn](QWidget *target) {
            const QPoint at = target->mapTo(target->window(), pointIn(target));
            QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {}, at);
        };
        const auto clickOnWidget = [pointIn](QWidget *target) {
            QTest::mouseClick(target, Qt::LeftButton, {}, pointIn(target));
        };

        bool windowClickChecks = false;
        bool widgetClickChecks = false;
        UserAnswers.fill(NoAnswer);
        whenShownModally(CuestionarioForm, [&] {
            clickThroughWindow(control<QRadioButton>(CuestionarioForm, "RadioButton1"));
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

        Shown afterWindowClicks, afterWidgetClicks;
        review([&] {
            for (QRadioButton *button : {control<QRadioButton>(RCForm, "RadioButton1"),
                                         control<QRadioButton>(RCForm, "RadioButton2"),
                                         control<QRadioButton>(RCForm, "RadioButton4")})
                clickThroughWindow(button);
            afterWindowClicks = shown();
            for (QRadioButton *button : {control<QRadioButton>(RCForm, "RadioButton1"),
                                         control<QRadioButton>(RCForm, "RadioButton2"),
                                         control<QRadioButton>(RCForm, "RadioButton4")})
                clickOnWidget(button);
            afterWidgetClicks = shown();
        });
        QVERIFY2(afterWindowClicks == expected(1), qPrintable(describe(afterWindowClicks)));
        QVERIFY2(afterWidgetClicks == expected(1), qPrintable(describe(afterWidgetClicks)));
    }

    // Every showing starts again at question 1, wherever the last one was closed.
    void everyShowingStartsAtOne()
    {
        review([&] {
            control<QPushButton>(RCForm, "Button4")->click();
            for (int i = 0; i < 7; ++i)
                control<QPushButton>(RCForm, "Button2")->click();
            VERIFY_SHOWS(17);
        });
        QCOMPARE(RCForm->CurrentQuestion, std::uint8_t(17));

        Shown atOpening;
        showModallyAndRun(RCForm, [&] { atOpening = shown(); });
        QVERIFY2(atOpening == expected(1), qPrintable(describe(atOpening)));

        // Closed on the last question by its close box, opened again: question 1.
        showModallyAndRun(RCForm, [] { control<QPushButton>(RCForm, "Button4")->click(); });
        review([&] { VERIFY_SHOWS(1); });
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
