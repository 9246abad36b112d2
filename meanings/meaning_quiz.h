#pragma once

#include <QString>
#include <QStringList>

namespace vexo {

// The flag answered last and the ten before it are never asked next.
inline constexpr int HistoryDepth = 10;

// What a meaning quiz window shows once an answer has been judged.
struct MeaningVerdict
{
    bool right = false;
    int currentPicture = 0;
    // The flag just answered; empty only if no flag was being asked.
    QString previousCode;
    int previousPicture = 0;
    QString previousName;
    QString previousMeaning;
    QString status;
    QString percent;
    // The verdict as a screen reader speaks it, the right meaning included.
    QString spoken;
};

// Flag meanings quiz: the prompt, then the 26 meanings sorted by their text.
const QStringList &MeaningEntries();
// Flag code whose meaning stands at a list position; "" for the prompt and
// any position outside the list.
QString MeaningAnswerCode(int position);
// Judges MeaningChoice against MeaningFlag, keeps score and draws the next flag.
MeaningVerdict CheckMeaningAnswer();

// Race meanings quiz: the prompt, then the 13 racing meanings sorted.
const QStringList &RaceEntries();
QString RaceAnswerCode(int position);
MeaningVerdict CheckRaceAnswer();

} // namespace vexo
