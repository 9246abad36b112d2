#pragma once

namespace vexo {

class ModeWindow;

// Number of modes the selector offers (flag quiz, word quiz, show flags,
// flag meanings, race meanings).
inline constexpr int ModeCount = 5;

// The window of a mode, created if needed; nullptr for a number outside the table.
ModeWindow *modeWindow(int mode);

// Moves the mode's window to the stored position, refills its selector, hides
// every mode window and shows this one. Numbers outside the table do nothing.
void SwitchMode(int mode);

// Unloads the flag quiz window if it exists; its close unloads the others.
void UnloadQuizForm();

// Unloads, in order, every window but the About window.
void UnloadAllButAbout();

} // namespace vexo
