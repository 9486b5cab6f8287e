// The notice shown when the test is submitted with questions left blank: it lists them
// and lets the user go back to the questions (Cancel) or on to the evaluation (OK).
#pragma once

#include "Form.h"

#include <memory>

namespace Ui {
class TAvisoForm;
}

class TAvisoForm : public Form
{
    Q_OBJECT

public:
    explicit TAvisoForm(QWidget *parent = nullptr);
    ~TAvisoForm() override;

private:
    std::unique_ptr<Ui::TAvisoForm> ui;

    void FormShow();
};

extern TAvisoForm *AvisoForm;
