#pragma once

#include "app/form.h"

namespace vexo {

// The About window: title, version, description and two contact links.
class frmAbout : public Form
{
    Q_OBJECT
public:
    frmAbout();
    void Form_Load() {}
};

// Shows the About window, creating it if it is not open.
void ShowAbout();

} // namespace vexo
