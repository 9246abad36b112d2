#pragma once

#include <QString>

namespace vexo {

// Words of the quiz's later turns fit the twelve boxes with one to spare.
inline constexpr int MaxQuizWordLength = 11;

// Lower-cases the characters that can be flag codes; characters above 255 stay
// as they are, so none of them turns into a letter (the Kelvin sign into "k").
QString lowerFlagCodes(const QString &text);

// A word of the list for the next turn: at most MaxQuizWordLength characters,
// not `previous` and passed by WordRejectCode.
QString NextQuizWord(const QString &previous);

// Judges `answer` against CurrentWord (letters compared without case, nothing
// else trimmed or ignored), keeps the score, sets WordStatusText and
// WordPercent, and moves on: PreviousWord, CurrentWord, CurrentWordCoded.
// Returns whether the answer was right.
bool CheckWordAnswer(const QString &answer);

// The percentage as the Percent label shows it, "66.6%".
QString WordPercentText();

} // namespace vexo
