#include "app/startup.h"

#include "app/mode_switch.h"
#include "catalogue/flags.h"
#include "catalogue/substitutes.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/race_meaning_form.h"
#include "quiz/question_engine.h"
#include "quiz/quiz_form.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/word_list.h"
#include "words/word_quiz_form.h"

namespace vexo {

QString InstructionText()
{
    return QStringLiteral("For substitute flags, hold <Shift> and type the\rnumber:"
                          "       1st sub  =  !      2nd sub  =  @\r"
                          "                    3rd sub  =  #     4th sub  =  $");
}

void Main()
{
    SharedState &s = shared();
    s.QuizRightCount = 0;
    s.QuizAskedCount = 0;
    s.QuizPercent = 0;
    s.AnswerEventsOn = 1;
    s.WindowTop = 0;
    s.WindowLeft = 2130;
    s.RecentDepth = 19;
    s.WordCount = 1261;
    s.WordImageMax = 11;
    s.CurrentWord = QStringLiteral("epee");

    seedRandomFromEntropy();

    // Start-up accepts any word the word test passes, 12 characters included.
    while (WordRejectCode(s.CurrentWord) != 0)
        s.CurrentWord = WordById(RandomWordId());
    s.CurrentWordCoded = AddSubstitutes(s.CurrentWord);
    prepareWindow<WordQuizForm>(&WordQuizForm::prepareFirstWord);

    s.MeaningFlag = RandomFlag(FlagMeanings);
    prepareWindow<MeaningForm>(&MeaningForm::prepareFirstFlag);

    s.RaceFlag = RandomFlag(RaceMeanings);
    prepareWindow<raceMeaningForm>(&raceMeaningForm::prepareFirstFlag);

    s.CurrentQuizFlag = RandomFlag(FlagQuizStart);
    QuizForm &quiz = getWindow<QuizForm>();
    quiz.CurrImage->setPicture(FlagPictureId(s.CurrentQuizFlag));
    quiz.InstructionLabel->setCaption(InstructionText());

    installModeHooks();
    SwitchMode(0);
}

} // namespace vexo
