// The answer sheet and the evaluation figures derived from it.

#include "TestDefinitionUnit.h"

#include <QRandomGenerator>
#include <QTest>
#include <set>

namespace {

const std::string AllQuestions =
    "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24";

void answerAsKey()
{
    for (int i = 0; i < QuestionCount; ++i)
        UserAnswers[i] = CorrectOptions[i];
}

int wrongOption(int question)
{
    return CorrectOptions[question - 1] % OptionsPerQuestion + 1;
}

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
    void sheetIsZeroFilledAtStart()
    {
        for (std::int32_t entry : UserAnswers)
            QCOMPARE(entry, 0);
    }

    void clearedSheetIsAllBlank()
    {
        answerAsKey();
        ResetAnswers();
        QCOMPARE(CountCorrect(), 0);
        QCOMPARE(WrongItemsText(), std::string());
        QCOMPARE(BlankItemsText(), AllQuestions);
        QCOMPARE(BlankItemsText().size(), std::size_t(85));
    }

    void keyAnswersAreAllCorrect()
    {
        answerAsKey();
        QCOMPARE(CountCorrect(), 24);
        QCOMPARE(WrongItemsText(), std::string());
        QCOMPARE(BlankItemsText(), std::string());
    }

    void everyAnswerWrong()
    {
        for (int q = 1; q <= QuestionCount; ++q)
            UserAnswers[q - 1] = wrongOption(q);
        QCOMPARE(CountCorrect(), 0);
        QCOMPARE(WrongItemsText(), AllQuestions);
        QCOMPARE(BlankItemsText(), std::string());
    }

    void mixedSheet()
    {
        answerAsKey();
        UserAnswers[1] = 1;  // question 2, key 3
        UserAnswers[11] = 4; // question 12, key 3
        UserAnswers[19] = NoAnswer;
        UserAnswers[20] = NoAnswer;
        QCOMPARE(CountCorrect(), 20);
        QCOMPARE(WrongItemsText(), std::string("2, 12"));
        QCOMPARE(BlankItemsText(), std::string("20, 21"));
    }

    void listsFollowQuestionOrderNotAnswerOrder()
    {
        answerAsKey();
        for (int q : {24, 1, 12})
            UserAnswers[q - 1] = wrongOption(q);
        QCOMPARE(WrongItemsText(), std::string("1, 12, 24"));

        answerAsKey();
        UserAnswers[23] = NoAnswer;
        QCOMPARE(BlankItemsText(), std::string("24"));
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
