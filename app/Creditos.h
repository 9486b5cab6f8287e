// The credits: who made the test and who wrote the program.
#pragma once

#include "Form.h"
#include "ui_Creditos.h"

class TCreditosForm : public Form
{
    Q_OBJECT

public:
    explicit TCreditosForm(QWidget *parent = nullptr);

    Ui::TCreditosForm ui;
};

extern TCreditosForm *CreditosForm;
