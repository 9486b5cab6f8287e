// The evaluation window: the count, the percentage and the item lists it shows for a
// submitted answer sheet, and how its labels size themselves.

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

// What the window shows while it is open: its value labels' texts and places, in the order
// of evaluationLabels().
enum Label { Count, Porcentage, Percent, Wrong, Blank };
struct Figures {
    QStringList text;
    QList<QRect> geometry;
};

} // namespace

class EvaluationTest : public ProgramWindowsTest
{
    Q_OBJECT

    // The value labels' places before the window was first shown.
    QHash<const QLabel *, QPoint> declaredPlaces;

    // Shows the window for the sheet, records what it shows, leaves it by "Salir".
    Figures show(const Plan &plan)
    {
        UserAnswers = sheetOf(plan);
        Figures figures;
        showModallyAndRun(EvaluacionForm, [&figures] {
            for (const QLabel *label : evaluationLabels()) {
                figures.text << label->text();
                figures.geometry << label->geometry();
            }
        });
        return figures;
    }

    // A label sized to its text: declared left edge and top, height unchanged, and a width
    // that is the text's own (within rounding of the label's text measure).
    void verifySizedToText(const QLabel *label, const QString &text, const QRect &geometry)
    {
        const QString where =
            label->objectName() + QStringLiteral(": \"") + text + QLatin1Char('"');
        QCOMPARE(geometry.topLeft(), declaredPlaces.value(label));
        QCOMPARE(geometry.height(), 18);
        const int advance = QFontMetrics(label->font()).horizontalAdvance(text);
        QVERIFY2(qAbs(geometry.width() - advance) <= 2,
                 qPrintable(where + QStringLiteral(" is %1 wide for a text %2 wide")
                                        .arg(geometry.width())
                                        .arg(advance)));
        // Every figure stands whole inside the white panel.
        QVERIFY2(control<Panel>(EvaluacionForm, "Panel1")->rect().contains(geometry),
                 qPrintable(where));
    }

private slots:
    void init()
    {
        ProgramWindowsTest::init();
        const int border = control<Panel>(EvaluacionForm, "Panel1")->borderWidth();
        const QPoint places[] = {{288, 32}, {600, 32}, {994, 32}, {440, 96}, {400, 160}};
        const QList<QLabel *> labels = evaluationLabels();
        for (int i = 0; i < labels.size(); ++i)
            declaredPlaces.insert(labels[i], places[i] + QPoint(border, border));
    }

    // The value labels stand at their declared places before the first showing.
    void valueLabelsAtTheirDeclaredPlaces()
    {
        for (QLabel *label : evaluationLabels())
            QCOMPARE(label->pos(), declaredPlaces.value(label));
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
            QCOMPARE(show(plan).text.join(QStringLiteral(" | ")), expectedFigures(plan, separator));
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
            QCOMPARE(show(firstRight(n)).text[Percent], text);
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(show(firstRight(18)).text[Percent], QStringLiteral("75,0%"));
        QCOMPARE(show(firstRight(24)).text[Percent], QStringLiteral("100,0%"));
        QCOMPARE(show(firstRight(1)).text[Percent], QStringLiteral("4,2%"));
    }

    // Sheets that mix right, wrong and blank answers in no particular pattern, and the
    // extremes: everything right, everything wrong, nothing answered.
    void itemListsForMixedSheets()
    {
        for (const Plan &plan :
             {uniform('r'), uniform('w'), uniform('-'), Plan("-rw-w-rw-w-rw-w-rw-w-rw-"),
              Plan("wrrrrrrrr-wrrrrrrrrrrrr-")}) {
            QCOMPARE(show(plan).text.join(QStringLiteral(" | ")), expectedFigures(plan));
        }

        // The longest list: all 24 numbers.
        QCOMPARE(show(uniform('-')).text[Blank], EveryQuestion);
        QCOMPARE(show(uniform('w')).text[Wrong], EveryQuestion);
    }

    // Each value label sizes itself to its text on one line, its left edge and top fixed;
    // an empty list leaves a label narrower than a single digit.
    void labelsSizeToTheirText()
    {
        for (const Plan &plan : {uniform('w'), uniform('-'), uniform('r'), firstRight(9)}) {
            const Figures f = show(plan);
            const QList<QLabel *> labels = evaluationLabels();
            for (int i = 0; i < labels.size(); ++i) {
                verifySizedToText(labels[i], f.text[i], f.geometry[i]);
                QVERIFY(!labels[i]->wordWrap()); // one line
            }
            const int digit =
                QFontMetrics(labels[Blank]->font()).horizontalAdvance(QLatin1Char('0'));
            for (const Label list : {Wrong, Blank}) {
                QVERIFY2(
                    !f.text[list].isEmpty() || f.geometry[list].width() < digit,
                    qPrintable(QStringLiteral("empty list %1 wide").arg(f.geometry[list].width())));
            }
        }
        // Two-digit counts are wider than one-digit ones, and "100.0%" wider than "4.2%".
        const Figures one = show(firstRight(1));
        const Figures all = show(uniform('r'));
        QVERIFY(all.geometry[Count].width() > one.geometry[Count].width());
        QVERIFY(all.geometry[Percent].width() > one.geometry[Percent].width());
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
            QCOMPARE(f->text.join(QStringLiteral(" | ")), expectedFigures(second));
            QCOMPARE(f->geometry, alone.geometry);
        }

        // And from a full sheet back to an empty one: both lists emptied again.
        show(firstRight(3));
        const Figures none = show(uniform('r'));
        QVERIFY(none.text[Wrong].isEmpty());
        QVERIFY(none.text[Blank].isEmpty());
    }
};

QTEST_MAIN(EvaluationTest)
#include "tst_evaluation.moc"
