// The evaluation: how many answers are correct, the percentage, and which items were
// answered wrongly or left blank, always for the answers just submitted.
#pragma once

#include "Form.h"

#include <memory>

namespace Ui {
class TEvaluacionForm;
}

class TEvaluacionForm : public Form
{
    Q_OBJECT

public:
    explicit TEvaluacionForm(QWidget *parent = nullptr);
    ~TEvaluacionForm() override;

    // The percentage of correct answers as shown, in the locale's number format with one
    // decimal digit but always the digits 0-9, followed by "%".
    static QString PercentText(int correct, const QLocale &locale);

private:
    std::unique_ptr<Ui::TEvaluacionForm> ui;

    void FormCreate();
    void FormShow();
};

extern TEvaluacionForm *EvaluacionForm;
