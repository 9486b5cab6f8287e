#include "Creditos.h"
#include "ui_Creditos.h"

TCreditosForm *CreditosForm = nullptr;

TCreditosForm::TCreditosForm(QWidget *parent) : Form(parent), ui(new Ui::TCreditosForm)
{
    ui->setupUi(client());
    loadLayout(Scaling::Scaled);
}

TCreditosForm::~TCreditosForm() = default;
