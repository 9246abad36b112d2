#pragma once

#include "core/mode.h"
#include "ui/form.h"

namespace vexo {

class Announcer;
class PickList;

// Entry texts of the mode selector, in mode order.
const QStringList &ModeEntries();

// A window of one mode: carries the mode selector, and closing it ends the
// program. What follows a pick or a close is the application's to do: the
// window asks for it with its signals.
class ModeWindow : public Form
{
    Q_OBJECT
public:
    ModeWindow(const QString &objectName, Mode mode, double clientWidthTwips,
               double clientHeightTwips, double modeComboWidthTwips);

    // The window of a mode if it exists, without creating it.
    static ModeWindow *find(Mode mode);
    // The window of CurrentMode, the one the learner drills in.
    static ModeWindow *current();

    // The control the learner answers with; it has the focus whenever the
    // window is shown, so the first key typed is an answer.
    virtual QWidget *answerControl() const = 0;
    void focusAnswer();

    // Has a screen reader speak a verdict once, the screen unchanged.
    void announce(const QString &text);

    // Shows a window beside this one (a listing, the chart, About) and
    // keeps this window's focus on the answer for when the learner is back.
    void showAside(Form &window);

    Mode mode() const { return m_mode; }
    PickList *modeCombo() const { return m_modeCombo; }

    // Refills the selector with every mode and selects CurrentMode, which
    // runs the selector's click handler.
    void refillModeCombo();

Q_SIGNALS:
    // The selector picked another mode, now CurrentMode: its window is to be
    // shown in this one's place.
    void modeSwitchRequested(vexo::Mode mode);
    // A close request was accepted: every window is to close, the program
    // to end.
    void closing();

protected:
    // The selector's click handler: stores the position, asks for a switch
    // when the pick differs from CurrentMode, then runs afterModePick().
    void ModeCombo_Click();
    virtual void afterModePick() {}
    void queryUnload() override;
    void hideEvent(QHideEvent *event) override;

private:
    Mode m_mode;
    PickList *m_modeCombo;
    Announcer *m_announcer;
};

} // namespace vexo
