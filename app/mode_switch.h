#pragma once

#include "core/mode.h"
#include "ui/mode_window.h"

namespace vexo {

// The window of a mode, created if need be, with its requests for a switch
// and for the end of the program answered by the two below.
ModeWindow *modeWindow(Mode mode);

// Moves the mode's window to the stored position, refills its selector, hides
// every mode window and shows this one.
void SwitchMode(Mode mode);

// Unloads, in order, every window but the About window.
void UnloadAllButAbout();

} // namespace vexo
