// The credits: who made the test and who wrote the program.
#pragma once

#include "Form.h"

#include <memory>

namespace Ui {
class TCreditosForm;
}

class TCreditosForm : public Form
{
    Q_OBJECT

public:
    explicit TCreditosForm(QWidget *parent = nullptr);
    ~TCreditosForm() override;

private:
    std::unique_ptr<Ui::TCreditosForm> ui;
};

extern TCreditosForm *CreditosForm;
