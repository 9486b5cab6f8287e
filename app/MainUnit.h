// The main window: the introduction to the test and the buttons that start it, show the
// credits and end the program.
#pragma once

#include "Form.h"

#include <memory>

namespace Ui {
class TMainForm;
}

class TMainForm : public Form
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

private:
    std::unique_ptr<Ui::TMainForm> ui;

    void TestButtonClick();
    void FormCreate();
    void Button2Click();
    void Button1Click();
};

extern TMainForm *MainForm;
