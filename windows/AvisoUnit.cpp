#include "AvisoUnit.h"

#include "TestDefinitionUnit.h"

TAvisoForm *AvisoForm = nullptr;

TAvisoForm::TAvisoForm(QWidget *parent) : Form(parent)
{
    ui.setupUi(client());
    loadLayout(Scaling::Scaled);
    connect(this, &Form::showing, this, &TAvisoForm::FormShow);
}

void TAvisoForm::FormShow()
{
    ui.Memo1->clear();
    ui.Memo1->appendPlainText(QStringLiteral("Usted ha dejado sin responder las preguntas:"));
    ui.Memo1->appendPlainText(QString());
    ui.Memo1->appendPlainText(QString::fromStdString(BlankItemsText()));
    ui.Memo1->appendPlainText(QString());
    ui.Memo1->appendPlainText(QStringLiteral("¿Quiere revisar de nuevo sus respuestas?"));
}
