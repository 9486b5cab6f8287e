// The evaluation window: the count, the percentage and the item lists it shows for a
// submitted answer sheet, how its labels size themselves, and how it can be left.

#include "EvaluacionUnit.h"
#include "Panel.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace {

// Sheets are plans as sheetOf reads them: 'r' right, 'w' wrong, '-' blank.
using Plan = std::string;

// The first n questions right, the others alternately wrong (odd numbers) and blank.
Plan firstRight(int n)
{
    Plan plan;
    for (int q = 1; q <= QuestionCount; ++q)
        plan += q <= n ? 'r' : q % 2 ? 'w' : '-';
    return plan;
}

Plan uniform(char answer)
{
    return Plan(QuestionCount, answer);
}

struct LabelState {
    QString text;
    QRect geometry;
};

// What the window shows while it is open.
struct Figures {
    LabelState count, porcentage, percent, wrong, blank;
};

LabelState stateOf(const QLabel *label)
{
    return {label->text(), label->geometry()};
}

} // namespace

class EvaluationTest : public ProgramWindowsTest
{
    Q_OBJECT

    // The value labels' places before the window was first shown.
    QHash<const QLabel *, QPoint> declaredPlaces;

    QList<QLabel *> valueLabels()
    {
        return {control<QLabel>(EvaluacionForm, "RCLabel"),
                control<QLabel>(EvaluacionForm, "RCPorcentageLabel"),
                control<QLabel>(EvaluacionForm, "RCPercentLabel"),
                control<QLabel>(EvaluacionForm, "WrongItemsLabel"),
                control<QLabel>(EvaluacionForm, "BlanckLabel")};
    }

    // Shows the window for the sheet, records what it shows, leaves it by "Salir".
    Figures show(const Plan &plan)
    {
        UserAnswers = sheetOf(plan);
        Figures figures;
        const QList<QLabel *> labels = valueLabels();
        whenShownModally(EvaluacionForm, [&] {
            figures = {stateOf(labels[0]), stateOf(labels[1]), stateOf(labels[2]),
                       stateOf(labels[3]), stateOf(labels[4])};
            control<QPushButton>(EvaluacionForm, "Button2")->click();
        });
        EvaluacionForm->showModal();
        return figures;
    }

    // A label sized to its text: declared left edge and top, height unchanged, and a width
    // that is the text's own (within rounding of the label's text measure).
    void verifySizedToText(const QLabel *label, const LabelState &state)
    {
        const QString where =
            label->objectName() + QStringLiteral(": \"") + state.text + QLatin1Char('"');
        QCOMPARE(state.geometry.topLeft(), declaredPlaces.value(label));
        QCOMPARE(state.geometry.height(), 18);
        const int advance = QFontMetrics(label->font()).horizontalAdvance(state.text);
        QVERIFY2(qAbs(state.geometry.width() - advance) <= 2,
                 qPrintable(where + QStringLiteral(" is %1 wide for a text %2 wide")
                                        .arg(state.geometry.width())
                                        .arg(advance)));
        // Every figure stands whole inside the white panel.
        QVERIFY2(control<Panel>(EvaluacionForm, "Panel1")->rect().contains(state.geometry),
                 qPrintable(where));
    }

private slots:
    void init()
    {
        ProgramWindowsTest::init();
        const int border = control<Panel>(EvaluacionForm, "Panel1")->borderWidth();
        const QPoint places[] = {{288, 32}, {600, 32}, {994, 32}, {440, 96}, {400, 160}};
        const QList<QLabel *> labels = valueLabels();
        for (int i = 0; i < labels.size(); ++i)
            declaredPlaces.insert(labels[i], places[i] + QPoint(border, border));
    }

    // The value labels stand at their declared places before the first showing; the focus
    // goes to "Ver respuestas correctas" at the first showing.
    void focusAtFirstShowingAndWaysOut()
    {
        for (QLabel *label : valueLabels())
            QCOMPARE(label->pos(), declaredPlaces.value(label));
        UserAnswers = sheetOf(uniform('r'));
        QWidget *focused = nullptr;
        whenShownModally(EvaluacionForm, [&] {
            focused = EvaluacionForm->focusWidget();
            control<QPushButton>(EvaluacionForm, "Button1")->click();
        });
        QCOMPARE(EvaluacionForm->showModal(), int(Form::OK));
        QCOMPARE(focused, static_cast<QWidget *>(control<QPushButton>(EvaluacionForm, "Button1")));

        whenShownModally(EvaluacionForm,
                         [&] { control<QPushButton>(EvaluacionForm, "Button2")->click(); });
        QCOMPARE(EvaluacionForm->showModal(), int(Form::Cancel));

        whenShownModally(EvaluacionForm, [&] { pressCloseBox(EvaluacionForm); });
        QCOMPARE(EvaluacionForm->showModal(), int(Form::Cancel));
        QVERIFY(!EvaluacionForm->isVisible());
    }

