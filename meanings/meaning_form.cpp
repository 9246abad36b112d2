#include "meanings/meaning_form.h"

namespace vexo {

MeaningForm::MeaningForm() : ModeWindow(QStringLiteral("MeaningForm"), 3, 4515, 6825, 1815) {}

void MeaningForm::prepareFirstFlag() {}

} // namespace vexo
