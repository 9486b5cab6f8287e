#include "Inert.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

const char InertProperty[] = "inert";

// Swallows every mouse event an inert control is sent directly; those that come through
// the window pass through it already.
class MouseBlocker : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }
};

// An inert control as assistive technology sees it: what Qt's own interface says of it,
// but no action at all.
class InertAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override { return {}; }
    void doAction(const QString &) override {}
};

// A caption as it reads: "&&" shows "&", and a single "&" marks a mnemonic, not shown.
QString withoutMnemonic(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

// A radio button, check box or push button: its caption, and whether it is checked.
class InertButtonAccessible : public InertAccessible
{
public:
    explicit InertButtonAccessible(QAbstractButton *button)
        : InertAccessible(button, roleOf(button))
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return withoutMnemonic(button()->text());
        return InertAccessible::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = InertAccessible::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        return state;
    }

private:
    static QAccessible::Role roleOf(const QAbstractButton *button)
    {
        if (qobject_cast<const QRadioButton *>(button))
            return QAccessible::RadioButton;
        if (qobject_cast<const QCheckBox *>(button))
            return QAccessible::CheckBox;
        return QAccessible::PushButton;
    }

    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// A read-only text box: its whole text, line by line, with its characters' formats, but
// no editing, no selection, no caret and no scrolling. Characters raised above the base
// line are superscript: Qt would call them baseline, since only a smaller, raised format
// counts as superscript for it, and the boxes raise characters at full size.
class InertTextAccessible : public InertAccessible, public QAccessibleTextInterface
{
public:
    explicit InertTextAccessible(QTextEdit *box) : InertAccessible(box, QAccessible::EditableText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return InertAccessible::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->toPlainText();
        return InertAccessible::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = InertAccessible::state();
        state.readOnly = true;
        state.editable = false;
        state.multiLine = true;
        return state;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->toPlainText().mid(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return int(box()->toPlainText().size()); }
    int cursorPosition() const override { return box()->textCursor().position(); }
    int selectionCount() const override { return 0; }

    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }

    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QTextEdit *box() const { return static_cast<QTextEdit *>(widget()); }
    QString describe(const QTextCharFormat &format) const;
};

QRect InertTextAccessible::characterRect(int offset) const
{
    const QTextDocument *document = box()->document();
    const QTextBlock block = document->findBlock(offset);
    const QTextLayout *layout = block.layout();
    const int inBlock = offset - block.position();
    const QTextLine line = layout ? layout->lineForTextPosition(inBlock) : QTextLine();
    if (!line.isValid())
        return {};
    const qreal left = line.cursorToX(inBlock);
    QRectF rect(left, line.y(), line.cursorToX(inBlock + 1) - left, line.height());
    rect.translate(layout->position());
    rect.translate(-box()->horizontalScrollBar()->value(), -box()->verticalScrollBar()->value());
    return QRect(box()->viewport()->mapToGlobal(rect.topLeft().toPoint()), rect.size().toSize());
}

int InertTextAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
}

// In the names and values assistive technology expects of Qt (IAccessible2's), which Qt
// passes on to AT-SPI as "vertical-align", "weight" and so on.
QString InertTextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // As Qt's own boxes: -2 is the caret, -1 and the end stand for the last character.
    const int count = characterCount();
    if (offset == -2)
        offset = cursorPosition();
    if (offset == -1 || offset == count)
        offset = count - 1;
    if (offset < 0 || offset > count) {
        *startOffset = -1;
        *endOffset = -1;
        return {};
    }
    const QTextBlock block = box()->document()->findBlock(offset);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(offset)) {
            *startOffset = fragment.position();
            *endOffset = fragment.position() + fragment.length();
            return describe(fragment.charFormat());
        }
    }
    // The line break that ends the block.
    *startOffset = offset;
    *endOffset = offset + 1;
    return describe(block.charFormat());
}

QString InertTextAccessible::describe(const QTextCharFormat &format) const
{
    const QFont font = format.font().resolve(box()->document()->defaultFont());
    const qreal points =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / box()->logicalDpiY();
    QString position = QStringLiteral("baseline");
    if (format.baselineOffset() > 0 ||
        format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        position = QStringLiteral("super");
    else if (format.baselineOffset() < 0 ||
             format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        position = QStringLiteral("sub");
    return QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;font-style:%4;"
                          "text-position:%5;")
        .arg(font.family())
        .arg(qRound(points))
        .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
        .arg(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"))
        .arg(position);
}

QAccessibleInterface *inertInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !isInert(widget))
        return nullptr;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return new InertButtonAccessible(button);
    if (auto *box = qobject_cast<QTextEdit *>(widget))
        return new InertTextAccessible(box);
    return nullptr;
}

} // namespace

void makeInert(QWidget *panel)
{
    auto *blocker = new MouseBlocker(panel);
    panel->setEnabled(true);
    panel->setProperty(InertProperty, true);
    QList<QWidget *> widgets = panel->findChildren<QWidget *>();
    widgets.prepend(panel);
    for (QWidget *widget : widgets) {
        widget->setFocusPolicy(Qt::NoFocus);
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->installEventFilter(blocker);
        if (auto *text = qobject_cast<QTextEdit *>(widget))
            text->setTextInteractionFlags(Qt::NoTextInteraction);
    }
}

bool isInert(const QWidget *widget)
{
    for (; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        if (widget->property(InertProperty).toBool() || widget->testAttribute(Qt::WA_ForceDisabled))
            return true;
    }
    return false;
}

void installInertAccessibility()
{
    QAccessible::installFactory(inertInterface);
}
