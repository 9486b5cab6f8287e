#include "EvaluacionUnit.h"

#include "Controls.h"
#include "FitToScreen.h"
#include "TestDefinitionUnit.h"

TEvaluacionForm *EvaluacionForm = nullptr;

TEvaluacionForm::TEvaluacionForm(QWidget *parent) : Form(parent)
{
    ui.setupUi(client());
    loadLayout(Scaling::Scaled);
    connect(this, &Form::showing, this, &TEvaluacionForm::FormShow);
    FormCreate();
}

void TEvaluacionForm::FormCreate()
{
    FitToScreen(this);
}

QString TEvaluacionForm::PercentText(int correct, const QLocale &locale)
{
    const double percentage = (correct * 100) / double(QuestionCount);
    QLocale format = locale;
    format.setNumberOptions(QLocale::DefaultNumberOptions);
    return format.toString(percentage, 'f', 1) + QLatin1Char('%');
}

void TEvaluacionForm::FormShow()
{
    const int n = CountCorrect();
    setAutoSizedText(ui.RCLabel, QString::number(n));
    setAutoSizedText(ui.WrongItemsLabel, QString::fromStdString(WrongItemsText()));
    setAutoSizedText(ui.BlanckLabel, QString::fromStdString(BlankItemsText()));
    setAutoSizedText(ui.RCPorcentageLabel,
                     QStringLiteral("Porcentaje de respuestas correctas (%1 de %2) : ")
                         .arg(n)
                         .arg(QuestionCount));
    setAutoSizedText(ui.RCPercentLabel, PercentText(n, QLocale()));
}
