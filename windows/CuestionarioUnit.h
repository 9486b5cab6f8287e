// The questionnaire: one question at a time, its stem and four continuations, of which
// the user checks at most one. Leaving a question writes its answer into the sheet.
#pragma once

#include "Form.h"
#include "QuestionDisplay.h"

#include <cstdint>
#include <memory>

namespace Ui {
class TCuestionarioForm;
}

class TCuestionarioForm : public Form
{
    Q_OBJECT

public:
    explicit TCuestionarioForm(QWidget *parent = nullptr);
    ~TCuestionarioForm() override;

    std::uint8_t CurrentQuestion = 1;

    ContinuationButtons radioButtons() const;

private:
    std::unique_ptr<Ui::TCuestionarioForm> ui;

    void FormCreate();
    void FormShow();
    void FormClose();
    void ShowQuestion();
    void StoreAnswer();
    void RaiseStemExponent();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
};

extern TCuestionarioForm *CuestionarioForm;
