// The marks on small texts, and the marks exactly as the questionnaire and the answer review
// show them: which characters are raised, which are bold, that nothing else changes, and that
// a raised exponent is drawn higher at its full size.

#include "CuestionarioUnit.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "RichTextMarks.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <climits>

namespace {

// A format without the properties that a mark may set, for checking that nothing else
// (font, size, colour, vertical alignment) differs between characters.
QTextCharFormat withoutMarks(QTextCharFormat format)
{
    for (int property : {int(QTextFormat::FontWeight), int(QTextFormat::FontItalic),
                         int(QTextFormat::FontUnderline), int(QTextFormat::TextUnderlineStyle),
                         int(QTextFormat::FontStrikeOut), int(QTextFormat::TextBaselineOffset)})
        format.clearProperty(property);
    return format;
}

QList<int> span(int start, int count)
{
    QList<int> positions;
    for (int i = start; i < start + count; ++i)
        positions << i;
    return positions;
}

QString charactersAt(const QString &text, const QList<int> &positions)
{
    QString characters;
    for (int p : positions)
        characters += text.at(p);
    return characters;
}

// Exactly the expected characters are raised and exactly the expected ones are bold; the
// raised ones keep their size and alignment, the bold ones are bold and nothing else, and
// every other property is the same for all characters of the box.
void checkMarks(const RichEditBox *box, const QList<int> &raised, const QList<int> &bold,
                const char *where)
{
    const QList<QTextCharFormat> formats = characterFormats(box);
    QVERIFY2(!formats.isEmpty(), where);
    QList<int> actualRaised;
    QList<int> actualBold;
    for (int i = 0; i < formats.size(); ++i) {
        const QTextCharFormat &format = formats.at(i);
        const QString at = QStringLiteral("%1, position %2").arg(QLatin1String(where)).arg(i);
        if (isRaised(format))
            actualRaised << i;
        if (isBold(format)) {
            actualBold << i;
            QCOMPARE(format.fontWeight(), int(QFont::Bold));
        }
        QVERIFY2(!format.fontItalic() && !format.fontUnderline() && !format.fontStrikeOut(),
                 qPrintable(at));
        QVERIFY2(format.baselineOffset() >= 0, qPrintable(at));
        QVERIFY2(format.verticalAlignment() == QTextCharFormat::AlignNormal, qPrintable(at));
        QVERIFY2(withoutMarks(format) == withoutMarks(formats.first()), qPrintable(at));
    }
    QVERIFY2(!withoutMarks(formats.first()).hasProperty(QTextFormat::FontPixelSize) &&
                 !withoutMarks(formats.first()).hasProperty(QTextFormat::FontPointSize) &&
                 !withoutMarks(formats.first()).hasProperty(QTextFormat::FontSizeAdjustment),
             where);
    QCOMPARE(actualRaised, raised);
    QCOMPARE(actualBold, bold);
}

// The rows in which a column range of the image holds ink (dark pixels).
struct Ink {
    int top = INT_MAX;
    int bottom = -1;
    int height() const { return bottom - top + 1; }
    bool found() const { return bottom >= 0; }
};

Ink inkOfCharacter(const RichEditBox *box, const QImage &image, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const int left = box->viewport()->mapTo(box, box->cursorRect(cursor).topLeft()).x();
    cursor.setPosition(position + 1);
    const int right = box->viewport()->mapTo(box, box->cursorRect(cursor).topLeft()).x();
    Ink ink;
    // One column in from the left edge, so that a neighbour's anti-aliased edge is not counted.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left + 1; x < right; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink.top = qMin(ink.top, y);
                ink.bottom = qMax(ink.bottom, y);
            }
        }
    }
    return ink;
}

QImage picture(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void clickTimes(QAbstractButton *button, int times)
{
    for (int i = 0; i < times; ++i)
        button->click();
}

} // namespace

class MarksTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNothingLeftOpen(); }

    // The mark rules on small texts: searches from the start, inside numbers as well, only
    // in the first line where told, and nothing marked when the text is absent.
    void markRulesOnSmallTexts()
    {
        RichEditBox box;
        box.addLine(QStringLiteral("Ver 13.1 y 3.2, y 3.4."));
        BoldEveryOccurrence(&box, QStringLiteral("3."));
        // "3." inside "13." is an occurrence too.
        checkMarks(&box, {}, span(5, 3) + span(11, 3) + span(18, 3), "every occurrence");

        box.clearAll();
        box.addLine(QStringLiteral("sin referencias"));
        BoldEveryOccurrence(&box, QStringLiteral("7."));
        RaiseInWholeText(&box, QStringLiteral("-9"), 0, 2);
        checkMarks(&box, {}, {}, "absent texts");

        // A search in the first line does not reach the "2" of the second line.
        box.clearAll();
        box.addLine(QStringLiteral("primera"));
        box.addLine(QStringLiteral("x2 y 10-9"));
        RaiseInFirstLine(&box, QStringLiteral("2"), 0, 1);
        QVERIFY(!isRaised(characterFormats(&box).at(9)));

        box.clearAll();
        box.addLine(QStringLiteral("primera"));
        box.addLine(QStringLiteral("x2 y 10-9"));
        RaiseInWholeText(&box, QStringLiteral("X2"), 1, 1);
        RaiseInWholeText(&box, QStringLiteral("-9"), 0, 2);
        checkMarks(&box, {9, 15, 16}, {}, "whole text");
    }

    // The questionnaire raises only the final "2" of question 5's stem, and only there.
    void questionnaireStemExponent()
    {
        ProgramWindows windows;
        showModallyAndRun(CuestionarioForm, [this] { questionnaireMarks(); });
    }

    // On the screen the raised "2" stands 3 points (4 pixels at 96 pixels per inch) higher
    // than it would unraised, measured against the base line of "E" in the same line, and
    // it is drawn at the same height.
    void raisedExponentIsDrawnHigherAtFullSize()
    {
        ProgramWindows windows;
        showModallyAndRun(CuestionarioForm, [this] { drawnExponent(); });
    }

    void reviewMarks_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<bool>("fromTheEnd");
        QTest::addColumn<QList<int>>("raised");
        QTest::addColumn<QString>("raisedText");
        const QString five = commentary(5);
        const auto at = [&five](const char *snippet) {
            return int(five.indexOf(QLatin1String(snippet), 0, Qt::CaseInsensitive));
        };
        const QList<int> raisedInFive = {at("mc2") + 2, at("c2,") + 1, at("108") + 2,
                                         at("1013") + 2, at("1013") + 3};
        const QList<int> nano = span(int(commentary(13).indexOf(QLatin1String("-9"))), 2);
        // Every question's references bold (the bank's test pins them, and that commentary 3
        // ends with one and its full stop), paged to from question 1: nothing of the
        // question before carries over.
        for (int q = 1; q <= QuestionCount; ++q) {
            QTest::addRow("question %d", q) << q << false
                                            << (q == 5    ? raisedInFive
                                                : q == 13 ? nano
                                                          : QList<int>())
                                            << (q == 5    ? "22813"
                                                : q == 13 ? "-9"
                                                          : "");
        }
        QTest::newRow("question 5, coming back from 24") << 5 << true << raisedInFive << "22813";
    }

    // The review marks its option references in bold and raises the written exponents of
    // questions 5 and 13 (and the "2" of question 5's stem); each question starts from a
    // clean box, however it is reached.
    void reviewMarks()
    {
        QFETCH(int, question);
        QFETCH(bool, fromTheEnd);
        QFETCH(QList<int>, raised);
        ProgramWindows windows;
        showModallyAndRun(RCForm, [&] {
            if (fromTheEnd) {
                control<QPushButton>(RCForm, "Button4")->click();
                clickTimes(control<QPushButton>(RCForm, "Button2"), QuestionCount - question);
            } else {
                goToQuestion(RCForm, question);
            }
            QCOMPARE(int(RCForm->CurrentQuestion), question);
            auto *box = control<RichEditBox>(RCForm, "RCRichEdit");
            QCOMPARE(box->wholeText(), commentary(question) + QLatin1Char('\n'));
            const QList<int> bold = referencePositions(question);
            QTEST(charactersAt(commentary(question), raised), "raisedText");
            for (int p : raised)
                QVERIFY(!bold.contains(p));
            checkMarks(box, raised, bold, "commentary");
            const int last = int(stem(question).size()) - 1;
            checkMarks(control<RichEditBox>(RCForm, "QuestionsRichEdit"),
                       question == 5 ? QList<int>{last} : QList<int>{}, {}, "stem");
        });
    }

