// Every text the program shows is seen whole: no box offers a way to scroll (no scroll
// bars, inert panels), so a stem, a commentary, a continuation or a memo that does not fit
// its control would be cut off for good. Measured with the fonts the windows really use.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "MainUnit.h"
#include "MemoBox.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

// How a text box's content stands in its viewport.
struct Extent {
    int top = 0;    // top of the first line, viewport coordinates
    int bottom = 0; // bottom of the last line that holds text
    int right = 0;  // right end of the widest line, trailing blanks left out
    int lines = 0;  // lines of text, wrapped lines counted
    int viewportWidth = 0;
    int viewportHeight = 0;
    int scrollMaximum = 0;
    int scrollValue = 0;

    bool fits() const
    {
        return top >= 0 && bottom <= viewportHeight && right <= viewportWidth && scrollValue == 0;
    }
    QString describe() const
    {
        return QStringLiteral("%1 lines, text %2..%3 high and %4 wide in a %5 x %6 viewport, "
                              "scroll %7 of %8")
            .arg(lines)
            .arg(top)
            .arg(bottom)
            .arg(right)
            .arg(viewportWidth)
            .arg(viewportHeight)
            .arg(scrollValue)
            .arg(scrollMaximum);
    }
};

// Measures through the box's own caret rectangles, which account for its margins, its
// scroll offset and the formats in the text (bold references, raised exponents).
template <typename Box> Extent measure(Box *box)
{
    Extent e;
    e.viewportWidth = box->viewport()->width();
    e.viewportHeight = box->viewport()->height();
    e.scrollMaximum = box->verticalScrollBar()->maximum();
    e.scrollValue = box->verticalScrollBar()->value();
    QTextDocument *document = box->document();
    bool first = true;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed().isEmpty())
            continue;
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString text = block.text().mid(line.textStart(), line.textLength());
            int visible = int(text.size());
            while (visible > 0 && text.at(visible - 1).isSpace())
                --visible;
            QTextCursor cursor(document);
            cursor.setPosition(block.position() + line.textStart());
            const QRect start = box->cursorRect(cursor);
            cursor.setPosition(block.position() + line.textStart() + visible);
            const QRect end = box->cursorRect(cursor);
            if (first)
                e.top = start.top();
            first = false;
            e.bottom = qMax(e.bottom, end.bottom() + 1);
            e.right = qMax(e.right, end.left());
            ++e.lines;
        }
    }
    return e;
}

QString fontOf(const QWidget *widget)
{
    const QFontInfo info(widget->font());
    return QStringLiteral("%1 %2px").arg(info.family()).arg(info.pixelSize());
}

} // namespace

class TextFitTest : public ProgramWindowsTest
{
    Q_OBJECT

    // Walks a window from question 1 to 24 with "Siguiente" and checks what it shows of each.
    template <typename Window> void verifyEveryQuestion(Window *window, bool withCommentary)
    {
        QStringList failures;
        QString widestStem, tallestCommentary;
        int tallest = 0;
        showModallyAndRun(window, [&] {
            for (int q = 1; q <= QuestionCount; ++q) {
                if (q > 1)
                    control<QPushButton>(window, "Button3")->click();
                const QString where =
                    QStringLiteral("%1, question %2: ").arg(window->windowTitle()).arg(q);
                const Extent stem = measure(control<RichEditBox>(window, "QuestionsRichEdit"));
                if (!stem.fits())
                    failures << where + QStringLiteral("stem: ") + stem.describe();
                for (QRadioButton *button : window->radioButtons()) {
                    const int needed = neededWidth(button, button->text());
                    if (needed > button->width()) {
                        failures << where + button->objectName() +
                                        QStringLiteral(" needs %1 of %2 pixels (%3)")
                                            .arg(needed)
                                            .arg(button->width())
                                            .arg(fontOf(button));
                    }
                }
                if (withCommentary) {
                    const Extent commentary = measure(control<RichEditBox>(RCForm, "RCRichEdit"));
                    if (!commentary.fits() || commentary.scrollMaximum != 0)
                        failures << where + QStringLiteral("commentary: ") + commentary.describe();
                    if (commentary.bottom > tallest) {
                        tallest = commentary.bottom;
                        tallestCommentary = where + commentary.describe();
                    }
                }
            }
        });
        if (withCommentary)
            qInfo("tallest commentary: %s (%s)", qPrintable(tallestCommentary),
                  qPrintable(fontOf(control<RichEditBox>(RCForm, "RCRichEdit"))));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // Text boxes lay their lines out at the font's height, closer than the caret's height,
    // so they are measured by the extent of their laid-out document.
    void verifyMemo(QTextEdit *memo, const QString &name)
    {
        const Extent e = measure(memo);
        QVERIFY2(e.lines > 0, qPrintable(name));
        const QSizeF laidOut(memo->document()->idealWidth(), memo->document()->size().height());
        const QString description =
            name + QStringLiteral(": ") + e.describe() +
            QStringLiteral(", document %1 x %2 (").arg(laidOut.width()).arg(laidOut.height()) +
            fontOf(memo) + QLatin1Char(')');
        QVERIFY2(laidOut.width() <= e.viewportWidth && laidOut.height() <= e.viewportHeight,
                 qPrintable(description));
        QVERIFY2(e.scrollMaximum == 0 && e.scrollValue == 0, qPrintable(description));
    }

private slots:
    void questionnaireStemsAndContinuations() { verifyEveryQuestion(CuestionarioForm, false); }

    // The review shows the stems and continuations again in its own boxes, and the
    // commentaries, the longest texts of the program, with their marks applied.
    void reviewStemsContinuationsAndCommentaries()
    {
        QCOMPARE(control<RichEditBox>(RCForm, "RCRichEdit")->size(), QSize(1205, 388));
        verifyEveryQuestion(RCForm, true);
    }

    // The measure itself: a commentary made too long for the box must be caught.
    void measureCatchesAnOverlongText()
    {
        RichEditBox *box = control<RichEditBox>(RCForm, "RCRichEdit");
        QString longest;
        for (int q = 1; q <= QuestionCount; ++q) {
            const QString text = commentary(q);
            if (text.size() > longest.size())
                longest = text;
        }
        bool caught = false;
        bool fitsOnce = false;
        whenShownModally(RCForm, [&] {
            box->clearAll();
            box->addLine(longest);
            fitsOnce = measure(box).fits();
            box->clearAll();
            box->addLine(longest + QLatin1Char(' ') + longest);
            caught = !measure(box).fits();
            pressCloseBox(RCForm);
        });
        RCForm->showModal();
        QVERIFY(fitsOnce);
        QVERIFY(caught);
    }

    void memoFits_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("shown");
        QTest::newRow("introduction") << "main" << 23 << "Consta de 24 frases";
        QTest::newRow("credits") << "credits" << 17 << "Sofía Vega Blanco.";
        // The notice at its fullest: all 24 questions blank.
        QTest::newRow("notice") << "notice" << 5 << EveryQuestion;
    }

    // The three plain text boxes show their whole texts, in so many lines.
    void memoFits()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, shown);
        Form *window = programWindow(windowName);
        auto *memo = control<MemoBox>(window, "Memo1");
        whileShown(window, [&] {
            QVERIFY(memo->isVisible());
            QVERIFY2(memo->toPlainText().contains(shown), qPrintable(memo->toPlainText()));
            QTEST(memo->document()->lineCount(), "lines");
            verifyMemo(memo, windowName);
        });
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
