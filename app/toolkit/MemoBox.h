// A read-only, multi-line plain text box whose lines are exactly as high as its font,
// as in the text boxes the layouts were designed with; Qt would add the font's leading.
#pragma once

#include <QTextEdit>

class MemoBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit MemoBox(QWidget *parent = nullptr);

    void clearLines();
    void addLine(const QString &line);

protected:
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyLineHeight();
};
