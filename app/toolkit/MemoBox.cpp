#include "MemoBox.h"

#include "Controls.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

MemoBox::MemoBox(QWidget *parent) : QTextEdit(parent)
{
    setUpReadOnlyTextBox(this, 0);
    setAcceptRichText(false);
}

void MemoBox::clearLines()
{
    document()->clear();
}

void MemoBox::addLine(const QString &line)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty() || document()->blockCount() > 1)
        cursor.insertBlock();
    cursor.insertText(line);
    applyLineHeight();
    moveCursor(QTextCursor::Start);
}

// A layout sets a box's font in steps before its window is shown; measuring each step would
// load fonts the box never shows, so the line height follows the font only once the box
// is polished, which Qt does before it is first shown.
void MemoBox::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_WState_Polished))
        applyLineHeight();
}

bool MemoBox::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        applyLineHeight();
    return QTextEdit::event(event);
}

void MemoBox::applyLineHeight()
{
    QTextBlockFormat format;
    format.setLineHeight(fontMetrics().height(), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
    // Each paragraph keeps the glyphs shaped for its layout until it is painted; Qt would
    // drop them and shape the whole text once more for every painting.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}
