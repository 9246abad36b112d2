#pragma once

#include "quiz/question_engine.h"
#include "ui/mode_window.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vexo {

class Frame;
class ImageBox;
class Label;
class LineControl;
class PickList;

// The flag quiz, mode 0 and the program's main window: one flag is shown and
// each character typed into the answer box is one answer.
class QuizForm : public ModeWindow, public QuizView
{
    Q_OBJECT
public:
    // The window's inner area, as designed.
    static constexpr double ClientWidthTwips = 4035;
    static constexpr double ClientHeightTwips = 7305;

    QuizForm();
    void Form_Load();

    // QuizView
    CategoryBoxes categoryBoxes() const override;
    void showCurrentFlag(int pictureId) override;
    void showPreviousAnswer(const PreviousAnswerView &previous) override;
    void clearAnswer() override;
    void beep() override;

    QWidget *answerControl() const override;
    // The note on typing substitutes, set by start-up.
    void setInstruction(const QString &caption);

private:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    Label *QuestionLabel;
    ImageBox *CurrImage;
    LineControl *CurrLine;
    Label *Label1;
    class QLineEdit *AnswerBox;
    PickList *NonAlphaNum;
    QPushButton *Go;
    Label *InstructionLabel;
    Frame *PrevAnswerFrame;
    Label *PrevAnswer;
    LineControl *PrevLine;
    ImageBox *PrevImage;
    Label *Meaning;
    Label *Status;
    Label *Percent;
    Frame *Frame1;
    QCheckBox *AllCheck;
    Label *AllLabel;
    QCheckBox *LettersCk;
    Label *LettersLabel;
    QCheckBox *NumPennantsCk;
    Label *PennantsLabel;
    QCheckBox *SubsCk;
    Label *SubsLabel;
    QCheckBox *NATOFlags;
    Label *NATOLabel;
    QCheckBox *NumberFlags;
    Label *NumeralLabel;
    QPushButton *CheatButton;
    QPushButton *ScoreButton;
    QPushButton *AboutButton;

protected:
    void afterModePick() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AnswerBox_Change();
    void NonAlphaNum_KeyPress();
    void Go_Click();
    void categoryBox_Click(QCheckBox *box);
    void AllCheck_Click();
    void AllLabel_Click();
    void CheatButton_Click();
    void ScoreButton_Click();
    void AboutButton_Click();

    void focusNatoListIfOnlyNato();
    // Publishes the ticked categories and reloads the listing if it exists.
    void publishCategories();
};

} // namespace vexo
