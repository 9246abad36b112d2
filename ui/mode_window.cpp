#include "ui/mode_window.h"

#include "core/shared_state.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <array>

namespace vexo {

namespace {

std::array<ModeWindow *, ModeCount> &registry()
{
    static std::array<ModeWindow *, ModeCount> windows{};
    return windows;
}

} // namespace

const QStringList &ModeEntries()
{
    static const QStringList entries{QStringLiteral("Flag Quiz"), QStringLiteral("Word Quiz"),
                                     QStringLiteral("Show Flags"), QStringLiteral("Flag Meanings"),
                                     QStringLiteral("Race Meanings")};
    return entries;
}

ModeHooks &modeHooks()
{
    static ModeHooks hooks;
    return hooks;
}

ModeWindow::ModeWindow(const QString &objectName, int mode, double clientWidthTwips,
                       double clientHeightTwips, double modeComboWidthTwips)
    : Form(objectName, QStringLiteral("Vexo"), clientWidthTwips, clientHeightTwips), m_mode(mode),
      m_modeCombo(new PickList(page())), m_announcer(new Announcer(page()))
{
    if (mode >= 0 && mode < ModeCount)
        registry()[mode] = this;
    m_modeCombo->setObjectName(QStringLiteral("ModeCombo"));
    m_modeCombo->setGeometry(twipsRect(2160, 240, modeComboWidthTwips, 315));
    // On Linux Qt names a drop-down list by its current entry and ignores a
    // name set on it: what the list is for goes in its description.
    m_modeCombo->setAccessibleDescription(QStringLiteral("Program mode"));
    // The title stays "Vexo"; a screen reader says which mode it is.
    if (mode >= 0 && mode < ModeEntries().size())
        setAccessibleName(ModeEntries().at(mode) + QStringLiteral(" - Vexo"));
    connect(m_modeCombo, &PickList::clicked, this, &ModeWindow::ModeCombo_Click);
}

ModeWindow::~ModeWindow()
{
    if (m_mode >= 0 && m_mode < ModeCount && registry()[m_mode] == this)
        registry()[m_mode] = nullptr;
}

ModeWindow *ModeWindow::ofMode(int mode)
{
    return mode >= 0 && mode < ModeCount ? registry()[mode] : nullptr;
}

ModeWindow *ModeWindow::current()
{
    return ofMode(shared().CurrentMode);
}

void ModeWindow::focusAnswer()
{
    if (QWidget *answer = answerControl())
        answer->setFocus(Qt::OtherFocusReason);
}

void ModeWindow::announce(const QString &text)
{
    m_announcer->announce(text);
}

void ModeWindow::showAside(Form &window)
{
    focusAnswer();
    window.bringToFront();
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
        if (modeHooks().switchMode)
            modeHooks().switchMode(s.CurrentMode);
    }
    afterModePick();
}

void ModeWindow::hideEvent(QHideEvent *event)
{
    // Shown again by a switch or a restore, the window must not repeat its
    // last verdict.
    m_announcer->silence();
    Form::hideEvent(event);
}

void ModeWindow::queryUnload()
{
    // Closing any mode window closes the flag quiz window, which closes the rest.
    if (ModeWindow *quiz = ofMode(0))
        quiz->unload();
}

} // namespace vexo
