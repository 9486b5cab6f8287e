#include "RCUnit.h"
#include "ui_RCUnit.h"

#include "FitToScreen.h"
#include "QuestionDisplay.h"
#include "RichTextMarks.h"
#include "TestDefinitionUnit.h"

TRCForm *RCForm = nullptr;

TRCForm::TRCForm(QWidget *parent) : Form(parent), ui(new Ui::TRCForm)
{
    ui->setupUi(client());
    loadLayout(Scaling::Scaled);
    connect(this, &Form::showing, this, &TRCForm::FormShow);
    onClick(ui->Button1, &TRCForm::Button1Click);
    onClick(ui->Button2, &TRCForm::Button2Click);
    onClick(ui->Button3, &TRCForm::Button3Click);
    onClick(ui->Button4, &TRCForm::Button4Click);
    FormCreate();
}

TRCForm::~TRCForm() = default;

ContinuationButtons TRCForm::radioButtons() const
{
    return {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4};
}

void TRCForm::FormCreate()
{
    FitToScreen(this);
}

void TRCForm::FormShow()
{
    CurrentQuestion = 1;
    ShowQuestion();
}

void TRCForm::ShowQuestion()
{
    const int q = CurrentQuestion;
    ShowStemAndContinuations(ui->QuestionsGroupBox, ui->QuestionsRichEdit, radioButtons(), q);
    CheckOnly(radioButtons(), CorrectOptions[q - 1]);
    ui->RCRichEdit->clearAll();
    const RichEditBox::DeferredLayout stemLayout(ui->QuestionsRichEdit);
    const RichEditBox::DeferredLayout commentaryLayout(ui->RCRichEdit);
    ui->RCRichEdit->addLine(QString::fromStdString(Commentary(q)));
    if (q == 5)
        RaiseFormulaExponents();
    if (q == 13)
        RaiseNanoExponent();
    BoldOptionReferences();
}

// Question 5: the exponents of "E = mc2", "c2", "3 X 108" and "9 X 1013" in the
// commentary, then the square in the stem.
void TRCForm::RaiseFormulaExponents()
{
    struct Exponent {
        const char *snippet;
        int offset;
        int count;
    };
    static constexpr Exponent exponents[] = {
        {"mc2", 2, 1}, {"c2,", 1, 1}, {"108", 2, 1}, {"1013", 2, 2}};
    for (const Exponent &exponent : exponents) {
        RaiseInWholeText(ui->RCRichEdit, QString::fromLatin1(exponent.snippet), exponent.offset,
                         exponent.count);
    }
    RaiseInFirstLine(ui->QuestionsRichEdit, QStringLiteral("2"), 0, 1);
}

// Question 13: the exponent of "1 nm = 10-9 m".
void TRCForm::RaiseNanoExponent()
{
    RaiseInWholeText(ui->RCRichEdit, QStringLiteral("-9"), 0, 2);
}

// Every "q." of the commentary of question q, with the option digit after it.
void TRCForm::BoldOptionReferences()
{
    BoldEveryOccurrence(ui->RCRichEdit, QString::number(CurrentQuestion) + QLatin1Char('.'));
}

void TRCForm::Button1Click()
{
    CurrentQuestion = 1;
    ShowQuestion();
}

void TRCForm::Button2Click()
{
    if (CurrentQuestion <= 1)
        return;
    --CurrentQuestion;
    ShowQuestion();
}

void TRCForm::Button3Click()
{
    if (CurrentQuestion >= QuestionCount)
        return;
    ++CurrentQuestion;
    ShowQuestion();
}

void TRCForm::Button4Click()
{
    CurrentQuestion = QuestionCount;
    ShowQuestion();
}
