#include "ui/mode_window.h"

#include "core/shared_state.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QPointer>

#include <array>

namespace vexo {

namespace {

// The window of each mode, by entry; a window enters when it is built.
std::array<QPointer<ModeWindow>, ModeCount> &modeWindows()
{
    static std::array<QPointer<ModeWindow>, ModeCount> windows;
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

ModeWindow::ModeWindow(const QString &objectName, Mode mode, double clientWidthTwips,
                       double clientHeightTwips, double modeComboWidthTwips)
    : Form(objectName, QStringLiteral("Vexo"), clientWidthTwips, clientHeightTwips), m_mode(mode),
      m_modeCombo(new PickList(page())), m_announcer(new Announcer(page()))
{
    m_modeCombo->setObjectName(QStringLiteral("ModeCombo"));
    m_modeCombo->setGeometry(twipsRect(2160, 240, modeComboWidthTwips, 315));
    // On Linux Qt names a drop-down list by its current entry and ignores a
    // name set on it: what the list is for goes in its description.
    m_modeCombo->setAccessibleDescription(QStringLiteral("Program mode"));
    // The title stays "Vexo"; a screen reader says which mode it is.
    setAccessibleName(ModeEntries().at(entryOf(mode)) + QStringLiteral(" - Vexo"));
    connect(m_modeCombo, &PickList::clicked, this, &ModeWindow::ModeCombo_Click);
    modeWindows()[entryOf(mode)] = this;
}

ModeWindow *ModeWindow::find(Mode mode)
{
    ModeWindow *found = modeWindows()[entryOf(mode)];
    return found && !found->isClosing() ? found : nullptr;
}

ModeWindow *ModeWindow::current()
{
    return find(shared().CurrentMode);
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
    m_modeCombo->setListIndex(entryOf(shared().CurrentMode));
}

void ModeWindow::ModeCombo_Click()
{
    SharedState &s = shared();
    s.WindowTop = topTwips();
    s.WindowLeft = leftTwips();
    const std::optional<Mode> picked = modeAt(m_modeCombo->currentIndex());
    if (picked && *picked != s.CurrentMode) {
        s.CurrentMode = *picked;
        Q_EMIT modeSwitchRequested(s.CurrentMode);
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
    Q_EMIT closing();
}

} // namespace vexo
