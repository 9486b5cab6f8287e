// What the questionnaire and the review both show of a question.
#pragma once

#include <array>

class QGroupBox;
class QRadioButton;
class RichEditBox;

using ContinuationButtons = std::array<QRadioButton *, 4>;

// Captions the frame "Pregunta q de 24", puts the stem alone into its cleared box and the
// four continuations on their buttons.
void ShowStemAndContinuations(QGroupBox *frame, RichEditBox *stemBox,
                              const ContinuationButtons &buttons, int question);

// Checks the button of option (1 to 4) and unchecks the others; any other value, such as
// NoAnswer, leaves none checked.
void CheckOnly(const ContinuationButtons &buttons, int option);
