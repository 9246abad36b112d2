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

#include <algorithm>
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
ModeWindow &open()
{
    return getWindow<W>();
}

// The window of each mode, in mode order.
constexpr std::array<ModeWindow &(*)(), ModeCount> ModeWindows{
    &open<QuizForm>, &open<WordQuizForm>, &open<DrawFlagsForm>, &open<MeaningForm>,
    &open<raceMeaningForm>};
static_assert(std::ranges::none_of(ModeWindows, [](auto opener) { return opener == nullptr; }),
              "every mode has its window");

} // namespace

ModeWindow *modeWindow(Mode mode)
{
    return &answered(ModeWindows[entryOf(mode)]());
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
    unloadIfExists<QuizForm>();
    unloadIfExists<CheatMeanForm>();
    unloadIfExists<CheatForm>();
    unloadIfExists<DrawFlagsForm>();
    unloadIfExists<WordQuizForm>();
    unloadIfExists<MeaningForm>();
    unloadIfExists<raceMeaningForm>();
    unloadIfExists<ScoreForm>();
}

} // namespace vexo
