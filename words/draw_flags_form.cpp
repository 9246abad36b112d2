#include "words/draw_flags_form.h"

namespace vexo {

DrawFlagsForm::DrawFlagsForm() : ModeWindow(QStringLiteral("DrawFlagsForm"), 2, 4035, 7470, 1695) {}

} // namespace vexo
