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
    ui.Memo1->clearLines();
    ui.Memo1->addLine(QStringLiteral("Usted ha dejado sin responder las preguntas:"));
    ui.Memo1->addLine(QString());
    ui.Memo1->addLine(QString::fromStdString(BlankItemsText()));
    ui.Memo1->addLine(QString());
    ui.Memo1->addLine(QStringLiteral("¿Quiere revisar de nuevo sus respuestas?"));
}
