#include "MainUnit.h"
#include "ui_MainUnit.h"

#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "FitToScreen.h"
#include "RCUnit.h"
#include "TestDefinitionUnit.h"

TMainForm *MainForm = nullptr;

TMainForm::TMainForm(QWidget *parent) : Form(parent), ui(new Ui::TMainForm)
{
    ui->setupUi(client());
    loadLayout(Scaling::Fixed);
    onClick(ui->TestButton, &TMainForm::TestButtonClick);
    onClick(ui->Button1, &TMainForm::Button1Click);
    onClick(ui->Button2, &TMainForm::Button2Click);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    FitToScreen(this);
}

// "Realizar Prueba": a cleared answer sheet, then the questionnaire, the evaluation and the
// review, each shown only when the one before it closed with OK.
void TMainForm::TestButtonClick()
{
    ResetAnswers();
    if (CuestionarioForm->showModal() != OK)
        return;
    if (EvaluacionForm->showModal() != OK)
        return;
    RCForm->showModal();
}

void TMainForm::Button1Click()
{
    CreditosForm->showModal();
}

void TMainForm::Button2Click()
{
    close();
}
