#pragma once

#include "app/form.h"

namespace vexo {

class PickList;

// Entry texts of the mode selector, in mode order.
const QStringList &ModeEntries();

// A window of one mode: carries the mode selector, and closing it ends the
// program (it unloads the flag quiz window, whose close unloads the rest).
class ModeWindow : public Form
{
    Q_OBJECT
public:
    ModeWindow(const QString &objectName, int mode, double clientWidthTwips,
               double clientHeightTwips, double modeComboWidthTwips);

    int mode() const { return m_mode; }
    PickList *modeCombo() const { return m_modeCombo; }

    // Refills the selector with every mode and selects CurrentMode, which
    // runs the selector's click handler.
    void refillModeCombo();

protected:
    // The selector's click handler: stores the position, switches mode when
    // the pick differs from CurrentMode, then runs afterModePick().
    void ModeCombo_Click();
    virtual void afterModePick() {}
    void queryUnload() override;

private:
    int m_mode;
    PickList *m_modeCombo;
};

} // namespace vexo
