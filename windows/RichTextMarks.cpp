#include "RichTextMarks.h"

#include "RichEditBox.h"

namespace {

void collapseSelection(RichEditBox *box)
{
    box->setSelLength(0);
}

void raiseAt(RichEditBox *box, int found, int offset, int count)
{
    if (found < 0)
        return;
    box->setSelStart(found + offset);
    box->setSelLength(count);
    box->applySuperscriptFormat();
}

} // namespace

void RaiseInFirstLine(RichEditBox *box, const QString &snippet, int offset, int count)
{
    collapseSelection(box);
    const int length = int(box->firstLine().size());
    raiseAt(box, box->find(snippet, 0, length), offset, count);
}

void RaiseInWholeText(RichEditBox *box, const QString &snippet, int offset, int count)
{
    collapseSelection(box);
    const int length = int(box->wholeText().size());
    raiseAt(box, box->find(snippet, 0, length), offset, count);
}

void BoldEveryOccurrence(RichEditBox *box, const QString &text)
{
    const int marked = int(text.size()) + 1;
    int found = box->find(text, 0, int(box->wholeText().size()));
    while (found != -1) {
        box->setSelStart(found);
        box->setSelLength(marked);
        box->setSelBold();
        const int length = int(box->wholeText().size());
        found = box->find(text, found + 1, length - (found + 1));
    }
}
