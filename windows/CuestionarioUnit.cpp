#include "CuestionarioUnit.h"
#include "ui_CuestionarioUnit.h"

#include "AvisoUnit.h"
#include "FitToScreen.h"
#include "QuestionDisplay.h"
#include "RichTextMarks.h"
#include "TestDefinitionUnit.h"

TCuestionarioForm *CuestionarioForm = nullptr;

TCuestionarioForm::TCuestionarioForm(QWidget *parent) : Form(parent), ui(new Ui::TCuestionarioForm)
{
    ui->setupUi(client());
    loadLayout(Scaling::Scaled);
    connect(this, &Form::showing, this, &TCuestionarioForm::FormShow);
    connect(this, &Form::closing, this, &TCuestionarioForm::FormClose);
    onClick(ui->Button1, &TCuestionarioForm::Button1Click);
    onClick(ui->Button2, &TCuestionarioForm::Button2Click);
    onClick(ui->Button3, &TCuestionarioForm::Button3Click);
    onClick(ui->Button4, &TCuestionarioForm::Button4Click);
    onClick(ui->Button5, &TCuestionarioForm::Button5Click);
    FormCreate();
}

TCuestionarioForm::~TCuestionarioForm() = default;

ContinuationButtons TCuestionarioForm::radioButtons() const
{
    return {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4};
}

void TCuestionarioForm::FormCreate()
{
    FitToScreen(this);
}

void TCuestionarioForm::FormShow()
{
    CurrentQuestion = 1;
    ShowQuestion();
}

void TCuestionarioForm::FormClose()
{
    StoreAnswer();
}

void TCuestionarioForm::ShowQuestion()
{
    const int q = CurrentQuestion;
    ShowStemAndContinuations(ui->QuestionsGroupBox, ui->QuestionsRichEdit, radioButtons(), q);
    // The stem box takes no focus; when the focus enters the continuations a screen reader
    // speaks their frame, so the frame carries the stem as its description.
    ui->QuestionsGroupBox->setAccessibleDescription(ui->QuestionsRichEdit->firstLine());
    CheckOnly(radioButtons(), UserAnswers[q - 1]);
    if (q == 5)
        RaiseStemExponent();
}

void TCuestionarioForm::StoreAnswer()
{
    const int q = CurrentQuestion;
    UserAnswers[q - 1] = NoAnswer;
    const auto buttons = radioButtons();
    for (int k = 1; k <= OptionsPerQuestion; ++k) {
        if (buttons[k - 1]->isChecked())
            UserAnswers[q - 1] = k;
    }
}

// Raises the square of "E = mc2" in the stem of question 5.
void TCuestionarioForm::RaiseStemExponent()
{
    RaiseInFirstLine(ui->QuestionsRichEdit, QStringLiteral("2"), 0, 1);
}

void TCuestionarioForm::Button1Click()
{
    StoreAnswer();
    CurrentQuestion = 1;
    ShowQuestion();
}

void TCuestionarioForm::Button2Click()
{
    if (CurrentQuestion <= 1)
        return;
    StoreAnswer();
    --CurrentQuestion;
    ShowQuestion();
}

void TCuestionarioForm::Button3Click()
{
    if (CurrentQuestion >= QuestionCount)
        return;
    StoreAnswer();
    ++CurrentQuestion;
    ShowQuestion();
}

void TCuestionarioForm::Button4Click()
{
    StoreAnswer();
    CurrentQuestion = QuestionCount;
    ShowQuestion();
}

// Submits the test: at once when every question is answered, otherwise through the notice.
void TCuestionarioForm::Button5Click()
{
    StoreAnswer();
    if (BlankItemsText().empty() || AvisoForm->showModal() == OK)
        setModalResult(OK);
}
