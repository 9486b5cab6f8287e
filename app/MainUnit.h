// The main window: the introduction to the test and the buttons that start it, show the
// credits and end the program.
#pragma once

#include "Form.h"
#include "ui_MainUnit.h"

class TMainForm : public Form
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);

    Ui::TMainForm ui;

private:
    void TestButtonClick();
    void FormCreate();
    void Button2Click();
    void Button1Click();
};

extern TMainForm *MainForm;
