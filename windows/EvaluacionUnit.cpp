#include "EvaluacionUnit.h"
#include "ui_EvaluacionUnit.h"

#include "Controls.h"
#include "FitToScreen.h"
#include "TestDefinitionUnit.h"

TEvaluacionForm *EvaluacionForm = nullptr;

namespace {

// Each figure is related to the caption before it (its buddy in the layout), so that
// assistive technology reads the caption once, with the figure: the figure is named with
// the caption and its value, and an empty list is named "ninguno" rather than left silent.
void nameFigures(const QWidget *panel)
{
    for (const QLabel *caption : panel->findChildren<QLabel *>()) {
        auto *figure = qobject_cast<QLabel *>(caption->buddy());
        if (!figure)
            continue;
        const QString value = figure->text().isEmpty() ? QStringLiteral("ninguno") : figure->text();
        figure->setAccessibleName(caption->text().trimmed() + QLatin1Char(' ') + value);
    }
}

// Digits of any script written as 0-9: the program shows every other number with them.
QString withLatinDigits(const QString &number)
{
    QString latin;
    for (const uint code : number.toUcs4()) {
        const auto character = char32_t(code);
        const int digit = QChar::digitValue(character);
        latin += digit >= 0 ? QString::number(digit) : QString::fromUcs4(&character, 1);
    }
    return latin;
}

} // namespace

TEvaluacionForm::TEvaluacionForm(QWidget *parent) : Form(parent), ui(new Ui::TEvaluacionForm)
{
    ui->setupUi(client());
    loadLayout(Scaling::Scaled);
    connect(this, &Form::showing, this, &TEvaluacionForm::FormShow);
    FormCreate();
}

TEvaluacionForm::~TEvaluacionForm() = default;

void TEvaluacionForm::FormCreate()
{
    FitToScreen(this);
}

QString TEvaluacionForm::PercentText(int correct, const QLocale &locale)
{
    const double percentage = (correct * 100) / double(QuestionCount);
    QLocale format = locale;
    format.setNumberOptions(QLocale::DefaultNumberOptions);
    return withLatinDigits(format.toString(percentage, 'f', 1)) + QLatin1Char('%');
}

void TEvaluacionForm::FormShow()
{
    const int n = CountCorrect();
    setAutoSizedText(ui->RCLabel, QString::number(n));
    setAutoSizedText(ui->WrongItemsLabel, QString::fromStdString(WrongItemsText()));
    setAutoSizedText(ui->BlanckLabel, QString::fromStdString(BlankItemsText()));
    setAutoSizedText(ui->RCPorcentageLabel,
                     QStringLiteral("Porcentaje de respuestas correctas (%1 de %2) : ")
                         .arg(n)
                         .arg(QuestionCount));
    setAutoSizedText(ui->RCPercentLabel, PercentText(n, QLocale()));

    nameFigures(ui->Panel1);
}
