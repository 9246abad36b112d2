#pragma once

#include "core/categories.h"

#include <QString>

namespace vexo {

// What the flag quiz window shows of the flag just answered.
struct PreviousAnswerView
{
    int pictureId = 0;
    // The verdict as a screen reader speaks it, the right answer included.
    QString spoken;
    QString status;
    QString percent;
    QString name;
    QString meaning;
};

// The few things the question engine reads from and writes to the flag quiz
// window; the window implements it, tests fake it.
class QuizView
{
public:
    virtual ~QuizView() = default;
    virtual CategoryBoxes categoryBoxes() const = 0;
    virtual void showCurrentFlag(int pictureId) = 0;
    virtual void showPreviousAnswer(const PreviousAnswerView &previous) = 0;
    // Empties the answer box; its change handler runs as for any change.
    virtual void clearAnswer() = 0;
    virtual void beep() = 0;
};

// Quiz modes of RandomFlag.
enum RandomFlagMode : int {
    FlagQuizStart = 1,
    FlagMeanings = 2,
    RaceMeanings = 3,
    FlagQuizQuestion = 4,
};

// A uniformly drawn flag code of the mode's pool; empty for other modes.
QString RandomFlag(int mode);

// Depth of the recent-flags window for these boxes: half of each ticked pool.
int RecentDepthFor(const CategoryBoxes &boxes);

bool CategoryEnabled(const QString &code, const CategoryBoxes &boxes);

// right / asked as a percentage cut (never rounded) to one decimal.
double CutPercent(qint64 right, qint64 asked);

// A percentage as shown: at most one decimal, no trailing zero, plain digits
// with the user's decimal separator (66.6, 100, 0).
QString PercentText(double percent);

// The percentage label of every quiz: "66.6%".
QString PercentCaption(double percent);

// The last line of every quiz's status: "Score is 2 / 3"; the word quiz
// writes the counts closer, "Score is 2/3".
QString ScoreLine(qint32 right, qint32 asked, QStringView between = u" / ");

// The answer a key gives in the flag quiz's box: what it types, except that
// Shift with the number row's key 1 to 4 (`numberRowKey`, by the key's place
// on the keyboard; 0 for any other key) is that substitute, "!" to "$", as
// the instruction says, wherever that key with Shift types no digit: "£" on a
// British keyboard, "§" on a German one. Where digits need Shift (French),
// the digit stays.
QString AnswerForKey(const QString &typed, bool shiftOnly, int numberRowKey);

// Judges LastAnswer against the flag shown, keeps score and tallies, draws the
// next flag and shows it.
void NextQuestion(QuizView &view);

} // namespace vexo
