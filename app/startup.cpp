#include "app/startup.h"

#include "app/mode_switch.h"
#include "catalogue/flags.h"
#include "catalogue/substitutes.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "quiz/question_engine.h"
#include "quiz/quiz_form.h"
#include "ui/windows.h"
#include "words/word_list.h"

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
    s.WordCount = qint32(WordList().size());
    s.CurrentWord = QStringLiteral("epee");

    seedRandomFromEntropy();

    // Start-up accepts any word the word test passes, 12 characters included.
    while (WordRejectCode(s.CurrentWord) != 0)
        s.CurrentWord = WordById(RandomWordId());
    s.CurrentWordCoded = AddSubstitutes(s.CurrentWord);
    // The other quiz windows are built when first opened, and then show
    // the first question drawn here, as if built now.
    s.MeaningFlag = RandomFlag(FlagMeanings);
    s.RaceFlag = RandomFlag(RaceMeanings);

    s.CurrentQuizFlag = RandomFlag(FlagQuizStart);
    QuizForm &quiz = getWindow<QuizForm>();
    quiz.showCurrentFlag(FlagPictureId(s.CurrentQuizFlag));
    quiz.setInstruction(InstructionText());

    SwitchMode(Mode::FlagQuiz);
}

} // namespace vexo
