#pragma once

namespace vexo {

// Answers --help, --help-all and --version, and refuses unknown options and
// arguments, before any window or display is needed: returns the exit
// status, or -1 when the program is to start. Qt's own options (-platform,
// -style, -reverse and the like) are accepted and left to the application.
// On Windows the answers come in a message box unless output is redirected,
// as for any program of the Windows desktop.
int answerCommandLine(int argc, char *argv[]);

// Qt ends a program that cannot reach a window system with its messages on
// plugins and an abort. While a check lives, that becomes exit status 1: with
// no display named at all, after one line that says Vexo needs a graphical
// session; otherwise after Qt's own lines, which say what failed and which
// platforms there are. Qt's other messages while the application is made are
// held, and given out when the check ends. For Linux; Windows always has its
// desktop.
class DisplayCheck
{
public:
    DisplayCheck(int argc, char *argv[]);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;
};

// In the browser, on a touch screen, scales the program so that its mode
// windows fill the page's width; elsewhere leaves the scale as it is. Call before
// the QApplication is made.
void scaleToPage();

// Tells Qt who the program is: application id net.tobrin.Vexo (so the window
// manager matches windows to the installed net.tobrin.Vexo.desktop), name,
// version and window icon. Call once, right after the QApplication is made.
void setUpApplication();

} // namespace vexo
