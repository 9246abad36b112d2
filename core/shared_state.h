#pragma once

#include "core/categories.h"
#include "core/mode.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace vexo {

// State that several windows read and write, alive for the whole run.
struct SharedState
{
    // Flag quiz
    QString CurrentQuizFlag;
    QString LastAnswer;
    QString QuizStatusText;
    qint32 QuizRightCount = 0;
    qint32 QuizAskedCount = 0;
    double QuizPercent = 0;
    int AnswerEventsOn = 1;
    std::array<QString, 31> RecentCodes{};
    qint32 RecentDepth = 19;
    int CurrentShownAsNATONumber = 0;
    int PreviousShownAsNATONumber = 0;
    std::array<qint32, 126> RightTally{};
    std::array<qint32, 126> WrongTally{};
    // The category boxes ticked on the flag quiz window, as the flag quiz
    // publishes them for the flags listing.
    CategoryBoxes quizCategories{true, true, true, false, false};

    // Window placement and mode; positions in twips
    Mode CurrentMode = Mode::FlagQuiz;
    double WindowLeft = 2130;
    double WindowTop = 0;

    // Word quiz
    QString CurrentWord = QStringLiteral("epee");
    QString CurrentWordCoded;
    // The size of the word list, which start-up reads.
    qint32 WordCount = 0;
    QString PreviousWord;
    QString WordAnswer;
    QString WordStatusText;
    qint32 WordRightCount = 0;
    qint32 WordAskedCount = 0;
    double WordPercent = 0;

    // Show Flags
    QString ShowWordsText;

    // Flag meanings quiz
    QString MeaningFlag;
    qint32 MeaningChoice = 0;
    QString MeaningAnswer;
    qint32 MeaningRightCount = 0;
    qint32 MeaningAskedCount = 0;
    double MeaningPercent = 0;
    QString MeaningStatusText;
    std::array<QString, 27> RecentMeaningFlags{};

    // Race meanings quiz
    QString RaceFlag;
    qint32 RaceChoice = 0;
    QString RaceAnswer;
    qint32 RaceRightCount = 0;
    qint32 RaceAskedCount = 0;
    double RacePercent = 0;
    QString RaceStatusText;
    std::array<QString, 21> RecentRaceFlags{};
};

// The top of every count and tally, the 16-bit range the windows were drawn
// for: "Score is 32767 / 32767" still fits the status labels, and a count
// that reaches it stops there rather than wrap.
inline constexpr qint32 CountLimit = 32767;

// Counts one answer; at the top the score stops, so right never exceeds asked.
inline void CountAnswer(qint32 &right, qint32 &asked, bool isRight)
{
    if (asked >= CountLimit)
        return;
    ++asked;
    if (isRight)
        ++right;
}

inline void CountUp(qint32 &tally)
{
    if (tally < CountLimit)
        ++tally;
}

// The one instance of the shared state.
SharedState &shared();

// Puts every item back to its start value; for tests that need a fresh run.
void resetSharedState();

} // namespace vexo
