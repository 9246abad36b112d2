#pragma once

#include "ui/mode_window.h"

namespace vexo {

// The window of a mode, created if needed; nullptr for a number outside the table.
ModeWindow *modeWindow(int mode);

// Moves the mode's window to the stored position, refills its selector, hides
// every mode window and shows this one. Numbers outside the table do nothing.
void SwitchMode(int mode);

// Unloads, in order, every window but the About window.
void UnloadAllButAbout();

// Lets the mode windows switch modes and end the program through the two above.
void installModeHooks();

} // namespace vexo
