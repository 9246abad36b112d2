#include "quiz/quiz_form.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "quiz/score_form.h"
#include "reference/about_form.h"
#include "reference/cheat_form.h"
#include "ui/accessibility.h"
#include "ui/appearance.h"
#include "ui/controls.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vexo {

namespace {

// The number row's key 1 to 4 by its place on the keyboard, whatever the
// layout has it type: native scan codes 2 to 5 on Windows, and 10 to 13 (the
// keyboard's own codes plus 8) under X11 and Wayland; 0 for any other key.
int numberRowKey(quint32 nativeScanCode)
{
#ifdef Q_OS_WIN
    constexpr quint32 first = 2;
#else
    constexpr quint32 first = 10;
#endif
    return nativeScanCode >= first && nativeScanCode < first + 4 ? int(nativeScanCode - first + 1)
                                                                 : 0;
}

} // namespace

QuizForm::QuizForm()
    : ModeWindow(QStringLiteral("QuizForm"), Mode::FlagQuiz, ClientWidthTwips, ClientHeightTwips,
                 1815)
{
    modeCombo()->setToolTip(QStringLiteral("Select program mode"));

    QuestionLabel = makeLabel(page(), "QuestionLabel", QStringLiteral("Which flag is this?"),
                              twipsRect(120, 480, 1455, 375));
    CurrImage = new ImageBox(page());
    CurrImage->setObjectName(QStringLiteral("CurrImage"));
    CurrImage->setGeometry(twipsRect(120, 840, 1665, 960));
    CurrImage->setAccessibleName(QStringLiteral("Flag to name"));
    CurrLine = new LineControl(page());
    CurrLine->setObjectName(QStringLiteral("CurrLine"));
    CurrLine->setLineTwips(120, 720, 120, 2280);
    Label1 = makeLabel(page(), "Label1", QStringLiteral("Answer:"), twipsRect(1920, 720, 735, 255));

    AnswerBox = new QLineEdit(page());
    AnswerBox->setObjectName(QStringLiteral("AnswerBox"));
    AnswerBox->setGeometry(twipsRect(1920, 960, 495, 375));
    AnswerBox->setToolTip(QStringLiteral("Type your answer here"));
    AnswerBox->setAccessibleName(QStringLiteral("Answer"));
    AnswerBox->setAccessibleDescription(AnswerBox->toolTip());

    NonAlphaNum = new PickList(page());
    NonAlphaNum->setObjectName(QStringLiteral("NonAlphaNum"));
    NonAlphaNum->setGeometry(twipsRect(2520, 960, 1455, 315));
    NonAlphaNum->setToolTip(
        QStringLiteral("For NATO signal flags only, choose from list then click/type Enter."));
    NonAlphaNum->setAccessibleDescription(QStringLiteral("NATO signal flag: ") +
                                          NonAlphaNum->toolTip());
    NonAlphaNum->hide();
    Go = makeButton(page(), "Go", QStringLiteral("Enter"), twipsRect(3360, 1320, 615, 255));
    Go->setAccessibleName(QStringLiteral("Enter NATO flag"));
    Go->hide();

    InstructionLabel =
        makeLabel(page(), "InstructionLabel", QString(), twipsRect(240, 1800, 3735, 735));

    PrevAnswerFrame = new Frame(page());
    PrevAnswerFrame->setObjectName(QStringLiteral("PrevAnswerFrame"));
    PrevAnswerFrame->setGeometry(twipsRect(0, 2400, 3960, 2895));
    PrevAnswerFrame->setBorderShown(false);
    // Wider than drawn (1575) so that "Interrogative" fits in the bold name font.
    PrevAnswer =
        makeLabel(PrevAnswerFrame, "PrevAnswer", QString(), twipsRect(1920, 120, 1935, 375));
    PrevAnswer->setFont(layoutFont(QStringLiteral("Tahoma"), 12, true));
    PrevLine = new LineControl(PrevAnswerFrame);
    PrevLine->setObjectName(QStringLiteral("PrevLine"));
    PrevLine->setLineTwips(1920, 480, 1920, 1560);
    PrevLine->hide();
    PrevImage = new ImageBox(PrevAnswerFrame);
    PrevImage->setObjectName(QStringLiteral("PrevImage"));
    PrevImage->setGeometry(twipsRect(1920, 480, 1335, 735));
    PrevImage->setAccessibleName(QStringLiteral("Previous flag"));
    Meaning = makeLabel(PrevAnswerFrame, "Meaning", QString(), twipsRect(1800, 1560, 2055, 1215));
    Status = makeLabel(PrevAnswerFrame, "Status", QString(), twipsRect(240, 480, 1695, 855));
    Percent = makeLabel(PrevAnswerFrame, "Percent", QString(), twipsRect(480, 1440, 1215, 495));
    Percent->setFont(layoutFont(QStringLiteral("Tahoma"), 14.25, true));

    Frame1 = new Frame(page());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("Quiz on:"));
    Frame1->setGeometry(twipsRect(0, 5400, 3975, 1247));

    auto box = [this](const char *name, double left, double top, bool ticked) {
        QCheckBox *b = makeCheckBox(Frame1, name, twipsRect(left, top, 255, 255));
        b->setChecked(ticked);
        return b;
    };
    auto boxLabel = [this](const char *name, const QString &caption, double left, double top,
                           double width, QCheckBox *buddy, const QString &tip) {
        return makeBoxLabel(Frame1, name, caption, twipsRect(left, top, width, 255), buddy, tip);
    };
    AllCheck = box("AllCheck", 120, 240, false);
    AllLabel = boxLabel("AllLabel", QStringLiteral(" &All"), 360, 240, 1215, AllCheck, QString());
    LettersCk = box("LettersCk", 120, 480, true);
    LettersLabel = boxLabel("LettersLabel", CategoryCaptions()[0], 360, 480, 1215, LettersCk,
                            QStringLiteral("Include International Code of Signals Letters"));
    NumPennantsCk = box("NumPennantsCk", 120, 720, true);
    PennantsLabel =
        boxLabel("PennantsLabel", CategoryCaptions()[1], 360, 720, 1695, NumPennantsCk,
                 QStringLiteral("Include International Code of Signals Numeral Pennants"));
    SubsCk = box("SubsCk", 120, 960, true);
    SubsLabel =
        boxLabel("SubsLabel", CategoryCaptions()[2], 360, 960, 1455, SubsCk,
                 QStringLiteral("Include International Code of Signals Substitute Pennants"));
    NATOFlags = box("NATOFlags", 2160, 480, false);
    NATOFlags->setToolTip(QStringLiteral("For NATO flags, choose from dropdown."));
    NATOLabel = boxLabel("NATOLabel", CategoryCaptions()[3], 2400, 480, 1575, NATOFlags,
                         QStringLiteral("For NATO signal flags, choose from dropdown."));
    NumberFlags = box("NumberFlags", 2160, 720, false);
    NumeralLabel = boxLabel("NumeralLabel", CategoryCaptions()[4], 2400, 720, 1575, NumberFlags,
                            QStringLiteral("Include NATO (square) number flags"));

    CheatButton = makeButton(page(), "CheatButton", QStringLiteral("Flags &Help"),
                             twipsRect(480, 6720, 855, 495));
    ScoreButton =
        makeButton(page(), "ScoreButton", QStringLiteral("Stats"), twipsRect(1560, 6720, 855, 495));
    AboutButton = makeButton(page(), "AboutButton", QStringLiteral("A&bout"),
                             twipsRect(2640, 6720, 855, 495));

    // Tab order; labels take no focus.
    const QList<QWidget *> order{AnswerBox,   NonAlphaNum, Go,         CheatButton,   AboutButton,
                                 modeCombo(), AllCheck,    LettersCk,  NumPennantsCk, SubsCk,
                                 NATOFlags,   NumberFlags, ScoreButton};
    chainTabOrder(order);
    AnswerBox->setFocus();

    connect(AnswerBox, &QLineEdit::textChanged, this, &QuizForm::AnswerBox_Change);
    AnswerBox->installEventFilter(this);
    connect(NonAlphaNum, &PickList::enterPressed, this, &QuizForm::NonAlphaNum_KeyPress);
    connect(Go, &QPushButton::clicked, this, &QuizForm::Go_Click);
    for (QCheckBox *category : {LettersCk, NumPennantsCk, SubsCk, NATOFlags, NumberFlags})
        connect(category, &QCheckBox::toggled, this,
                [this, category] { categoryBox_Click(category); });
    connect(AllCheck, &QCheckBox::toggled, this, &QuizForm::AllCheck_Click);
    connect(AllLabel, &Label::clicked, this, &QuizForm::AllLabel_Click);
    const std::pair<Label *, QCheckBox *> toggles[] = {{LettersLabel, LettersCk},
                                                       {PennantsLabel, NumPennantsCk},
                                                       {SubsLabel, SubsCk},
                                                       {NATOLabel, NATOFlags},
                                                       {NumeralLabel, NumberFlags}};
    for (const auto &[caption, target] : toggles)
        connect(caption, &Label::clicked, target,
                [target = target] { target->setChecked(!target->isChecked()); });
    connect(CheatButton, &QPushButton::clicked, this, &QuizForm::CheatButton_Click);
    connect(ScoreButton, &QPushButton::clicked, this, &QuizForm::ScoreButton_Click);
    connect(AboutButton, &QPushButton::clicked, this, &QuizForm::AboutButton_Click);
}

