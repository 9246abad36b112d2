#include "app/mode_window.h"

#include "app/controls.h"
#include "app/mode_switch.h"
#include "app/shared_state.h"
#include "app/twips.h"

namespace vexo {

const QStringList &ModeEntries()
{
    static const QStringList entries{QStringLiteral("Flag Quiz"), QStringLiteral("Word Quiz"),
                                     QStringLiteral("Show Flags"), QStringLiteral("Flag Meanings"),
                                     QStringLiteral("Race Meanings")};
    return entries;
}

ModeWindow::ModeWindow(const QString &objectName, int mode, double clientWidthTwips,
                       double clientHeightTwips, double modeComboWidthTwips)
    : Form(objectName, QStringLiteral("Vexo"), clientWidthTwips, clientHeightTwips), m_mode(mode),
      m_modeCombo(new PickList(this))
{
    m_modeCombo->setObjectName(QStringLiteral("ModeCombo"));
    m_modeCombo->setGeometry(twipsRect(2160, 240, modeComboWidthTwips, 315));
    m_modeCombo->setAccessibleName(QStringLiteral("Program mode"));
    connect(m_modeCombo, &PickList::clicked, this, &ModeWindow::ModeCombo_Click);
}

void ModeWindow::refillModeCombo()
{
    m_modeCombo->setEntries(ModeEntries());
    m_modeCombo->setListIndex(shared().CurrentMode);
}

void ModeWindow::ModeCombo_Click()
{
    SharedState &s = shared();
    s.WindowTop = topTwips();
    s.WindowLeft = leftTwips();
    const int picked = m_modeCombo->currentIndex();
    if (picked >= 0 && picked != s.CurrentMode) {
        s.CurrentMode = picked;
        SwitchMode(s.CurrentMode);
    }
    afterModePick();
}

void ModeWindow::queryUnload()
{
    UnloadQuizForm();
}

} // namespace vexo
