#include "words/word_quiz.h"

#include "catalogue/substitutes.h"
#include "core/shared_state.h"
#include "quiz/question_engine.h"
#include "words/word_list.h"

namespace vexo {

QString lowerFlagCodes(const QString &text)
{
    QString result = text;
    for (QChar &ch : result) {
        if (ch.unicode() <= 255)
            ch = ch.toLower();
    }
    return result;
}

QString NextQuizWord(const QString &previous)
{
    // "epee" never passes the word test, so at least one word is drawn.
    QString word = QStringLiteral("epee");
    while (word.size() > MaxQuizWordLength || word == previous || WordRejectCode(word) != 0)
        word = WordById(RandomWordId());
    return word;
}

bool CheckWordAnswer(const QString &answer)
{
    SharedState &s = shared();
    s.WordAnswer = answer;
    const bool right = lowerFlagCodes(s.CurrentWord) == lowerFlagCodes(s.WordAnswer);
    CountAnswer(s.WordRightCount, s.WordAskedCount, right);
    const QString score = ScoreLine(s.WordRightCount, s.WordAskedCount, u"/");
    if (right)
        s.WordStatusText = QStringLiteral("Correct!\r") + score;
    else
        s.WordStatusText = QStringLiteral("Your answer\r\"") + s.WordAnswer +
                           QStringLiteral("\"\rwas WRONG.\r") + score;
    s.WordPercent = CutPercent(s.WordRightCount, s.WordAskedCount);

    s.PreviousWord = s.CurrentWord;
    s.CurrentWord = NextQuizWord(s.PreviousWord);
    s.CurrentWordCoded = AddSubstitutes(lowerFlagCodes(s.CurrentWord));
    return right;
}

QString WordPercentText()
{
    return PercentCaption(shared().WordPercent);
}

} // namespace vexo
