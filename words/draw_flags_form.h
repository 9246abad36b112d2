#pragma once

#include "app/mode_window.h"

namespace vexo {

// Show Flags, mode 2: typed text shown as a hoist of flags.
class DrawFlagsForm : public ModeWindow
{
    Q_OBJECT
public:
    DrawFlagsForm();
    void Form_Load() {}
};

} // namespace vexo
