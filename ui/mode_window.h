#pragma once

#include "ui/form.h"

#include <functional>

namespace vexo {

class Announcer;
class PickList;

// Number of modes the selector offers (flag quiz, word quiz, show flags,
// flag meanings, race meanings).
inline constexpr int ModeCount = 5;

// Entry texts of the mode selector, in mode order.
const QStringList &ModeEntries();

// What start-up installs so that a mode window can switch modes and end the
// program without knowing the other windows.
struct ModeHooks
{
    std::function<void(int mode)> switchMode;
    // Unloads every window but About, in closing order.
    std::function<void()> unloadAllButAbout;
};
ModeHooks &modeHooks();

// A window of one mode: carries the mode selector, and closing it ends the
// program (it unloads the flag quiz window, whose close unloads the rest).
class ModeWindow : public Form
{
    Q_OBJECT
public:
    ModeWindow(const QString &objectName, int mode, double clientWidthTwips,
               double clientHeightTwips, double modeComboWidthTwips);
    ~ModeWindow() override;

    // The window of a mode if it exists, without creating it.
    static ModeWindow *ofMode(int mode);
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
    void hideEvent(QHideEvent *event) override;

private:
    int m_mode;
    PickList *m_modeCombo;
    Announcer *m_announcer;
};

} // namespace vexo
