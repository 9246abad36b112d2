#include "reference/about_form.h"

#include "app/windows.h"

namespace vexo {

frmAbout::frmAbout() : Form(QStringLiteral("frmAbout"), QStringLiteral("About Vexo"), 5730, 3105) {}

void ShowAbout()
{
    frmAbout &about = getWindow<frmAbout>();
    about.show();
    about.raise();
    about.activateWindow();
}

} // namespace vexo
