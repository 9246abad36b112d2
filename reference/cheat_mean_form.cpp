#include "reference/cheat_mean_form.h"

namespace vexo {

CheatMeanForm::CheatMeanForm() : Form(QStringLiteral("CheatMeanForm"), QStringLiteral("Flag Meanings"), 4620, 7470) {}

} // namespace vexo