void QuizForm::Form_Load()
{
    NonAlphaNum->setEntries(QStringList{QStringLiteral("Choose NATO:")} + NatoSpecialNames());
    NonAlphaNum->setCurrentIndex(0);
}

CategoryBoxes QuizForm::categoryBoxes() const
{
    return {LettersCk->isChecked(), NumPennantsCk->isChecked(), SubsCk->isChecked(),
            NATOFlags->isChecked(), NumberFlags->isChecked()};
}

void QuizForm::showCurrentFlag(int pictureId)
{
    CurrImage->setPicture(pictureId);
}

void QuizForm::setInstruction(const QString &caption)
{
    InstructionLabel->setCaption(caption);
}

void QuizForm::showPreviousAnswer(const PreviousAnswerView &previous)
{
    PrevImage->setPicture(previous.pictureId);
    Status->setCaption(previous.status);
    Percent->setCaption(previous.percent);
    PrevAnswerFrame->setBorderShown(true);
    PrevAnswerFrame->setTitle(QStringLiteral("Previous Answer"));
    PrevAnswer->setCaption(previous.name);
    PrevLine->show();
    Meaning->setCaption(previous.meaning);
    PrevImage->setToolTip(QStringLiteral("Previous flag"));
    PrevAnswer->setToolTip(QStringLiteral("Correct answer for previous flag"));
    Meaning->setToolTip(QStringLiteral("Correct meaning for previous flag"));
    announce(previous.spoken);
}

