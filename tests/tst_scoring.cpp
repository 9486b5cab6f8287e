// The answer sheet and the evaluation figures derived from it.

#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <set>

namespace {

std::set<int> numbersIn(const std::string &list)
{
    std::set<int> numbers;
    const QStringList items =
        QString::fromStdString(list).split(QStringLiteral(", "), Qt::SkipEmptyParts);
    for (const QString &item : items)
        numbers.insert(item.toInt());
    return numbers;
}

} // namespace

class ScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void sheetIsZeroFilledAtStartAndClearedToBlank()
    {
        for (std::int32_t entry : UserAnswers)
            QCOMPARE(entry, 0);
        UserAnswers = sheetOf("rrrrrrrrrrrrrrrrrrrrrrrr");
        ResetAnswers();
        QVERIFY(UserAnswers == sheetOf("------------------------"));
    }

    void figures_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("blank");
        QTest::newRow("nothing answered") << "------------------------" << 0 << "" << EveryQuestion;
        QTest::newRow("the key") << "rrrrrrrrrrrrrrrrrrrrrrrr" << 24 << ""
                                 << "";
        QTest::newRow("every answer wrong")
            << "wwwwwwwwwwwwwwwwwwwwwwww" << 0 << EveryQuestion << "";
        QTest::newRow("mixed") << "rwrrrrrrrrrwrrrrrrr--rrr" << 20 << "2, 12"
                               << "20, 21";
        QTest::newRow("wrong ones in question order, both ends")
            << "wrrrrrrrrrrwrrrrrrrrrrrw" << 21 << "1, 12, 24"
            << "";
        QTest::newRow("the last one blank") << "rrrrrrrrrrrrrrrrrrrrrrr-" << 23 << ""
                                            << "24";
    }

    void figures()
    {
        QFETCH(QString, plan);
        UserAnswers = sheetOf(plan.toStdString());
        QTEST(CountCorrect(), "count");
        QTEST(QString::fromStdString(WrongItemsText()), "wrong");
        QTEST(QString::fromStdString(BlankItemsText()), "blank");
    }

    // Correct, wrong and blank split the 24 questions, whatever the sheet holds.
    void classesPartitionTheQuestions()
    {
        QRandomGenerator random(2026);
        for (int round = 0; round < 2000; ++round) {
            for (std::int32_t &entry : UserAnswers)
                entry = random.bounded(5) == 0 ? NoAnswer : random.bounded(1, 5);
            const std::set<int> wrong = numbersIn(WrongItemsText());
            const std::set<int> blank = numbersIn(BlankItemsText());
            QCOMPARE(CountCorrect() + int(wrong.size()) + int(blank.size()), QuestionCount);
            for (int q : wrong)
                QVERIFY(!blank.count(q) && UserAnswers[q - 1] != CorrectOptions[q - 1]);
            for (int q : blank)
                QCOMPARE(UserAnswers[q - 1], NoAnswer);
        }
    }
};

QTEST_APPLESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
