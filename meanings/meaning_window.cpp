#include "meanings/meaning_window.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "meanings/meaning_quiz.h"
#include "reference/about_form.h"
#include "reference/cheat_form.h"
#include "reference/cheat_mean_form.h"
#include "ui/accessibility.h"
#include "ui/appearance.h"
#include "ui/controls.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace vexo {

namespace {

QRect boxRect(const TwipsBox &box)
{
    return twipsRect(box.left, box.top, box.width, box.height);
}

Label *makeLabel(QWidget *parent, const char *name, const TwipsBox &box)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(boxRect(box));
    return label;
}

} // namespace

MeaningQuizWindow::MeaningQuizWindow(const QString &objectName, Mode mode,
                                     const MeaningWindowLayout &layout,
                                     const MeaningQuizRules &rules)
    : ModeWindow(objectName, mode, layout.clientWidth, 6825, 1815), m_rules(rules)
{

    CurrImage = new ImageBox(page());
    CurrImage->setObjectName(QStringLiteral("CurrImage"));
    CurrImage->setGeometry(twipsRect(120, 840, 1665, 960));
    CurrImage->setAccessibleName(QStringLiteral("Flag asked"));
    CurrLine = new LineControl(page());
    CurrLine->setObjectName(QStringLiteral("CurrLine"));
    CurrLine->setLineTwips(120, 720, 120, 2280);

    Answer = new PickList(page());
    Answer->setObjectName(QStringLiteral("Answer"));
    Answer->setGeometry(twipsRect(0, 2400, layout.answerWidth, 315));
    Answer->setAccessibleDescription(QStringLiteral("Meaning of the flag"));
    Answer->setOpensOnArrowKeys(true);

    PrevAnswerFrame = new Frame(page());
    PrevAnswerFrame->setObjectName(QStringLiteral("PrevAnswerFrame"));
    PrevAnswerFrame->setGeometry(twipsRect(0, 3000, layout.frameWidth, 3015));
    PrevAnswerFrame->setBorderShown(false);
    Status = makeLabel(PrevAnswerFrame, "Status", layout.status);
    Percent = makeLabel(PrevAnswerFrame, "Percent", {360, layout.percentTop, 1215, 495});
    Percent->setFont(layoutFont(QStringLiteral("Tahoma"), 14.25, true));
    const double prev = layout.previousLeft;
    PrevAnswer = makeLabel(PrevAnswerFrame, "PrevAnswer", {prev, 240, 1575, 375});
    PrevAnswer->setFont(layoutFont(QStringLiteral("Tahoma"), 12, true));
    PrevImage = new ImageBox(PrevAnswerFrame);
    PrevImage->setObjectName(QStringLiteral("PrevImage"));
    PrevImage->setGeometry(twipsRect(prev, 720, 1335, 735));
    PrevImage->setAccessibleName(QStringLiteral("Previous flag"));
    PrevLine = new LineControl(PrevAnswerFrame);
    PrevLine->setObjectName(QStringLiteral("PrevLine"));
    PrevLine->setLineTwips(prev, 720, prev, 1800);
    PrevLine->hide();
    Meaning = makeLabel(PrevAnswerFrame, "Meaning", layout.meaning);

    const double left = layout.buttonsLeft;
    CheatButton = makeButton("CheatButton", QStringLiteral("Flags &Help"), {left, 6120, 855, 495});
    Command1 =
        makeButton("Command1", QStringLiteral("&Meanings Help"), {left + 1020, 6120, 855, 495});
    AboutButton =
        makeButton("AboutButton", QStringLiteral("&About"), {left + 2040, 6120, 855, 495});

    // Tab order; labels and pictures take no focus.
    const QList<QWidget *> order{Answer, CheatButton, Command1, AboutButton, modeCombo()};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    Answer->setFocus();

    connect(Answer, &PickList::enterPressed, this, &MeaningQuizWindow::Answer_KeyPress);
    connect(CheatButton, &QPushButton::clicked, this, &MeaningQuizWindow::CheatButton_Click);
    connect(Command1, &QPushButton::clicked, this, &MeaningQuizWindow::Command1_Click);
    connect(AboutButton, &QPushButton::clicked, this, &MeaningQuizWindow::AboutButton_Click);
}

QPushButton *MeaningQuizWindow::makeButton(const char *name, const QString &caption,
                                           const TwipsBox &box)
{
    return vexo::makeButton(page(), name, caption, boxRect(box));
}

void MeaningQuizWindow::setAnswerEntries(const QStringList &entries)
{
    Answer->setEntries(entries);
    fitPromptToList();
    // Meanings are far longer than the list is wide; the popup shows them whole.
    const QFontMetrics metrics(Answer->view()->font());
    int widest = 0;
    for (const QString &entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    const int frame = 2 * Answer->view()->frameWidth() + 24;
    const int screenWidth = screen() ? screen()->availableGeometry().width() : 1024;
    Answer->view()->setMinimumWidth(std::min(widest + frame, screenWidth));
}

void MeaningQuizWindow::fitPromptToList()
{
    // The prompt shows between answers: where it is a little too wide for the
    // closed list, its letters are set closer rather than cut off.
    QFont font = Answer->font();
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    Answer->view()->setFont(font);
    QStyleOptionComboBox option;
    option.initFrom(Answer);
    option.rect = Answer->rect();
    const int room =
        Answer->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, Answer)
            .width() -
        6;
    const int needed = QFontMetrics(font).horizontalAdvance(Answer->itemText(0));
    if (needed > room && room > 0)
        font.setLetterSpacing(QFont::PercentageSpacing,
                              std::max(90.0, std::floor(100.0 * room / needed)));
    Answer->setFont(font);
}

void MeaningQuizWindow::showFirstFlag()
{
    CurrImage->setPicture(FlagPictureId(shared().*m_rules.flag));
    Answer->setListIndex(0);
}

void MeaningQuizWindow::confirmSelection()
{
    const int position = Answer->currentIndex();
    if (position < 1)
        return;
    shared().*m_rules.choice = position;
    showVerdict(m_rules.check());
}

void MeaningQuizWindow::showVerdict(const MeaningVerdict &verdict)
{
    if (!verdict.right)
        QApplication::beep();
    Answer->setListIndex(0);
    CurrImage->setPicture(verdict.currentPicture);
    const bool hasPrevious = !verdict.previousCode.isEmpty();
    if (hasPrevious)
        PrevImage->setPicture(verdict.previousPicture);
    Status->setCaption(verdict.status);
    Percent->setCaption(verdict.percent);
    if (!hasPrevious)
        return;
    PrevAnswerFrame->setBorderShown(true);
    PrevAnswerFrame->setTitle(QStringLiteral("Previous Answer"));
    PrevAnswer->setCaption(verdict.previousName);
    PrevLine->show();
    Meaning->setCaption(verdict.previousMeaning);
    afterPreviousShown();
    announce(verdict.spoken);
}

void MeaningQuizWindow::Answer_KeyPress()
{
    confirmSelection();
}

QWidget *MeaningQuizWindow::answerControl() const
{
    return Answer;
}

void MeaningQuizWindow::CheatButton_Click()
{
    showAside(getWindow<CheatForm>());
}

void MeaningQuizWindow::Command1_Click()
{
    showAside(getWindow<CheatMeanForm>());
}

void MeaningQuizWindow::AboutButton_Click()
{
    showAside(aboutWindow());
}

} // namespace vexo