    void figuresForEveryCount_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("C") << QLocale::c() << QChar(u'.');
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QChar(u'.');
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << QChar(u',');
        // Locales with digits of their own: their separators, but the digits 0-9.
        QTest::newRow("Arabic, Egypt") << QLocale(QStringLiteral("ar_EG")) << QChar(u'\u066B');
        QTest::newRow("Persian, Iran") << QLocale(QStringLiteral("fa_IR")) << QChar(u'\u066B');
        QTest::newRow("Marathi, India") << QLocale(QStringLiteral("mr_IN")) << QChar(u'.');
        QTest::newRow("Chakma, digits beyond 16 bits")
            << QLocale(QStringLiteral("ccp")) << QChar(u'.');
    }

    // Every count 0 to 24, with the rest of the sheet wrong or blank, so that the lists
    // change along with the count.
    void figuresForEveryCount()
    {
        QFETCH(QLocale, locale);
        QFETCH(QChar, separator);
        QLocale::setDefault(locale);
        for (int n = 0; n <= QuestionCount; ++n) {
            const Plan plan = firstRight(n);
            const Figures f = show(plan);
            const QString row = QStringLiteral("n = %1").arg(n);
            QVERIFY2(f.count.text == QString::number(n), qPrintable(row));
            QVERIFY2(f.porcentage.text ==
                         QStringLiteral("Porcentaje de respuestas correctas (%1 de 24) : ").arg(n),
                     qPrintable(row + QStringLiteral(": ") + f.porcentage.text));
            QVERIFY2(f.percent.text == expectedPercent(n, separator),
                     qPrintable(row + QStringLiteral(": ") + f.percent.text));
            QVERIFY2(f.wrong.text == itemsMarked(plan, 'w'), qPrintable(row));
            QVERIFY2(f.blank.text == itemsMarked(plan, '-'), qPrintable(row));
        }
    }

    // The values the percentage must take, written out: with the test above, they also pin
    // the rule it computes its figures by.
    void knownPercentages()
    {
        const QList<QPair<int, QString>> known = {{0, "0.0%"},   {1, "4.2%"},   {3, "12.5%"},
                                                  {4, "16.7%"},  {18, "75.0%"}, {22, "91.7%"},
                                                  {23, "95.8%"}, {24, "100.0%"}};
        for (const auto &[n, text] : known)
            QCOMPARE(show(firstRight(n)).percent.text, text);
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(show(firstRight(18)).percent.text, QStringLiteral("75,0%"));
        QCOMPARE(show(firstRight(24)).percent.text, QStringLiteral("100,0%"));
        QCOMPARE(show(firstRight(1)).percent.text, QStringLiteral("4,2%"));
    }

    // Sheets that mix right, wrong and blank answers in no particular pattern, and the
    // extremes: everything right, everything wrong, nothing answered.
    void itemListsForMixedSheets()
    {
        for (const Plan &plan :
             {uniform('r'), uniform('w'), uniform('-'), Plan("-rw-w-rw-w-rw-w-rw-w-rw-"),
              Plan("wrrrrrrrr-wrrrrrrrrrrrr-")}) {
            const Figures f = show(plan);
            QCOMPARE(f.count.text, QString::number(std::count(plan.begin(), plan.end(), 'r')));
            QCOMPARE(f.wrong.text, itemsMarked(plan, 'w'));
            QCOMPARE(f.blank.text, itemsMarked(plan, '-'));
        }

        // The longest list: all 24 numbers.
        QCOMPARE(show(uniform('-')).blank.text, EveryQuestion);
        QCOMPARE(show(uniform('w')).wrong.text, EveryQuestion);
    }

    // Each value label sizes itself to its text on one line, its left edge and top fixed;
    // an empty list leaves a label narrower than a single digit.
    void labelsSizeToTheirText()
    {
        for (const Plan &plan : {uniform('w'), uniform('-'), uniform('r'), firstRight(9)}) {
            const Figures f = show(plan);
            const QList<QLabel *> labels = valueLabels();
            const LabelState *states[] = {&f.count, &f.porcentage, &f.percent, &f.wrong, &f.blank};
            for (int i = 0; i < labels.size(); ++i) {
                verifySizedToText(labels[i], *states[i]);
                QVERIFY(!labels[i]->wordWrap()); // one line
            }
            const int digit = QFontMetrics(labels[4]->font()).horizontalAdvance(QLatin1Char('0'));
            for (const LabelState *list : {&f.wrong, &f.blank}) {
                QVERIFY2(
                    !list->text.isEmpty() || list->geometry.width() < digit,
                    qPrintable(QStringLiteral("empty list %1 wide").arg(list->geometry.width())));
            }
        }
        // Two-digit counts are wider than one-digit ones, and "100.0%" wider than "4.2%".
        const Figures one = show(firstRight(1));
        const Figures all = show(uniform('r'));
        QVERIFY(all.count.geometry.width() > one.count.geometry.width());
        QVERIFY(all.percent.geometry.width() > one.percent.geometry.width());
    }

    // A second showing shows the figures of the new sheet only: no text or width is kept
    // from the showing before.
    void secondShowingShowsOnlyTheNewFigures()
    {
        const Plan second = "rrrrwrrrrrrrrrrr-rrrrrrr";
        const Figures alone = show(second);

        show(uniform('w')); // long wrong list, count 0
        const Figures afterWrong = show(second);
        show(uniform('-')); // long blank list
        const Figures afterBlank = show(second);

        for (const Figures *f : {&afterWrong, &afterBlank}) {
            QCOMPARE(f->count.text, QStringLiteral("22"));
            QCOMPARE(f->percent.text, QStringLiteral("91.7%"));
            QCOMPARE(f->porcentage.text,
                     QStringLiteral("Porcentaje de respuestas correctas (22 de 24) : "));
            QCOMPARE(f->wrong.text, QStringLiteral("5"));
            QCOMPARE(f->blank.text, QStringLiteral("17"));
            QCOMPARE(f->wrong.geometry, alone.wrong.geometry);
            QCOMPARE(f->blank.geometry, alone.blank.geometry);
            QCOMPARE(f->count.geometry, alone.count.geometry);
        }

        // And from a full sheet back to an empty one: both lists emptied again.
        show(firstRight(3));
        const Figures none = show(uniform('r'));
        QVERIFY(none.wrong.text.isEmpty());
        QVERIFY(none.blank.text.isEmpty());
    }
};

QTEST_MAIN(EvaluationTest)
#include "tst_evaluation.moc"
