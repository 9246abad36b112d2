#include "quiz/question_engine.h"

#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "ui/accessibility.h"

#include <QLocale>

#include <algorithm>

namespace vexo {

namespace {

// The flag quiz draws from letters, numerals, substitutes and then the NATO
// specials; its first flag is never a NATO special.
const QString &flagQuizPool()
{
    static const QString pool =
        LetterCodes() + NumeralCodes() + SubstituteCodes() + NatoSpecialCodes();
    return pool;
}

QString randomCode(const QString &pool, qsizetype size)
{
    return pool.mid(randomBelow(int(size)), 1);
}

int tallyIndex(const QString &code)
{
    const int c = code.isEmpty() ? 0 : code.at(0).unicode();
    return c < int(shared().RightTally.size()) ? c : 0;
}

} // namespace

QString RandomFlag(int mode)
{
    switch (mode) {
    case FlagQuizStart:
        return randomCode(flagQuizPool(), flagQuizPool().size() - NatoSpecialCodes().size());
    case FlagMeanings:
        return randomCode(LetterCodes(), LetterCodes().size());
    case RaceMeanings:
        return randomCode(RaceSignalCodes(), RaceSignalCodes().size());
    case FlagQuizQuestion:
        return randomCode(flagQuizPool(), flagQuizPool().size());
    default:
        return QString();
    }
}

int RecentDepthFor(const CategoryBoxes &boxes)
{
    return 13 * boxes.letters + 8 * boxes.natoSpecials + 2 * boxes.substitutes +
           5 * (boxes.numPennants || boxes.numberFlags) - 1;
}

bool CategoryEnabled(const QString &code, const CategoryBoxes &boxes)
{
    switch (FlagCategory(code)) {
    case CategoryNatoSpecial:
        return boxes.natoSpecials;
    case CategoryLetter:
        return boxes.letters;
    case CategorySubstitute:
        return boxes.substitutes;
    case CategoryNumeral:
        return boxes.numPennants || boxes.numberFlags;
    default:
        return true;
    }
}

double CutPercent(qint64 right, qint64 asked)
{
    if (asked <= 0)
        return 0;
    // Integer arithmetic: 7 of 10 is exactly 70, with no float residue to cut.
    return double(right * 1000 / asked) / 10.0;
}

QString PercentText(double percent)
{
    // Plain decimal digits, as every number the program shows, with the
    // decimal separator of the user's locale.
    return QString::number(percent, 'g', 15).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString PercentCaption(double percent)
{
    return PercentText(percent) + QLatin1Char('%');
}

QString ScoreLine(qint32 right, qint32 asked, QStringView between)
{
    return QStringLiteral("Score is ") + QString::number(right) + between.toString() +
           QString::number(asked);
}

QString AnswerForKey(const QString &typed, bool shiftOnly, int numberRowKey)
{
    const bool typesDigit = typed.size() == 1 && typed.at(0).isDigit();
    if (!shiftOnly || numberRowKey < 1 || numberRowKey > 4 || typesDigit)
        return typed;
    return SubstituteCodes().mid(numberRowKey - 1, 1);
}

void NextQuestion(QuizView &view)
{
    SharedState &s = shared();
    s.RecentDepth = std::clamp(s.RecentDepth, 0, 30);

    const QString answer = upperPerChar(s.LastAnswer);
    const bool answered = !s.LastAnswer.isEmpty();
    const bool right = answered && answer == s.CurrentQuizFlag;
    QString score;
    if (answered) {
        const int tally = tallyIndex(s.CurrentQuizFlag);
        CountAnswer(s.QuizRightCount, s.QuizAskedCount, right);
        score = ScoreLine(s.QuizRightCount, s.QuizAskedCount);
        if (right) {
            CountUp(s.RightTally[tally]);
            s.QuizStatusText = QStringLiteral("Correct!\r") + score;
        } else {
            CountUp(s.WrongTally[tally]);
            view.beep();
            s.QuizStatusText = QStringLiteral("WRONG.\rYour answer was \r") +
                               FlagName(s.LastAnswer) + QLatin1Char('\r') + score;
        }
        s.QuizPercent = CutPercent(s.QuizRightCount, s.QuizAskedCount);
    }

    for (int i = s.RecentDepth; i >= 1; --i)
        s.RecentCodes[i] = s.RecentCodes[i - 1];
    s.RecentCodes[0] = upperPerChar(s.CurrentQuizFlag);

    s.PreviousShownAsNATONumber = s.CurrentShownAsNATONumber == 1 ? 1 : 0;
    s.CurrentShownAsNATONumber = 0;

    // The window keeps a box ticked; should none be, any flag will do.
    CategoryBoxes boxes = view.categoryBoxes();
    if (boxes.none())
        boxes = CategoryBoxes{true, true, true, true, true};
    const auto recentBegin = s.RecentCodes.cbegin();
    const auto recentEnd = recentBegin + s.RecentDepth + 1;
    // The depth rule leaves half of every pool free, so a fresh flag comes
    // within a few draws; the bound only guards against a depth set by hand.
    for (int draws = 0;; ++draws) {
        do {
            s.CurrentQuizFlag = RandomFlag(FlagQuizQuestion);
        } while (!CategoryEnabled(s.CurrentQuizFlag, boxes));
        if (std::find(recentBegin, recentEnd, s.CurrentQuizFlag) == recentEnd || draws > 100000)
            break;
    }

    if (FlagCategory(s.CurrentQuizFlag) == CategoryNumeral && boxes.numberFlags) {
        if (!boxes.numPennants)
            s.CurrentShownAsNATONumber = 1;
        else
            s.CurrentShownAsNATONumber = randomUnit() > 0.5 ? 1 : 0;
    }
    view.showCurrentFlag(FlagPictureId(s.CurrentQuizFlag, s.CurrentShownAsNATONumber == 1));

    if (answered) {
        const QString &previous = s.RecentCodes[0];
        PreviousAnswerView shown;
        shown.pictureId = FlagPictureId(previous, s.PreviousShownAsNATONumber == 1);
        shown.status = s.QuizStatusText;
        shown.percent = PercentCaption(s.QuizPercent);
        shown.name = FlagName(previous);
        shown.meaning = FlagMeaning(previous);
        shown.spoken =
            spokenVerdict(right,
                          {QStringLiteral("WRONG. Your answer was ") + FlagName(s.LastAnswer),
                           QStringLiteral("The flag was ") + shown.name},
                          score, shown.percent);
        view.showPreviousAnswer(shown);
    }

    s.AnswerEventsOn = 0;
    view.clearAnswer();
    s.AnswerEventsOn = 1;
    // Between questions there is never a pending answer, whatever the box did.
    s.LastAnswer.clear();
}

} // namespace vexo
