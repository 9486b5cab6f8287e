// The rich-text box operations that the marks are built from, the marks themselves on
// small texts, and the marks exactly as the questionnaire and the answer review show them:
// which characters are raised, which are bold, that nothing else changes, and that a
// raised exponent is drawn higher at its full size.

#include "CuestionarioUnit.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "RichTextMarks.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <climits>
#include <memory>

namespace {

// The character format of every character of the box, by position. Block separators are
// not characters of a fragment, so the positions are those of the box's whole text.
QList<QTextCharFormat> characterFormats(const RichEditBox *box)
{
    QList<QTextCharFormat> formats(box->wholeText().size());
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (int i = fragment.position(); i < fragment.position() + fragment.length(); ++i)
                formats[i] = fragment.charFormat();
        }
    }
    return formats;
}

bool isRaised(const QTextCharFormat &format)
{
    return format.baselineOffset() > 0;
}
bool isBold(const QTextCharFormat &format)
{
    return format.fontWeight() > QFont::Normal;
}

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

class MarksTest : public ProgramWindowsTest
{
    Q_OBJECT

private slots:
    // Find: letter case ignored, matches inside words, bounded to [start, start + length).
    void findSearchesOnlyItsRangeIgnoringCase()
    {
        RichEditBox box;
        box.addLine(QStringLiteral("Hola Mundo, mundo redondo"));
        const int length = int(box.wholeText().size());
        QCOMPARE(box.find(QStringLiteral("MUNDO"), 0, length), 5);
        QCOMPARE(box.find(QStringLiteral("mundo"), 6, length - 6), 12);
        QCOMPARE(box.find(QStringLiteral("und"), 0, length), 6); // inside a word
        QCOMPARE(box.find(QStringLiteral("ondo"), 13, length - 13), 21);
        QCOMPARE(box.find(QStringLiteral("planeta"), 0, length), -1);
        // The occurrence must lie wholly inside the range.
        QCOMPARE(box.find(QStringLiteral("Mundo"), 0, 9), -1);
        QCOMPARE(box.find(QStringLiteral("Mundo"), 0, 10), 5);
        QCOMPARE(box.find(QStringLiteral("Hola"), 1, length - 1), -1);
        QCOMPARE(box.find(QStringLiteral("mundo"), 13, length - 13), -1);
        // A range running past the end of the text finds what the text holds.
        QCOMPARE(box.find(QStringLiteral("redondo"), 0, length + 50), 18);
        // Accented letters are found ignoring case as well.
        box.clearAll();
        box.addLine(QStringLiteral("ÉL Y LA ENERGÍA"));
        QCOMPARE(box.find(QStringLiteral("energía"), 0, int(box.wholeText().size())), 8);
    }

    // Whole text, first line and positions after a line break: one position per line break,
    // the same for find and for selections.
    void textReadBackAndPositions()
    {
        RichEditBox box;
        box.addLine(QStringLiteral("La fórmula E = mc2"));
        QCOMPARE(box.wholeText(), QStringLiteral("La fórmula E = mc2\n"));
        QCOMPARE(box.firstLine(), QStringLiteral("La fórmula E = mc2"));

        box.addLine(QStringLiteral("segunda 5.3"));
        QCOMPARE(box.wholeText(), QStringLiteral("La fórmula E = mc2\nsegunda 5.3\n"));
        QCOMPARE(box.firstLine(), QStringLiteral("La fórmula E = mc2"));
        const int found = box.find(QStringLiteral("5.3"), 0, int(box.wholeText().size()));
        QCOMPARE(found, 27);
        box.setSelStart(found);
        box.setSelLength(3);
        box.setSelBold();
        const QList<QTextCharFormat> formats = characterFormats(&box);
        QString boldText;
        for (int i = 0; i < formats.size(); ++i) {
            if (isBold(formats.at(i)))
                boldText += box.wholeText().at(i);
        }
        QCOMPARE(boldText, QStringLiteral("5.3"));
    }

    void selectionStartAndLength()
    {
        RichEditBox box;
        box.addLine(QStringLiteral("0123456789"));
        box.setSelStart(4);
        QCOMPARE(box.selStart(), 4);
        QCOMPARE(box.selLength(), 0);
        box.setSelLength(3);
        QCOMPARE(box.selStart(), 4);
        QCOMPARE(box.selLength(), 3);
        // Collapsing keeps the start.
        box.setSelLength(0);
        QCOMPARE(box.selStart(), 4);
        QCOMPARE(box.selLength(), 0);
        box.setSelLength(2);
        // A new start empties the selection.
        box.setSelStart(1);
        QCOMPARE(box.selStart(), 1);
        QCOMPARE(box.selLength(), 0);
        // Formatting with an empty selection changes nothing.
        box.setSelBold();
        box.applySuperscriptFormat();
        for (const QTextCharFormat &format : characterFormats(&box))
            QVERIFY(!isBold(format) && !isRaised(format));
    }

    // Setting the length scrolls the box so that the caret is in view.
    void selectionLengthScrollsTheCaretIntoView()
    {
        RichEditBox box;
        box.resize(300, 60);
        for (int line = 1; line <= 40; ++line)
            box.addLine(QStringLiteral("línea %1").arg(line));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.verticalScrollBar()->setValue(0);
        const auto selectAndCheckCaret = [&box](const QString &line) {
            const int found = box.find(line, 0, int(box.wholeText().size()));
            QVERIFY(found > 0);
            box.setSelStart(found);
            box.setSelLength(int(line.size()));
            QTextCursor caret(box.document());
            caret.setPosition(found + int(line.size()));
            QVERIFY(box.viewport()->rect().contains(box.cursorRect(caret).center()));
        };
        selectAndCheckCaret(QStringLiteral("línea 35"));
        const int down = box.verticalScrollBar()->value();
        QVERIFY(down > 0);
        selectAndCheckCaret(QStringLiteral("línea 3\n"));
        QVERIFY(box.verticalScrollBar()->value() < down);
    }