private:
    void questionnaireMarks()
    {
        RichEditBox *box = control<RichEditBox>(CuestionarioForm, "QuestionsRichEdit");
        const int last = int(stem(5).size()) - 1;
        QCOMPARE(stem(5).at(last), QLatin1Char('2'));
        for (int q = 1; q <= QuestionCount; ++q) {
            QCOMPARE(box->wholeText(), stem(q) + QLatin1Char('\n'));
            checkMarks(box, q == 5 ? QList<int>{last} : QList<int>{}, {},
                       qPrintable(QStringLiteral("questionnaire %1").arg(q)));
            if (QTest::currentTestFailed())
                return;
            control<QPushButton>(CuestionarioForm, "Button3")->click();
        }
        // Back to 5 from 6 and again from the start: the same single raised character.
        control<QPushButton>(CuestionarioForm, "Button4")->click();
        clickTimes(control<QPushButton>(CuestionarioForm, "Button2"), QuestionCount - 5);
        QCOMPARE(int(CuestionarioForm->CurrentQuestion), 5);
        checkMarks(box, {last}, {}, "questionnaire 5 coming back");
        control<QPushButton>(CuestionarioForm, "Button3")->click();
        checkMarks(box, {}, {}, "questionnaire 6 after 5");
        goToQuestion(CuestionarioForm, 5);
        checkMarks(box, {last}, {}, "questionnaire 5 again");
    }

    void drawnExponent()
    {
        goToQuestion(CuestionarioForm, 5);
        RichEditBox *box = control<RichEditBox>(CuestionarioForm, "QuestionsRichEdit");
        QCOMPARE(box->font().pixelSize(), 21);

        // The same stem in a box of the same font and size, never marked.
        RichEditBox plain;
        plain.setFont(box->font());
        plain.setPalette(box->palette());
        plain.resize(box->size());
        plain.addLine(stem(5));

        const int e = int(stem(5).indexOf(QLatin1Char('E')));
        const int two = int(stem(5).size()) - 1;
        const QImage raisedImage = picture(box);
        const QImage plainImage = picture(&plain);
        const Ink raisedE = inkOfCharacter(box, raisedImage, e);
        const Ink raisedTwo = inkOfCharacter(box, raisedImage, two);
        const Ink plainE = inkOfCharacter(&plain, plainImage, e);
        const Ink plainTwo = inkOfCharacter(&plain, plainImage, two);
        QVERIFY(raisedE.found() && raisedTwo.found() && plainE.found() && plainTwo.found());

        // Three points at 96 pixels per inch: 4 pixels.
        QCOMPARE(box->logicalDpiY(), 96);
        QCOMPARE((raisedE.bottom - raisedTwo.bottom) - (plainE.bottom - plainTwo.bottom), 4);
        QCOMPARE(raisedTwo.height(), plainTwo.height());
        QCOMPARE(raisedE.height(), plainE.height());
    }
};

QTEST_MAIN(MarksTest)
#include "tst_marks.moc"
