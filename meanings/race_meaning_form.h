#pragma once

#include "meanings/meaning_window.h"

namespace vexo {

// The race meanings quiz, mode 4: a racing signal, its meaning picked from a
// list and confirmed with Enter.
class raceMeaningForm : public MeaningQuizWindow
{
    Q_OBJECT
public:
    raceMeaningForm();
    // The list is part of the window's design; shows the first flag.
    void Form_Load() { showFirstFlag(); }
};

} // namespace vexo
