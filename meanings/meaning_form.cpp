#include "meanings/meaning_form.h"

#include "core/shared_state.h"
#include "meanings/meaning_quiz.h"
#include "ui/controls.h"

#include <QPushButton>

namespace vexo {

MeaningForm::MeaningForm()
    // Status is 45 twips taller than drawn (1935) so that its longest text, a
    // wrong answer of G, P or Z at the top score, is not cut off, and the
    // percentage 75 twips lower (2400), so that it does not print over it.
    : MeaningQuizWindow(
          QStringLiteral("MeaningForm"), Mode::FlagMeanings,
          {ClientWidthTwips,
           4455,
           4440,
           {240, 480, 1695, 1980},
           2475,
           2280,
           {2160, 1920, 2175, 975},
           810},
          {&SharedState::MeaningFlag, &SharedState::MeaningChoice, CheckMeaningAnswer})
{
    Go = makeButton("Go", QStringLiteral("Enter"), {3600, 2760, 855, 255});
    Go->setAccessibleName(QStringLiteral("Enter answer"));
    setTabOrder(Answer, Go);
    connect(Go, &QPushButton::clicked, this, &MeaningForm::Go_Click);
}

void MeaningForm::Form_Load()
{
    setAnswerEntries(MeaningEntries());
    showFirstFlag();
}

void MeaningForm::afterPreviousShown()
{
    PrevImage->setToolTip(QStringLiteral("Previous flag"));
    PrevAnswer->setToolTip(QStringLiteral("Correct label for previous flag"));
    Meaning->setToolTip(QStringLiteral("Correct meaning for previous flag"));
}

void MeaningForm::Go_Click()
{
    confirmSelection();
    Answer->setFocus();
}

} // namespace vexo
