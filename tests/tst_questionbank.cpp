// The question bank's shape: every rule that the windows, the marks and the layouts rely on.

#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QString piece(int q, int p)
{
    return QString::fromUtf8(CommentPieces[(q - 1) * CommentPieceCount + (p - 1)]);
}

QStringList allTexts()
{
    QStringList texts;
    for (int q = 1; q <= QuestionCount; ++q) {
        texts << stem(q);
        for (int k = 1; k <= OptionsPerQuestion; ++k)
            texts << option(q, k);
        for (int p = 1; p <= CommentPieceCount; ++p)
            texts << piece(q, p);
    }
    return texts;
}

struct Shape {
    std::array<int, 4> optionLengths;
    int pieces;
    int commentaryLength;
};

const Shape shapes[QuestionCount] = {
    {{41, 59, 71, 54}, 6, 1331}, {{16, 38, 10, 54}, 5, 869},    {{18, 16, 20, 21}, 3, 592},
    {{27, 25, 51, 50}, 3, 454},  {{53, 58, 122, 111}, 5, 1146}, {{39, 84, 48, 26}, 7, 1635},
    {{49, 84, 74, 56}, 5, 1003}, {{83, 96, 105, 69}, 5, 1181},  {{72, 99, 82, 65}, 4, 925},
    {{56, 82, 44, 72}, 3, 595},  {{47, 69, 78, 34}, 5, 1127},   {{78, 76, 81, 92}, 3, 604},
    {{87, 62, 80, 76}, 3, 503},  {{34, 80, 30, 53}, 4, 847},    {{43, 41, 65, 56}, 5, 1088},
    {{47, 108, 68, 92}, 3, 527}, {{82, 53, 85, 49}, 3, 616},    {{35, 25, 71, 37}, 3, 559},
    {{44, 57, 69, 66}, 3, 616},  {{43, 90, 38, 82}, 3, 722},    {{39, 56, 66, 76}, 4, 890},
    {{87, 98, 87, 73}, 3, 614},  {{88, 80, 83, 114}, 5, 1078},  {{75, 57, 95, 68}, 5, 1157},
};

// The option references of commentary q, in order of appearance, as option digits.
QList<int> optionReferences(int q)
{
    QList<int> digits;
    const QString text = commentary(q);
    const QString reference = QString::number(q) + QLatin1Char('.');
    for (qsizetype at = text.indexOf(reference); at != -1; at = text.indexOf(reference, at + 1)) {
        const bool afterDigit = at > 0 && text.at(at - 1).isDigit();
        const qsizetype after = at + reference.size();
        const QChar next = after < text.size() ? text.at(after) : QChar();
        digits << ((!afterDigit && next >= QLatin1Char('1') && next <= QLatin1Char('4'))
                       ? next.digitValue()
                       : -1);
    }
    return digits;
}

} // namespace

class QuestionBankTest : public QObject
{
    Q_OBJECT

private slots:
    void givenStems()
    {
        const std::map<int, const char *> given = {
            {1, "De los siguientes elementos, NO forma parte del método científico "},
            {2, "Los números 3, 7 y 19 "},
            {3, "Una persona que camina da un giro de 360 grados respecto a la dirección que "
                "llevaba; ahora camina"},
            {4, "La energía eólica"},
            {5, "La fórmula E = mc2"},
            {6, "Para favorecer el bienestar dentro de las construcciones tropicales, debemos"},
            {7, "La fuerza gravitatoria"},
            {8, "Un ensayo clínico a la ciega es"},
            {9, "Las diversas especies animales que han poblado el planeta"},
            {11, "Alguien parado sobre la superficie terrestre"},
            {12, "La tabla periódica de los elementos"},
            {13, "La nanociencia"},
            {14, "El metanol"},
            {15, "Los antibióticos"},
            {16, "La homeopatía"},
            {17, "La vacunación"},
            {18, "El dengue"},
            {20, "El Síndrome de Inmunodeficiencia Adquirida (SIDA)"},
            {21, "Las células madre"},
            {22, "Los alimentos transgénicos "},
            {23, "La esperanza de vida que se atribuye a un país"},
            {24, "La  inteligencia artificial"}};
        for (const auto &[q, text] : given)
            QCOMPARE(stem(q), QString::fromUtf8(text));
        for (int q : {10, 19}) {
            QVERIFY(stem(q).size() >= 9 && stem(q).size() <= 97);
            QVERIFY(!stem(q).endsWith(QLatin1Char('.')) && !stem(q).endsWith(QLatin1Char(' ')));
            QVERIFY(!stem(q).contains(QLatin1String("  ")));
        }
    }

    void answerKey()
    {
        const std::array<int, QuestionCount> key = {3, 3, 4, 2, 4, 2, 1, 2, 2, 2, 2, 3,
                                                    1, 2, 3, 4, 3, 2, 3, 4, 3, 2, 2, 3};
        for (int i = 0; i < QuestionCount; ++i)
            QCOMPARE(CorrectOptions[i], key[i]);
    }

    void continuations()
    {
        int finalBlanks = 0;
        int doubleBlanks = 0;
        static const QRegularExpression doubleBlankBetweenWords(QStringLiteral("\\S  \\S"));
        for (int q = 1; q <= QuestionCount; ++q) {
            for (int k = 1; k <= OptionsPerQuestion; ++k) {
                const QString text = option(q, k);
                QVERIFY2(text.size() == shapes[q - 1].optionLengths[k - 1],
                         qPrintable(QStringLiteral("%1.%2").arg(q).arg(k)));
                QVERIFY(text.at(0).isLower());
                QVERIFY(!text.trimmed().endsWith(QLatin1Char('.')));
                QVERIFY(!text.endsWith(QLatin1String("  ")));
                finalBlanks += text.endsWith(QLatin1Char(' '));
                doubleBlanks += text.contains(doubleBlankBetweenWords);
            }
        }
        QCOMPARE(finalBlanks, 4);
        QCOMPARE(doubleBlanks, 1);
    }

