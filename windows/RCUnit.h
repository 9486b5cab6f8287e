// The answer review: every question with its correct continuation checked and a
// commentary on each continuation, with option references in bold and exponents raised.
#pragma once

#include "Form.h"
#include "QuestionDisplay.h"

#include <cstdint>
#include <memory>

namespace Ui {
class TRCForm;
}

class TRCForm : public Form
{
    Q_OBJECT

public:
    explicit TRCForm(QWidget *parent = nullptr);
    ~TRCForm() override;

    std::uint8_t CurrentQuestion = 1;

    ContinuationButtons radioButtons() const;

private:
    std::unique_ptr<Ui::TRCForm> ui;

    void FormCreate();
    void FormShow();
    void ShowQuestion();
    void RaiseFormulaExponents();
    void RaiseNanoExponent();
    void BoldOptionReferences();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
};

extern TRCForm *RCForm;
