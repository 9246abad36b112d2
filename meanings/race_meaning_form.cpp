#include "meanings/race_meaning_form.h"

namespace vexo {

raceMeaningForm::raceMeaningForm() : ModeWindow(QStringLiteral("raceMeaningForm"), 4, 4035, 6825, 1815) {}

void raceMeaningForm::prepareFirstFlag() {}

} // namespace vexo
