#include "meanings/race_meaning_form.h"

#include "core/shared_state.h"
#include "meanings/meaning_quiz.h"

namespace vexo {

raceMeaningForm::raceMeaningForm()
    : MeaningQuizWindow(
          QStringLiteral("raceMeaningForm"), Mode::RaceMeanings,
          {4035, 3975, 3960, {240, 480, 1575, 1695}, 2400, 1920, {1800, 1920, 2055, 975}, 480},
          {&SharedState::RaceFlag, &SharedState::RaceChoice, CheckRaceAnswer})
{
    setAnswerEntries(RaceEntries());
}

} // namespace vexo