    // Bold is exactly bold: it takes italic, underline and strike-out away and keeps the raise;
    // raising keeps bold and every other property.
    void boldIsExactlyBoldAndMarksCombine()
    {
        RichEditBox box;
        box.addLine(QStringLiteral("abcdef"));
        QTextCursor styled(box.document());
        styled.setPosition(0);
        styled.setPosition(6, QTextCursor::KeepAnchor);
        QTextCharFormat decorated;
        decorated.setFontItalic(true);
        decorated.setFontUnderline(true);
        decorated.setFontStrikeOut(true);
        styled.mergeCharFormat(decorated);

        box.setSelStart(0);
        box.setSelLength(2);
        box.applySuperscriptFormat();
        box.setSelStart(1);
        box.setSelLength(3);
        box.setSelBold();
        box.setSelStart(3);
        box.setSelLength(2);
        box.applySuperscriptFormat();

        const QList<QTextCharFormat> formats = characterFormats(&box);
        const bool raised[] = {true, true, false, true, true, false};
        const bool bold[] = {false, true, true, true, false, false};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(isRaised(formats.at(i)), raised[i]);
            QCOMPARE(isBold(formats.at(i)), bold[i]);
            QCOMPARE(formats.at(i).fontItalic(), !bold[i]);
            QCOMPARE(formats.at(i).fontUnderline(), !bold[i]);
            QCOMPARE(formats.at(i).fontStrikeOut(), !bold[i]);
            QCOMPARE(formats.at(i).verticalAlignment(), QTextCharFormat::AlignNormal);
            QVERIFY(!formats.at(i).hasProperty(QTextFormat::FontPixelSize));
            QVERIFY(!formats.at(i).hasProperty(QTextFormat::FontPointSize));
        }
        // The raise is the same for every raised character, whatever else they carry.
        QCOMPARE(formats.at(0).baselineOffset(), formats.at(4).baselineOffset());
        QCOMPARE(formats.at(1).baselineOffset(), formats.at(3).baselineOffset());
    }

    // Clearing removes the text with all its formatting: text added afterwards is plain, on
    // the base line and in the declared font, and draws exactly as in a box never marked.
    void clearingRemovesTextAndFormatting()
    {
        QFont declared(QStringLiteral("Lucida Sans Unicode"));
        declared.setPixelSize(21);
        RichEditBox marked;
        RichEditBox fresh;
        for (RichEditBox *box : {&marked, &fresh}) {
            box->setFont(declared);
            box->resize(500, 60);
        }
        marked.addLine(QStringLiteral("13.1 y 10-9 m"));
        marked.setSelStart(0);
        marked.setSelLength(13);
        marked.setSelBold();
        marked.applySuperscriptFormat();
        QTextCursor styled(marked.document());
        styled.setPosition(0);
        styled.setPosition(13, QTextCursor::KeepAnchor);
        QTextCharFormat other;
        other.setFontItalic(true);
        other.setFontPointSize(40);
        styled.mergeCharFormat(other);

        marked.clearAll();
        QCOMPARE(marked.wholeText(), QString());
        marked.addLine(QStringLiteral("E = mc2"));
        fresh.addLine(QStringLiteral("E = mc2"));
        QCOMPARE(marked.wholeText(), QStringLiteral("E = mc2\n"));
        for (const QTextCharFormat &format : characterFormats(&marked)) {
            QVERIFY(!isRaised(format) && !isBold(format) && !format.fontItalic());
            QVERIFY(!format.hasProperty(QTextFormat::FontPointSize));
            QVERIFY(!format.hasProperty(QTextFormat::FontPixelSize));
        }
        QTextCursor inside(marked.document());
        inside.setPosition(3);
        QCOMPARE(inside.charFormat().font().resolve(marked.font()).pixelSize(), 21);
        QCOMPARE(marked.document()->defaultFont().pixelSize(), 21);
        QCOMPARE(picture(&marked), picture(&fresh));
    }

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
        showModallyAndRun(CuestionarioForm, [this] { questionnaireMarks(); });
    }

    // On the screen the raised "2" stands 3 points (4 pixels at 96 pixels per inch) higher
    // than it would unraised, measured against the base line of "E" in the same line, and
    // it is drawn at the same height.
    void raisedExponentIsDrawnHigherAtFullSize()
    {
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
        showModallyAndRun(RCForm, [&] {
            if (fromTheEnd) {
                control<QPushButton>(RCForm, "Button4")->click();
                clickTimes(control<QPushButton>(RCForm, "Button2"), QuestionCount - question);
            } else {
                clickTimes(control<QPushButton>(RCForm, "Button3"), question - 1);
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
        control<QPushButton>(CuestionarioForm, "Button1")->click();
        clickTimes(control<QPushButton>(CuestionarioForm, "Button3"), 4);
        checkMarks(box, {last}, {}, "questionnaire 5 again");
    }

    void drawnExponent()
    {
        clickTimes(control<QPushButton>(CuestionarioForm, "Button3"), 4);
        QCOMPARE(int(CuestionarioForm->CurrentQuestion), 5);
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
