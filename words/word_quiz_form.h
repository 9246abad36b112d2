#pragma once

#include "ui/mode_window.h"
#include "words/word_controls.h"

class QPushButton;

namespace vexo {

class Frame;
class Label;
class LineControl;
class TypingLimitEdit;

// The word quiz, mode 1: a word of the list spelt in flags, typed back.
class WordQuizForm : public ModeWindow
{
    Q_OBJECT
public:
    static constexpr int TypingLimit = 12;

    WordQuizForm();
    // Shows the word start-up drew, CurrentWordCoded, with empty score labels:
    // built when first opened, the window looks as if built at start.
    void Form_Load();

    // Judges the text of Answer, shows the verdict and the next word.
    void CheckWordAnswer();

    QWidget *answerControl() const override;

private:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    Hoist Image1{};
    LineControl *Line1;
    Label *WordQuizPrompt;
    TypingLimitEdit *Answer;
    Frame *PrevAnswer;
    Label *PrevWord;
    Label *Status;
    Label *Percent;
    QPushButton *CheatButton;
    QPushButton *AboutButton;

private:
    void Answer_KeyPress();
    void CheatButton_Click();
    void AboutButton_Click();

    // Hides the boxes and hangs CurrentWordCoded in them, space included.
    void showCurrentWord();
};

} // namespace vexo
