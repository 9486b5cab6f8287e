#include "AvisoUnit.h"
#include "ui_AvisoUnit.h"

#include "TestDefinitionUnit.h"

TAvisoForm *AvisoForm = nullptr;

TAvisoForm::TAvisoForm(QWidget *parent) : Form(parent), ui(new Ui::TAvisoForm)
{
    ui->setupUi(client());
    loadLayout(Scaling::Scaled);
    connect(this, &Form::showing, this, &TAvisoForm::FormShow);
}

TAvisoForm::~TAvisoForm() = default;

void TAvisoForm::FormShow()
{
    ui->Memo1->clearLines();
    ui->Memo1->addLine(QStringLiteral("Usted ha dejado sin responder las preguntas:"));
    ui->Memo1->addLine(QString());
    ui->Memo1->addLine(QString::fromStdString(BlankItemsText()));
    ui->Memo1->addLine(QString());
    ui->Memo1->addLine(QStringLiteral("¿Quiere revisar de nuevo sus respuestas?"));
}
