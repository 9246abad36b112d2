#include "words/word_quiz_form.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "quiz/question_engine.h"
#include "reference/about_form.h"
#include "reference/cheat_form.h"
#include "ui/accessibility.h"
#include "ui/appearance.h"
#include "ui/controls.h"
#include "ui/twips.h"
#include "ui/windows.h"
#include "words/typing_limit_edit.h"
#include "words/word_quiz.h"

#include <QPushButton>

namespace vexo {

WordQuizForm::WordQuizForm()
    : ModeWindow(QStringLiteral("WordQuizForm"), Mode::WordQuiz, 4035, 7470, 1695)
{

    Line1 = buildHalyard(page());
    Image1 = buildHoist(page(), 120);

    WordQuizPrompt =
        makeLabel(page(), "WordQuizPrompt", QStringLiteral("What do these flags spell?"),
                  twipsRect(2160, 840, 1695, 495));

    Answer = new TypingLimitEdit(TypingLimit, page());
    Answer->setObjectName(QStringLiteral("Answer"));
    Answer->setGeometry(twipsRect(2400, 1320, 1095, 375));
    Answer->setToolTip(QStringLiteral("Hit \"Enter\" when done."));
    Answer->setAccessibleName(WordQuizPrompt->caption());
    Answer->setAccessibleDescription(Answer->toolTip());

    PrevAnswer = new Frame(page());
    PrevAnswer->setObjectName(QStringLiteral("PrevAnswer"));
    PrevAnswer->setTitle(QStringLiteral("Previous Answer"));
    PrevAnswer->setGeometry(twipsRect(1320, 2160, 2655, 2535));
    PrevWord = makeLabel(PrevAnswer, "PrevWord", QString(), twipsRect(120, 240, 2415, 375));
    PrevWord->setFont(layoutFont(QStringLiteral("Tahoma"), 9.75, true));
    PrevWord->setAccessibleDescription(QStringLiteral("Previous word"));
    Status = makeLabel(PrevAnswer, "Status", QString(), twipsRect(120, 720, 2415, 975));
    Status->setAccessibleDescription(QStringLiteral("Verdict and score"));
    Percent = makeLabel(PrevAnswer, "Percent", QString(), twipsRect(600, 1920, 1575, 495));
    Percent->setFont(layoutFont(QStringLiteral("Tahoma"), 12, true));
    Percent->setAccessibleDescription(QStringLiteral("Per cent right"));

    CheatButton = makeButton(page(), "CheatButton", QStringLiteral("Flags &Help"),
                             twipsRect(1920, 5280, 855, 495));
    AboutButton = makeButton(page(), "AboutButton", QStringLiteral("&About"),
                             twipsRect(3000, 5280, 855, 495));

    // Tab order; labels take no focus.
    chainTabOrder({Answer, CheatButton, AboutButton, modeCombo()});
    Answer->setFocus();

    connect(Answer, &TypingLimitEdit::enterPressed, this, &WordQuizForm::Answer_KeyPress);
    connect(CheatButton, &QPushButton::clicked, this, &WordQuizForm::CheatButton_Click);
    connect(AboutButton, &QPushButton::clicked, this, &WordQuizForm::AboutButton_Click);
}

void WordQuizForm::Form_Load()
{
    showCurrentWord();
    PrevWord->setCaption(QString());
    Status->setCaption(QString());
    Percent->setCaption(QString());
}

void WordQuizForm::showCurrentWord()
{
    const SharedState &s = shared();
    hideHoist(Image1);
    const QString &coded = s.CurrentWordCoded;
    for (int i = 0; i < coded.size() && i < HoistSize; ++i)
        showInHoist(Image1, i, FlagPictureId(coded.at(i)));
}

void WordQuizForm::CheckWordAnswer()
{
    const QString answer = Answer->text();
    const bool right = vexo::CheckWordAnswer(answer);
    const SharedState &s = shared();
    showCurrentWord();
    PrevWord->setCaption(s.PreviousWord);
    Status->setCaption(s.WordStatusText);
    Percent->setCaption(WordPercentText());
    const QString score = ScoreLine(s.WordRightCount, s.WordAskedCount, u"/");
    announce(
        spokenVerdict(right,
                      {QStringLiteral("Your answer \"") + answer + QStringLiteral("\" was WRONG"),
                       QStringLiteral("The word was ") + s.PreviousWord},
                      score, WordPercentText()));
    // The user typed here, so the window is already in front. Emptied as a
    // new text, so that Undo cannot bring the answer back for the next word.
    Answer->setText(QString());
}

void WordQuizForm::Answer_KeyPress()
{
    CheckWordAnswer();
}

QWidget *WordQuizForm::answerControl() const
{
    return Answer;
}

void WordQuizForm::CheatButton_Click()
{
    showAside(getWindow<CheatForm>());
}

void WordQuizForm::AboutButton_Click()
{
    showAside(aboutWindow());
}

} // namespace vexo
