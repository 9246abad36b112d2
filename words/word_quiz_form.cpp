#include "words/word_quiz_form.h"

namespace vexo {

WordQuizForm::WordQuizForm() : ModeWindow(QStringLiteral("WordQuizForm"), 1, 4035, 7470, 1695) {}

void WordQuizForm::prepareFirstWord() {}

} // namespace vexo
