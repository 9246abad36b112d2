#pragma once

namespace vexo {

// Tells Qt who the program is: application id net.tobrin.Vexo (so the window
// manager matches windows to the installed net.tobrin.Vexo.desktop), name,
// version and window icon. Call once, right after the QApplication is made.
void setUpApplication();

} // namespace vexo
