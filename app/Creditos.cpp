#include "Creditos.h"

TCreditosForm *CreditosForm = nullptr;

TCreditosForm::TCreditosForm(QWidget *parent) : Form(parent)
{
    ui.setupUi(client());
    loadLayout(Scaling::Scaled);
}
