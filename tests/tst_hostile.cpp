// The windows in hostile surroundings: a screen smaller than they are, twice the usual pixel
// density, and a locale that writes decimals with a comma.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "RCUnit.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

namespace {

const QMargins Frame(4, 30, 4, 4);

template <typename Control> QList<Control *> controlsOf(const Form *form)
{
    return form->client()->findChildren<Control *>();
}

// Whether `area` of a control can be scrolled fully into the window's view: in each
// direction the scroll position is left at 0 or set to its maximum.
bool canBeBroughtIntoView(Form *form, const QWidget *control, const QRect &area)
{
    auto *scrollArea = form->findChild<QScrollArea *>();
    const QWidget *viewport = scrollArea->viewport();
    const int maxX = scrollArea->horizontalScrollBar()->maximum();
    const int maxY = scrollArea->verticalScrollBar()->maximum();
    bool inView = false;
    for (int x : {0, maxX}) {
        for (int y : {0, maxY}) {
            form->setScrollPosition(Qt::Horizontal, x);
            form->setScrollPosition(Qt::Vertical, y);
            const QRect shown(control->mapTo(viewport, area.topLeft()), area.size());
            inView = inView || viewport->rect().contains(shown);
        }
    }
    form->setScrollPosition(Qt::Horizontal, 0);
    form->setScrollPosition(Qt::Vertical, 0);
    return inView;
}

// What a user must see of a control to use it: a push button whole, a radio button its
// indicator at its left end (its caption may be wider than a shrunk window).
QRect neededArea(const QAbstractButton *button)
{
    if (!qobject_cast<const QRadioButton *>(button))
        return button->rect();
    const int indicator =
        button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
    return QRect(0, 0, indicator, button->height());
}

void verifyReachable(Form *form)
{
    const QWidget *client = form->client();
    for (QAbstractButton *button : controlsOf<QAbstractButton>(form)) {
        const QString where = form->windowTitle() + QLatin1Char('/') + button->objectName();
        const QRect inClient(button->mapTo(client, QPoint(0, 0)), button->size());
        QVERIFY2(inClient.left() >= 0 && inClient.top() >= 0, qPrintable(where));
        QVERIFY2(inClient.right() < form->scrollRange(Qt::Horizontal), qPrintable(where));
        QVERIFY2(inClient.bottom() < form->scrollRange(Qt::Vertical), qPrintable(where));
        QVERIFY2(canBeBroughtIntoView(form, button, neededArea(button)), qPrintable(where));
    }
}

// A caption fits when the width its font needs for it is within the control's width, and the
// control within its parent.
void verifyFits(const QWidget *control, const QString &text)
{
    const QString where = control->window()->windowTitle() + QLatin1Char('/') +
                          control->objectName() + QStringLiteral(" \"") + text + QLatin1Char('"');
    const int needed = neededWidth(control, text);
    const QString overflow =
        QStringLiteral("%1 needs %2 pixels, has %3").arg(where).arg(needed).arg(control->width());
    QVERIFY2(needed <= control->width(), qPrintable(overflow));
    QVERIFY2(control->geometry().right() < control->parentWidget()->width(),
             qPrintable(QStringLiteral("%1 reaches beyond its parent").arg(where)));
}

void verifyCaptionsFit(const Form *form)
{
    for (const QAbstractButton *button : controlsOf<QAbstractButton>(form))
        verifyFits(button, button->text());
    for (const QLabel *label : controlsOf<QLabel>(form))
        verifyFits(label, label->text());
}

// Pages through all questions of a questionnaire or review window, checking each one.
template <typename Window> void verifyEveryQuestionFits(Window *form)
{
    for (int q = 1; q <= QuestionCount; ++q) {
        QCOMPARE(int(form->CurrentQuestion), q);
        verifyCaptionsFit(form);
        if (QTest::currentTestFailed())
            return;
        const auto *box = control<QGroupBox>(form, "QuestionsGroupBox");
        QVERIFY(box->fontMetrics().horizontalAdvance(box->title()) < box->width());
        control<QPushButton>(form, "Button3")->click();
    }
}

QPoint scrollPositions(const Form *form)
{
    return {form->scrollPosition(Qt::Horizontal), form->scrollPosition(Qt::Vertical)};
}

// The far end of a window's content, where a user may leave it scrolled.
QPoint farEnd(const Form *form)
{
    const auto *area = form->findChild<QScrollArea *>();
    return {area->horizontalScrollBar()->maximum(), area->verticalScrollBar()->maximum()};
}

} // namespace

class HostileSurroundingsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        verifyNothingLeftOpen();
        QLocale::setDefault(QLocale::c());
    }

    // On a screen smaller than the windows (their sizes there are tst_mainwindow's), every
    // button of every window can be scrolled into view.
    void smallScreenKeepsEveryControlReachable()
    {
        ProgramWindows windows(QSize(800, 600), Frame);
        for (const QString &name : ProgramWindowNames) {
            Form *form = programWindow(name);
            whileShown(form, [form] { verifyReachable(form); });
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Windows open at their top left, whichever control gets the focus at first activation,
    // and keep the positions the user left them at when shown again or activated again.
    void windowsOpenAtTheirTopLeftAndKeepTheirPositions_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("800 x 600") << QSize(800, 600);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
    }

    void windowsOpenAtTheirTopLeftAndKeepTheirPositions()
    {
        QFETCH(QSize, screen);
        ProgramWindows windows(screen, Frame);
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QCOMPARE(scrollPositions(MainForm), QPoint());
        for (Form *form : {static_cast<Form *>(CuestionarioForm),
                           static_cast<Form *>(EvaluacionForm), static_cast<Form *>(RCForm)}) {
            QPoint left;
            whileShown(form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(form));
                QCOMPARE(scrollPositions(form), QPoint());
                left = farEnd(form);
                form->setScrollPosition(Qt::Horizontal, left.x());
                form->setScrollPosition(Qt::Vertical, left.y());
            });
            if (QTest::currentTestFailed())
                return;
            whileShown(form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(form));
                QCOMPARE(scrollPositions(form), left);
            });
            MainForm->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(MainForm));
            QCOMPARE(scrollPositions(MainForm), QPoint());
            if (QTest::currentTestFailed())
                return;
        }
    }

    void doubleDensityDoublesScaledWindowsAndClipsNoCaption()
    {
        ProgramWindows windows(QSize(3840, 2160), Frame, 192);
        // The window font goes from 11 to 22 pixels, whose "0" is 25 pixels high instead of
        // 13: the captions grow with the scaled layouts (their sizes are tst_mainwindow's),
        // every push button being declared at 13 pixels; the main window keeps its pixels.
        for (const QString &name : ProgramWindowNames) {
            const Form *form = programWindow(name);
            for (const QPushButton *button : controlsOf<QPushButton>(form))
                QCOMPARE(button->font().pixelSize(), form == MainForm ? 13 : 25);
        }

        verifyCaptionsFit(MainForm);
        whileShown(CreditosForm, [] { verifyCaptionsFit(CreditosForm); });
        ResetAnswers();
        whileShown(AvisoForm, [] { verifyCaptionsFit(AvisoForm); });
        whileShown(CuestionarioForm, [] { verifyEveryQuestionFits(CuestionarioForm); });
        whileShown(RCForm, [] { verifyEveryQuestionFits(RCForm); });

        // The evaluation with its longest texts: every item wrong, every item blank, all right.
        for (const char answer : {'w', '-', 'r'}) {
            UserAnswers = sheetOf(std::string(QuestionCount, answer));
            whileShown(EvaluacionForm, [] { verifyCaptionsFit(EvaluacionForm); });
        }
    }

    void commaDecimalLocaleThroughTheWholeChain()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        ProgramWindows windows;
        // Eighteen right answers and six wrong ones, given in the questionnaire itself.
        whenShownModally(CuestionarioForm, [] {
            for (int q = 1; q <= QuestionCount; ++q) {
                const int option = q <= 18 ? CorrectOptions[q - 1] : wrongOption(q);
                CuestionarioForm->radioButtons()[option - 1]->click();
                control<QPushButton>(CuestionarioForm, "Button3")->click();
            }
            control<QPushButton>(CuestionarioForm, "Button5")->click();
        });
        QString figures;
        whenShownModally(EvaluacionForm, [&] {
            figures = evaluationFigures();
            verifyCaptionsFit(EvaluacionForm);
            control<QPushButton>(EvaluacionForm, "Button2")->click();
        });
        control<QPushButton>(MainForm, "TestButton")->click();
        QCOMPARE(figures, expectedFigures("rrrrrrrrrrrrrrrrrrwwwwww", QLatin1Char(',')));
    }
};

QTEST_MAIN(HostileSurroundingsTest)
#include "tst_hostile.moc"
