#include "app/mode_switch.h"

#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/race_meaning_form.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/cheat_form.h"
#include "reference/cheat_mean_form.h"
#include "ui/windows.h"
#include "words/draw_flags_form.h"
#include "words/word_quiz_form.h"

#include <array>

namespace vexo {

namespace {

template <class W>
void unloadIfExists()
{
    if (W *w = existingWindow<W>())
        w->unload();
}

// Takes the mode windows' requests; a receiver of its own, so that each
// window is connected once however often it is reached.
class ModeRequests : public QObject
{
public:
    void switchTo(Mode mode) { SwitchMode(mode); }
    void closeAll() { UnloadAllButAbout(); }
};

ModeRequests &requests()
{
    // Lives to the end of the process, past the application object.
    static auto *receiver = new ModeRequests;
    return *receiver;
}

ModeWindow &answered(ModeWindow &window)
{
    QObject::connect(&window, &ModeWindow::modeSwitchRequested, &requests(),
                     &ModeRequests::switchTo, Qt::UniqueConnection);
    QObject::connect(&window, &ModeWindow::closing, &requests(), &ModeRequests::closeAll,
                     Qt::UniqueConnection);
    return window;
}

template <class W>
ModeWindow &openWindow()
{
    return getWindow<W>();
}

// The windows of the modes, in mode order, with what is done to all of them.
template <class... W>
struct ModeWindowTable
{
    static constexpr std::array<ModeWindow &(*)(), sizeof...(W)> open{&openWindow<W>...};
    static void unloadAll() { (unloadIfExists<W>(), ...); }
};
using ModeWindows =
    ModeWindowTable<QuizForm, WordQuizForm, DrawFlagsForm, MeaningForm, raceMeaningForm>;
static_assert(ModeWindows::open.size() == ModeCount, "one window a mode, in mode order");

} // namespace

ModeWindow *modeWindow(Mode mode)
{
    return &answered(ModeWindows::open[entryOf(mode)]());
}

void SwitchMode(Mode mode)
{
    ModeWindow *target = modeWindow(mode);
    const SharedState &s = shared();
    target->moveTwips(s.WindowLeft, s.WindowTop);
    target->refillModeCombo();
    // A mode window is built when it is first shown; those never shown have
    // nothing to hide.
    for (int entry = 0; entry < ModeCount; ++entry) {
        ModeWindow *w = ModeWindow::find(*modeAt(entry));
        if (w && w != target)
            w->hide();
    }
    target->bringToFront();
    target->focusAnswer();
}

void UnloadAllButAbout()
{
    ModeWindows::unloadAll();
    unloadIfExists<CheatMeanForm>();
    unloadIfExists<CheatForm>();
    unloadIfExists<ScoreForm>();
}

} // namespace vexo