QWidget *QuizForm::answerControl() const
{
    // With only the NATO flags asked, the answers are picked from their list.
    if (categoryBoxes().onlyNatoSpecials())
        return NonAlphaNum;
    return AnswerBox;
}

void QuizForm::clearAnswer()
{
    // Emptied as a new text, which also forgets the box's undo history: an
    // answer brought back by Undo would be judged again.
    AnswerBox->setText(QString());
}

void QuizForm::beep()
{
    QApplication::beep();
}

bool QuizForm::eventFilter(QObject *watched, QEvent *event)
{
    // A substitute is typed as the instruction says, Shift and its number,
    // whatever that key types with Shift on the user's keyboard.
    if (watched == AnswerBox && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString answer = AnswerForKey(key->text(), key->modifiers() == Qt::ShiftModifier,
                                            numberRowKey(key->nativeScanCode()));
        if (answer != key->text()) {
            AnswerBox->insert(answer);
            return true;
        }
    }
    return ModeWindow::eventFilter(watched, event);
}

void QuizForm::AnswerBox_Change()
{
    SharedState &s = shared();
    s.LastAnswer = upperPerChar(AnswerBox->text());
    if (s.AnswerEventsOn != 0) {
        NextQuestion(*this);
        // An open chart follows the answer; one opened later draws the
        // tallies as they are then.
        if (ScoreForm *score = existingWindow<ScoreForm>())
            score->Redraw();
    }
}

