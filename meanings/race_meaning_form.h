#pragma once

#include "app/mode_window.h"

namespace vexo {

// The race meanings quiz, mode 4: a racing signal, its meaning picked from a list.
class raceMeaningForm : public ModeWindow
{
    Q_OBJECT
public:
    raceMeaningForm();
    void Form_Load() {}

    // Start-up's share: shows RaceFlag and selects the prompt.
    void prepareFirstFlag();
};

} // namespace vexo
