#include "app/startup.h"

#include "app/random.h"
#include "app/shared_state.h"
#include "catalogue/substitutes.h"
#include "quiz/question_engine.h"
#include "words/word_list.h"

namespace vexo {

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

    s.MeaningFlag = RandomFlag(FlagMeanings);
    s.RaceFlag = RandomFlag(RaceMeanings);
    s.CurrentQuizFlag = RandomFlag(FlagQuizStart);
}

} // namespace vexo
