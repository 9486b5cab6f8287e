#include "MemoBox.h"

#include "Controls.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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

void MemoBox::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyLineHeight();
}

void MemoBox::applyLineHeight()
{
    QTextBlockFormat format;
    format.setLineHeight(fontMetrics().height(), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}
