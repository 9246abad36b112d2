#include "app/mode_switch.h"

#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/race_meaning_form.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/cheat_form.h"
#include "reference/cheat_mean_form.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/draw_flags_form.h"
#include "words/word_quiz_form.h"

namespace vexo {

namespace {

template <class W>
void unloadIfExists()
{
    if (W *w = existingWindow<W>())
        w->unload();
}

} // namespace

ModeWindow *modeWindow(int mode)
{
    switch (mode) {
    case 0:
        return &getWindow<QuizForm>();
    case 1:
        return &getWindow<WordQuizForm>();
    case 2:
        return &getWindow<DrawFlagsForm>();
    case 3:
        return &getWindow<MeaningForm>();
    case 4:
        return &getWindow<raceMeaningForm>();
    default:
        return nullptr;
    }
}

void SwitchMode(int mode)
{
    ModeWindow *target = modeWindow(mode);
    if (!target)
        return;
    const SharedState &s = shared();
    target->moveTwips(s.WindowLeft, s.WindowTop);
    target->refillModeCombo();
    // A mode window is built when it is first shown; those never shown have
    // nothing to hide.
    for (int m = 0; m < ModeCount; ++m) {
        ModeWindow *w = ModeWindow::ofMode(m);
        if (w && w != target)
            w->hide();
    }
    target->bringToFront();
    target->focusAnswer();
}

void UnloadAllButAbout()
{
    unloadIfExists<QuizForm>();
    unloadIfExists<CheatMeanForm>();
    unloadIfExists<CheatForm>();
    unloadIfExists<DrawFlagsForm>();
    unloadIfExists<WordQuizForm>();
    unloadIfExists<MeaningForm>();
    unloadIfExists<raceMeaningForm>();
    unloadIfExists<ScoreForm>();
}

void installModeHooks()
{
    modeHooks() = {SwitchMode, UnloadAllButAbout};
}

} // namespace vexo
