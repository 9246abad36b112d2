#pragma once

#include "ui/mode_window.h"

class QPushButton;

namespace vexo {

class Frame;
class ImageBox;
class Label;
class LineControl;
class PickList;
struct MeaningVerdict;
struct SharedState;

// Left, top, width and height in twips.
struct TwipsBox
{
    double left;
    double top;
    double width;
    double height;
};

// Where the two meaning quiz windows differ in their layout.
struct MeaningWindowLayout
{
    double clientWidth;
    double answerWidth;
    double frameWidth;
    TwipsBox status;
    // Top of the percentage, below the status's longest text.
    double percentTop;
    // Left edge of the previous flag's name, picture and staff.
    double previousLeft;
    TwipsBox meaning;
    // Left edge of the first of the three buttons along the bottom.
    double buttonsLeft;
};

// Which quiz a window runs: its current flag, its confirmed position and its judge.
struct MeaningQuizRules
{
    QString SharedState::*flag;
    qint32 SharedState::*choice;
    MeaningVerdict (*check)();
};

// A meaning quiz window: a flag, a list of meanings to pick from with Enter,
// and a panel showing the flag just answered. The quizzes differ in their
// list, their judge and what the panel adds.
class MeaningQuizWindow : public ModeWindow
{
    Q_OBJECT
public:
    MeaningQuizWindow(const QString &objectName, Mode mode, const MeaningWindowLayout &layout,
                      const MeaningQuizRules &rules);

    // Shows the flag start-up drew and selects the prompt: built when first
    // opened, the window looks as if built at start.
    void showFirstFlag();

    QWidget *answerControl() const override;

protected:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    ImageBox *CurrImage;
    LineControl *CurrLine;
    PickList *Answer;
    Frame *PrevAnswerFrame;
    Label *Status;
    Label *Percent;
    Label *PrevAnswer;
    ImageBox *PrevImage;
    LineControl *PrevLine;
    Label *Meaning;
    QPushButton *CheatButton;
    QPushButton *Command1;
    QPushButton *AboutButton;

protected:
    // Fills the answer list; the popup is made wide enough for its longest entry.
    void setAnswerEntries(const QStringList &entries);
    // Judges the selected entry; the prompt, or no selection, does nothing.
    void confirmSelection();
    // Extra work once the panel shows a previous answer.
    virtual void afterPreviousShown() {}

    QPushButton *makeButton(const char *name, const QString &caption, const TwipsBox &box);

private:
    void Answer_KeyPress();
    void CheatButton_Click();
    void Command1_Click();
    void AboutButton_Click();

    void showVerdict(const MeaningVerdict &verdict);
    void fitPromptToList();

    MeaningQuizRules m_rules;
};

} // namespace vexo
