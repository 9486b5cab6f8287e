#include "RichEditBox.h"

#include "Controls.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
constexpr qreal RaiseInPoints = 3.0; // 60 twips
}

RichEditBox::RichEditBox(QWidget *parent) : QTextEdit(parent), m_selection(document())
{
    setUpReadOnlyTextBox(this, 1);
}

RichEditBox::DeferredLayout::DeferredLayout(RichEditBox *box) : m_box(box)
{
    QTextCursor(box->document()).beginEditBlock();
    ++box->m_deferredLayouts;
}

RichEditBox::DeferredLayout::~DeferredLayout()
{
    --m_box->m_deferredLayouts;
    QTextCursor(m_box->document()).endEditBlock();
    m_box->showCaret();
}

void RichEditBox::clearAll()
{
    document()->clear();
    m_selection = QTextCursor();
    m_caret = 0;
    setCurrentCharFormat(QTextCharFormat());
}

void RichEditBox::addLine(const QString &line)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(line, QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    // The text is read from its start: keep the caret there rather than on the empty line
    // after it, which the box would otherwise scroll into view.
    m_caret = 0;
    showCaret();
}

void RichEditBox::showCaret()
{
    if (m_deferredLayouts > 0)
        return;
    QTextCursor caret(document());
    caret.setPosition(qBound(0, m_caret, document()->characterCount() - 1));
    setTextCursor(caret);
    ensureCursorVisible();
}

int RichEditBox::find(const QString &text, int start, int length) const
{
    if (text.isEmpty() || start < 0 || length < int(text.size()))
        return -1;
    const QString range = wholeText().mid(start, length);
    const auto found = int(range.indexOf(text, 0, Qt::CaseInsensitive));
    return found < 0 ? -1 : start + found;
}

QString RichEditBox::wholeText() const
{
    return document()->toPlainText();
}

QString RichEditBox::firstLine() const
{
    return document()->firstBlock().text();
}

void RichEditBox::setSelStart(int position)
{
    m_selection = QTextCursor(document());
    m_selection.setPosition(qBound(0, position, document()->characterCount() - 1));
}

void RichEditBox::setSelLength(int count)
{
    const int start = m_selection.isNull() ? 0 : m_selection.selectionStart();
    const int end = qBound(start, start + count, document()->characterCount() - 1);
    m_selection = QTextCursor(document());
    m_selection.setPosition(start);
    m_selection.setPosition(end, QTextCursor::KeepAnchor);
    m_caret = end;
    showCaret();
}

qreal RichEditBox::superscriptOffsetPercent() const
{
    const qreal raiseInPixels = RaiseInPoints * logicalDpiY() / 72.0;
    return 100.0 * raiseInPixels / QFontMetricsF(font()).height();
}

void RichEditBox::applySuperscriptFormat()
{
    QTextCharFormat format;
    format.setBaselineOffset(superscriptOffsetPercent());
    mergeSelectionFormat(format);
}

void RichEditBox::setSelBold()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    mergeSelectionFormat(format);
}

void RichEditBox::mergeSelectionFormat(const QTextCharFormat &format)
{
    if (m_selection.hasSelection())
        m_selection.mergeCharFormat(format);
}
