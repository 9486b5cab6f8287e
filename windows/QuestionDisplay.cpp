#include "QuestionDisplay.h"

#include "Controls.h"
#include "RichEditBox.h"
#include "TestDefinitionUnit.h"

#include <QGroupBox>
#include <QRadioButton>

void ShowStemAndContinuations(QGroupBox *frame, RichEditBox *stemBox,
                              const ContinuationButtons &buttons, int question)
{
    frame->setTitle(QStringLiteral("Pregunta %1 de %2").arg(question).arg(QuestionCount));
    stemBox->clearAll();
    stemBox->addLine(QString::fromUtf8(QuestionTexts[question - 1]));
    for (int k = 1; k <= OptionsPerQuestion; ++k) {
        const auto option = OptionTexts[(question - 1) * OptionsPerQuestion + (k - 1)];
        setLiteralCaption(buttons[k - 1], QString::fromUtf8(option));
    }
}

void CheckOnly(const ContinuationButtons &buttons, int option)
{
    for (int k = 1; k <= OptionsPerQuestion; ++k)
        setRadioChecked(buttons[k - 1], option == k);
}
