#include "Controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>

void setRadioChecked(QRadioButton *button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
    // Checking through a lifted group must still uncheck the siblings.
    if (checked && exclusive) {
        for (auto *sibling : button->parentWidget()->findChildren<QRadioButton *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (sibling != button && sibling->autoExclusive())
                setRadioChecked(sibling, false);
        }
    }
}

void setLiteralCaption(QAbstractButton *button, const QString &text)
{
    button->setText(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")));
}

void setAutoSizedText(QLabel *label, const QString &text)
{
    label->setWordWrap(false);
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
}

void setUpReadOnlyTextBox(QTextEdit *box, int margin)
{
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    box->setUndoRedoEnabled(false);
    box->document()->setDocumentMargin(margin);
}
