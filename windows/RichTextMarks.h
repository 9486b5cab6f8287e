// Marks: formatting applied to a range that a search in a rich-text box has located.
// Each search starts at the beginning of the text and ignores letter case; when the
// searched text is absent nothing is marked.
#pragma once

class QString;
class RichEditBox;

// Raises `count` characters, starting `offset` after the first occurrence of `snippet`
// in the box's first line.
void RaiseInFirstLine(RichEditBox *box, const QString &snippet, int offset, int count);

// The same within the box's whole text.
void RaiseInWholeText(RichEditBox *box, const QString &snippet, int offset, int count);

// Sets every occurrence of `text`, and the one character after it, in bold.
void BoldEveryOccurrence(RichEditBox *box, const QString &text);