    void characters()
    {
        const QString allowed = QStringLiteral("áéíóúñ“”");
        for (const QString &text : allTexts()) {
            for (QChar c : text) {
                const bool ascii =
                    c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('&');
                QVERIFY2(ascii || allowed.contains(c), qPrintable(text));
            }
        }
    }

    void quotes()
    {
        qsizetype typographic = 0;
        for (const QString &text : allTexts())
            typographic += text.count(QChar(0x201C)) + text.count(QChar(0x201D));
        QCOMPARE(typographic, 4);
        QCOMPARE(option(13, 3).count(QChar(0x201C)), 2);
        QCOMPARE(option(13, 3).count(QChar(0x201D)), 2);

        qsizetype asciiInOptions = 0;
        for (int q = 1; q <= QuestionCount; ++q) {
            QCOMPARE(stem(q).count(QLatin1Char('"')), 0);
            for (int k = 1; k <= OptionsPerQuestion; ++k)
                asciiInOptions += option(q, k).count(QLatin1Char('"'));
        }
        QCOMPARE(asciiInOptions, 2);
        QCOMPARE(option(9, 3).count(QLatin1Char('"')), 2);

        int inCommentaries = 0;
        int quotingCommentaries = 0;
        for (int q = 1; q <= QuestionCount; ++q) {
            const auto count = commentary(q).count(QLatin1Char('"'));
            inCommentaries += int(count);
            quotingCommentaries += count > 0;
        }
        QCOMPARE(inCommentaries, 48);
        QCOMPARE(quotingCommentaries, 10);
    }

    void commentaryPieces()
    {
        int used = 0;
        for (int q = 1; q <= QuestionCount; ++q) {
            const Shape &shape = shapes[q - 1];
            int length = 0;
            for (int p = 1; p <= CommentPieceCount; ++p) {
                const QString text = piece(q, p);
                if (p > shape.pieces) {
                    QVERIFY(text.isEmpty());
                    continue;
                }
                QVERIFY(text.size() >= 22 && text.size() <= 255);
                length += int(text.size());
                if (p < shape.pieces) {
                    // A cut falls between two words or before a punctuation mark.
                    const QChar before = text.back();
                    const QChar after = piece(q, p + 1).front();
                    QVERIFY2(!(before.isLetterOrNumber() && after.isLetterOrNumber()),
                             qPrintable(QStringLiteral("question %1, piece %2").arg(q).arg(p)));
                }
            }
            used += shape.pieces;
            QCOMPARE(length, shape.commentaryLength);
            QCOMPARE(int(commentary(q).size()), shape.commentaryLength);
        }
        QCOMPARE(used, 98);
        QCOMPARE(piece(4, 1).size(), 215);
        QCOMPARE(piece(4, 2).size(), 217);
        QCOMPARE(piece(4, 3).size(), 22);
    }

    void noControlCharactersAndPiecesFitTheirStorage()
    {
        for (int i = 0; i < QuestionCount * CommentPieceCount; ++i)
            QVERIFY(characterCount(CommentPieces[i]) <= 255);
        for (const QString &text : allTexts()) {
            QVERIFY(!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) &&
                    !text.contains(QLatin1Char('\r')));
        }
    }

    void optionReferencesAreTheOnlyQuestionNumbersWithAFullStop()
    {
        for (int q = 1; q <= QuestionCount; ++q) {
            const QList<int> references = optionReferences(q);
            QVERIFY2(!references.contains(-1), qPrintable(QStringLiteral("question %1").arg(q)));
            QList<int> sorted = references;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, QList<int>({1, 2, 3, 4}));
        }
        QCOMPARE(optionReferences(1), QList<int>({1, 4, 2, 3}));
        QCOMPARE(optionReferences(3), QList<int>({4, 1, 3, 2}));
        QCOMPARE(optionReferences(5), QList<int>({2, 4, 3, 1}));
        QCOMPARE(optionReferences(13), QList<int>({1, 4, 2, 3}));
        QVERIFY(commentary(3).endsWith(QLatin1String("3.2.")));
    }

    void powerSnippets()
    {
        QCOMPARE(stem(5).count(QLatin1Char('2')), 1);
        QCOMPARE(stem(5).indexOf(QLatin1Char('2')), 17);

        const QString five = commentary(5).toLower();
        qsizetype previous = -1;
        for (const char *snippet : {"mc2", "c2,", "108", "1013"}) {
            QCOMPARE(five.count(QLatin1String(snippet)), 1);
            const qsizetype at = five.indexOf(QLatin1String(snippet));
            QVERIFY(at > previous);
            previous = at;
        }
        // "mc2" opens the first sentence, so "c2," is found at the square of c, not there.
        QVERIFY(five.indexOf(QLatin1String("mc2")) < five.indexOf(QLatin1Char('.')));
        QCOMPARE(commentary(13).count(QLatin1String("-9")), 1);
        QVERIFY(commentary(13).contains(QLatin1String("1 nm = 10-9 m")));
    }
};

QTEST_APPLESS_MAIN(QuestionBankTest)
#include "tst_questionbank.moc"
