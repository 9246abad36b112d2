#pragma once

namespace vexo {

// Answers --help and --version, and refuses unknown options and arguments,
// before any window or display is needed: returns the exit status, or -1
// when the program is to start. Qt's own options (-platform, -style,
// -reverse and the like) are accepted and left to the application.
int answerCommandLine(int argc, char *argv[]);

// Tells Qt who the program is: application id net.tobrin.Vexo (so the window
// manager matches windows to the installed net.tobrin.Vexo.desktop), name,
// version and window icon. Call once, right after the QApplication is made.
void setUpApplication();

} // namespace vexo
