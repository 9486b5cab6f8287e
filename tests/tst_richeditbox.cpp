// The rich-text box the questionnaire and the review show their texts in: searching its
// text, reading it back, selecting a range and formatting it bold or raised, and clearing it.

#include "RichEditBox.h"
#include "TestSupport.h"

#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

class RichEditBoxTest : public QObject
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
        QCOMPARE(marked.grab().toImage(), fresh.grab().toImage());
    }
};

QTEST_MAIN(RichEditBoxTest)
#include "tst_richeditbox.moc"
