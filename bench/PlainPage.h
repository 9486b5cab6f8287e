// The floor of a page turn: the texts of a question put into plain Qt widgets that have
// the places, sizes and fonts of a paging window's controls, with no marks and none of the
// program's window layer.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QGroupBox;
class QRadioButton;
class QTextEdit;

struct PageControls {
    QWidget *window;
    QGroupBox *group;
    QTextEdit *stem;
    std::array<QRadioButton *, 4> options;
    QTextEdit *commentary; // null for a window without one
};

class PlainPage : public QDialog
{
public:
    // Copies the window's size and its controls' places and fonts; `checkedOption` gives
    // the option (1 to 4, or none) to check for a question.
    PlainPage(const PageControls &model, std::function<int(int question)> checkedOption);

    // Fills the page for a question (1 to 24) as the window would, without marks.
    void fill(int question);

private:
    QGroupBox *m_group;
    QTextEdit *m_stem;
    std::array<QRadioButton *, 4> m_options;
    QTextEdit *m_commentary = nullptr;
    std::function<int(int)> m_checkedOption;
};
