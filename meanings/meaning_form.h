#pragma once

#include "app/mode_window.h"

namespace vexo {

// The flag meanings quiz, mode 3: a letter flag, its meaning picked from a list.
class MeaningForm : public ModeWindow
{
    Q_OBJECT
public:
    MeaningForm();
    void Form_Load() {}

    // Start-up's share: shows MeaningFlag and selects the prompt.
    void prepareFirstFlag();
};

} // namespace vexo
