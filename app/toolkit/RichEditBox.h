// A read-only rich-text box offering the operations the marks are built from: find,
// read the text back, select a range and format the selection. Positions are the box's
// own, one per character, counted from 0; a line break counts as one position.
#pragma once

#include <QTextCursor>
#include <QTextEdit>

class RichEditBox : public QTextEdit
{
    Q_OBJECT

public:
    // While one exists, the box defers laying out its text and scrolling to its caret:
    // filling and marking a long paragraph would otherwise lay it out again at every change.
    class DeferredLayout
    {
    public:
        explicit DeferredLayout(RichEditBox *box);
        ~DeferredLayout();
        DeferredLayout(const DeferredLayout &) = delete;
        DeferredLayout &operator=(const DeferredLayout &) = delete;

    private:
        RichEditBox *m_box;
    };

    explicit RichEditBox(QWidget *parent = nullptr);

    // Removes the text and all of its formatting.
    void clearAll();
    // Adds a paragraph followed by a line break, in the box's own font, plain.
    void addLine(const QString &line);

    // First occurrence of text within [start, start + length), letter case ignored, or -1.
    int find(const QString &text, int start, int length) const;
    QString wholeText() const;
    QString firstLine() const;

    void setSelStart(int position);
    // Keeps the selection's start, makes it count characters long and scrolls the caret into view.
    void setSelLength(int count);
    int selStart() const { return m_selection.selectionStart(); }
    int selLength() const { return m_selection.selectionEnd() - m_selection.selectionStart(); }

    // Raises the selection 3 points above the base line, keeping its size.
    void applySuperscriptFormat();
    // Sets the selection to exactly bold: bold on, italic, underline and strike-out off.
    void setSelBold();

    // The base-line offset that raises text by 3 points in this box's font, as Qt expresses
    // it: a percentage of the font's height.
    qreal superscriptOffsetPercent() const;

private:
    void mergeSelectionFormat(const QTextCharFormat &format);
    // Puts Qt's caret where the last selection ends and scrolls it into view.
    void showCaret();

    // The selection is kept apart from the caret that Qt draws, so that it is never seen,
    // as a box that hides its selection while it has no focus (and these never get it).
    QTextCursor m_selection;
    int m_caret = 0;
    int m_deferredLayouts = 0;
};
