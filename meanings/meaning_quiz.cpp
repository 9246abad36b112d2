#include "meanings/meaning_quiz.h"

#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "core/shared_state.h"
#include "quiz/question_engine.h"
#include "ui/accessibility.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

namespace vexo {

namespace {

// Letters in the alphabetical order of their meaning texts.
const QString MeaningOrder = QStringLiteral("RIEFYJSBAHGZVWKPTDOQMNXCUL");

// Codes of the race answer list, positions 1 to 13.
const QString RaceOrder = QStringLiteral("NCL!XYM}ZIPBS");

// The state items of one meaning quiz, so both quizzes share one judge.
struct QuizState
{
    QString &flag;
    qint32 &choice;
    QString &answer;
    qint32 &right;
    qint32 &asked;
    double &percent;
    QString &status;
    std::span<QString> recent;
};

struct QuizRules
{
    QString (*answerCode)(int position);
    QString (*meaning)(const QString &code);
    int randomMode;
};

QString codeAt(const QString &order, int position)
{
    return position >= 1 && position <= order.size() ? order.mid(position - 1, 1) : QString();
}

MeaningVerdict judge(const QuizState &q, const QuizRules &rules)
{
    q.answer = rules.answerCode(q.choice);
    const bool isRight = upperPerChar(q.flag) == q.answer;
    CountAnswer(q.right, q.asked, isRight);
    q.percent = CutPercent(q.right, q.asked);
    if (isRight)
        q.status = QStringLiteral("Correct!\r") + ScoreLine(q.right, q.asked);
    else
        q.status = QStringLiteral("WRONG.\rYour answer was: \r\r") + rules.meaning(q.answer) +
                   QStringLiteral("\r\r") + ScoreLine(q.right, q.asked);

    for (int i = HistoryDepth; i >= 1; --i)
        q.recent[i] = q.recent[i - 1];
    q.recent[0] = upperPerChar(q.flag);

    const auto blocked = q.recent.first(HistoryDepth + 1);
    do {
        q.flag = RandomFlag(rules.randomMode);
    } while (std::find(blocked.begin(), blocked.end(), q.flag) != blocked.end());

    MeaningVerdict verdict;
    verdict.right = isRight;
    verdict.currentPicture = FlagPictureId(q.flag);
    verdict.previousCode = q.recent[0];
    verdict.previousPicture = FlagPictureId(verdict.previousCode);
    verdict.previousName = FlagName(verdict.previousCode);
    verdict.previousMeaning = rules.meaning(verdict.previousCode);
    verdict.status = q.status;
    verdict.percent = PercentCaption(q.percent);
    const QString score = ScoreLine(q.right, q.asked);
    verdict.spoken =
        spokenVerdict(isRight,
                      {QStringLiteral("WRONG. Your answer was: ") + rules.meaning(q.answer),
                       QStringLiteral("The flag was ") + verdict.previousName +
                           QStringLiteral(": ") + verdict.previousMeaning},
                      score, verdict.percent);
    return verdict;
}

} // namespace

const QStringList &MeaningEntries()
{
    static const QStringList entries = [] {
        QStringList list{QStringLiteral("- What does this flag mean? (choose, hit Enter)")};
        for (QChar letter : MeaningOrder)
            list << FlagMeaning(QString(letter));
        return list;
    }();
    return entries;
}

QString MeaningAnswerCode(int position)
{
    return codeAt(MeaningOrder, position);
}

MeaningVerdict CheckMeaningAnswer()
{
    SharedState &s = shared();
    return judge({s.MeaningFlag, s.MeaningChoice, s.MeaningAnswer, s.MeaningRightCount,
                  s.MeaningAskedCount, s.MeaningPercent, s.MeaningStatusText, s.RecentMeaningFlags},
                 {MeaningAnswerCode, FlagMeaning, FlagMeanings});
}

const QStringList &RaceEntries()
{
    static const QStringList entries = [] {
        QStringList list{QStringLiteral("- What does this flag mean? (choose, press enter)")};
        for (QChar code : RaceOrder)
            list << (code == u'L' ? QStringLiteral("Come within hail/follow me")
                                  : RaceMeaning(QString(code)));
        return list;
    }();
    return entries;
}

QString RaceAnswerCode(int position)
{
    return codeAt(RaceOrder, position);
}

MeaningVerdict CheckRaceAnswer()
{
    SharedState &s = shared();
    return judge({s.RaceFlag, s.RaceChoice, s.RaceAnswer, s.RaceRightCount, s.RaceAskedCount,
                  s.RacePercent, s.RaceStatusText, s.RecentRaceFlags},
                 {RaceAnswerCode, RaceMeaning, RaceMeanings});
}

} // namespace vexo
