#include "EvaluacionUnit.h"
#include "ui_EvaluacionUnit.h"

#include "Controls.h"
#include "FitToScreen.h"
#include "TestDefinitionUnit.h"

TEvaluacionForm *EvaluacionForm = nullptr;

namespace {

// The labels are read by assistive technology in declaration order, which scatters each
// figure away from the text before it; each figure is therefore named with that text, and
// an empty list is named "ninguno" rather than left silent.
void nameFigure(QLabel *figure, const QString &caption, const QString &value)
{
    const QString spoken = value.isEmpty() ? QStringLiteral("ninguno") : value;
    figure->setAccessibleName(caption.trimmed() + QLatin1Char(' ') + spoken);
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

    nameFigure(ui->RCLabel, ui->Label1->text(), ui->RCLabel->text());
    nameFigure(ui->WrongItemsLabel, ui->Label2->text(), ui->WrongItemsLabel->text());
    nameFigure(ui->BlanckLabel, ui->Label3->text(), ui->BlanckLabel->text());
    nameFigure(ui->RCPercentLabel, QStringLiteral("Porcentaje de respuestas correctas:"),
               ui->RCPercentLabel->text());
}