void QuizForm::NonAlphaNum_KeyPress()
{
    if (NonAlphaNum->currentIndex() != 0)
        Go_Click();
}

void QuizForm::Go_Click()
{
    const int entry = NonAlphaNum->currentIndex();
    if (entry >= 1 && entry <= 17)
        AnswerBox->setText(NatoSpecialCode(entry));
    focusAnswer();
    NonAlphaNum->setCurrentIndex(0);
}

void QuizForm::focusNatoListIfOnlyNato()
{
    if (categoryBoxes().onlyNatoSpecials())
        NonAlphaNum->setFocus();
}

void QuizForm::categoryBox_Click(QCheckBox *box)
{
    SharedState &s = shared();
    if (box == NATOFlags) {
        NonAlphaNum->setVisible(NATOFlags->isChecked());
        Go->setVisible(NATOFlags->isChecked());
        if (NATOFlags->isChecked())
            NonAlphaNum->setCurrentIndex(0);
    }
    publishCategories();
    s.RecentDepth = RecentDepthFor(categoryBoxes());

    if (categoryBoxes().none())
        box->setChecked(true);

    if (!box->isChecked()) {
        AllCheck->setChecked(false);
        if (!CategoryEnabled(s.CurrentQuizFlag, categoryBoxes()))
            NextQuestion(*this);
        const bool shownDigit = FlagCategory(s.CurrentQuizFlag) == CategoryNumeral;
        if (box == NumPennantsCk && shownDigit && s.CurrentShownAsNATONumber == 0) {
            s.CurrentShownAsNATONumber = 1;
            NextQuestion(*this);
        } else if (box == NumberFlags && shownDigit && s.CurrentShownAsNATONumber == 1) {
            s.CurrentShownAsNATONumber = 0;
            NextQuestion(*this);
        }
    }
    if (box == SubsCk)
        InstructionLabel->setVisible(SubsCk->isChecked());

    focusNatoListIfOnlyNato();
    if (categoryBoxes().all())
        AllCheck->setChecked(true);
}

void QuizForm::AllCheck_Click()
{
    if (AllCheck->isChecked()) {
        for (QCheckBox *box : {LettersCk, NumPennantsCk, SubsCk, NATOFlags, NumberFlags})
            box->setChecked(true);
    } else if (categoryBoxes().all()) {
        LettersCk->setChecked(true);
        NumPennantsCk->setChecked(true);
        SubsCk->setChecked(true);
        NATOFlags->setChecked(false);
        NumberFlags->setChecked(false);
    }
    if (categoryBoxes().all())
        AllCheck->setChecked(true);
}

void QuizForm::AllLabel_Click()
{
    if (!AllCheck->isChecked())
        AllCheck->setChecked(true);
}

void QuizForm::CheatButton_Click()
{
    showAside(getWindow<CheatForm>());
}

void QuizForm::ScoreButton_Click()
{
    ScoreForm &score = getWindow<ScoreForm>();
    if (!LettersCk->isChecked() && !SubsCk->isChecked())
        score.selectPage(1);
    score.setWindowState(score.windowState() & ~Qt::WindowMinimized);
    showAside(score);
}

void QuizForm::AboutButton_Click()
{
    showAside(aboutWindow());
}

void QuizForm::afterModePick()
{
    publishCategories();
}

void QuizForm::publishCategories()
{
    shared().quizCategories = categoryBoxes();
    // A listing not opened yet reads them when it is first built.
    if (CheatForm *listing = existingWindow<CheatForm>())
        listing->Form_Load();
}

} // namespace vexo
