#pragma once

#include "ui/mode_window.h"
#include "words/word_controls.h"

class QCheckBox;
class QPushButton;

namespace vexo {

class Label;
class LineControl;
class PickList;
class TypingLimitEdit;

// Show Flags, mode 2: typed text shown as a hoist of flags.
class DrawFlagsForm : public ModeWindow
{
    Q_OBJECT
public:
    static constexpr int TypingLimit = 12;

    DrawFlagsForm();
    void Form_Load();

    // Lays ShowWordsText out in flags by the two boxes; with substitutes on,
    // leaves ShowWordsText as shown.
    void DrawWord();

    QWidget *answerControl() const override;

private:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    Hoist Image1{};
    LineControl *Line1;
    Label *WordsShowInstruct;
    TypingLimitEdit *Text1;
    Label *AsteriskLabel;
    QCheckBox *NoSubsCk;
    Label *NoSubsLabel;
    QCheckBox *UseNATOFlagsCK;
    Label *UseNATOLabel;
    PickList *SpecialFlags;
    Label *SpecialCharLabel;
    QPushButton *AboutButton;

private:
    void Text1_Change();
    void NoSubsCk_Click();
    void NoSubsLabel_Click();
    void UseNATOFlagsCK_Click();
    void UseNATOLabel_Click();
    void SpecialFlags_Click();
    void AboutButton_Click();
};

// The note shown while NATO flags stand for characters of the text.
QString SpecialCharNote();

} // namespace vexo
