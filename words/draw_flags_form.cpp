#include "words/draw_flags_form.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "catalogue/substitutes.h"
#include "core/shared_state.h"
#include "reference/about_form.h"
#include "ui/controls.h"
#include "ui/twips.h"
#include "words/characters.h"
#include "words/typing_limit_edit.h"
#include "words/word_quiz.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

namespace vexo {

QString SpecialCharNote()
{
    return QStringLiteral("*Note: the NATO flags do not actually represent the punctuation and "
                          "special characters shown in the text box.");
}

DrawFlagsForm::DrawFlagsForm()
    : ModeWindow(QStringLiteral("DrawFlagsForm"), Mode::ShowFlags, 4035, 7470, 1695)
{

    Line1 = buildHalyard(page());
    Image1 = buildHoist(page(), 0);

    WordsShowInstruct = makeLabel(page(), "WordsShowInstruct",
                                  QStringLiteral("Type a word to see it spelled out in flags."),
                                  twipsRect(2160, 840, 1695, 495));

    Text1 = new TypingLimitEdit(TypingLimit, page());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(2400, 1320, 1095, 375));
    Text1->setAccessibleName(WordsShowInstruct->caption());

    AsteriskLabel =
        makeLabel(page(), "AsteriskLabel", QStringLiteral("*"), twipsRect(3600, 1320, 375, 375));
    AsteriskLabel->hide();

    NoSubsCk = makeCheckBox(page(), "NoSubsCk", twipsRect(2160, 1920, 255, 255));
    NoSubsLabel = makeBoxLabel(page(), "NoSubsLabel", QStringLiteral("Don't use &substitutes"),
                               twipsRect(2400, 1920, 1575, 255), NoSubsCk);
    UseNATOFlagsCK = makeCheckBox(page(), "UseNATOFlagsCK", twipsRect(2160, 2160, 255, 255));
    UseNATOLabel = makeBoxLabel(page(), "UseNATOLabel", QStringLiteral("Use &NATO flags"),
                                twipsRect(2400, 2160, 1335, 255), UseNATOFlagsCK);

    SpecialFlags = new PickList(page());
    SpecialFlags->setObjectName(QStringLiteral("SpecialFlags"));
    SpecialFlags->setGeometry(twipsRect(2160, 2880, 1575, 315));
    SpecialFlags->setAccessibleDescription(QStringLiteral("Insert NATO flag"));
    // Every step of the arrow keys on the closed list would insert a flag.
    SpecialFlags->setOpensOnArrowKeys(true);
    SpecialFlags->hide();

    SpecialCharLabel =
        makeLabel(page(), "SpecialCharLabel", QString(), twipsRect(2160, 3360, 1695, 1455));
    SpecialCharLabel->hide();

    AboutButton = makeButton(page(), "AboutButton", QStringLiteral("&About"),
                             twipsRect(2520, 6720, 855, 495));

    // Tab order; labels take no focus.
    chainTabOrder({AboutButton, modeCombo(), NoSubsCk, SpecialFlags, Text1, UseNATOFlagsCK});
    // The window is for typing: it opens ready for it.
    Text1->setFocus();

    connect(Text1, &QLineEdit::textChanged, this, &DrawFlagsForm::Text1_Change);
    connect(NoSubsCk, &QCheckBox::toggled, this, &DrawFlagsForm::NoSubsCk_Click);
    connect(NoSubsLabel, &Label::clicked, this, &DrawFlagsForm::NoSubsLabel_Click);
    connect(UseNATOFlagsCK, &QCheckBox::toggled, this, &DrawFlagsForm::UseNATOFlagsCK_Click);
    connect(UseNATOLabel, &Label::clicked, this, &DrawFlagsForm::UseNATOLabel_Click);
    connect(SpecialFlags, &PickList::clicked, this, &DrawFlagsForm::SpecialFlags_Click);
    connect(AboutButton, &QPushButton::clicked, this, &DrawFlagsForm::AboutButton_Click);
}

void DrawFlagsForm::Form_Load()
{
    SpecialCharLabel->setCaption(SpecialCharNote());
    SpecialFlags->setEntries(QStringList{QStringLiteral("Insert NATO:")} + NatoSpecialNames());
    SpecialFlags->setCurrentIndex(0);
}

void DrawFlagsForm::DrawWord()
{
    SharedState &s = shared();
    hideHoist(Image1);
    // One place of the hoist for each character the user sees: an emoji or a
    // letter with its accents is one, a gap since it is no flag code.
    QStringList places = userCharacters(s.ShowWordsText);
    const int count = int(std::min<qsizetype>(places.size(), HoistSize));
    if (!NoSubsCk->isChecked()) {
        // A place of several code units stands in as a sign that is no flag,
        // which ends a run as any other does.
        QString codes;
        for (const QString &place : places)
            codes += place.size() == 1 ? place.at(0) : QChar(QChar::ReplacementCharacter);
        const QString coded = AddSubstitutes(lowerFlagCodes(codes));
        for (qsizetype n = 0; n < places.size(); ++n) {
            if (places.at(n).size() == 1)
                places[n] = coded.at(n);
        }
        s.ShowWordsText = places.join(QString());
    }

    int natoCount = 0;
    const int categoryLimit =
        UseNATOFlagsCK->isChecked() ? CategoryNatoSpecial + 1 : CategoryNatoSpecial;
    for (int n = 0; n < count; ++n) {
        if (places.at(n).size() != 1)
            continue;
        const QChar ch = places.at(n).at(0);
        const int category = FlagCategory(ch);
        if (category < CategoryNumeral || category >= categoryLimit)
            continue;
        if (category == CategoryNatoSpecial)
            ++natoCount;
        showInHoist(Image1, n, FlagPictureId(ch));
        Image1[n]->setAccessibleName(FlagName(QString(ch)));
    }
    AsteriskLabel->setVisible(natoCount != 0);
    SpecialCharLabel->setVisible(natoCount != 0);
}

void DrawFlagsForm::Text1_Change()
{
    shared().ShowWordsText = Text1->text();
    DrawWord();
}

void DrawFlagsForm::NoSubsCk_Click()
{
    Text1_Change();
    Text1->setFocus();
}

void DrawFlagsForm::NoSubsLabel_Click()
{
    NoSubsCk->setChecked(!NoSubsCk->isChecked());
}

void DrawFlagsForm::UseNATOFlagsCK_Click()
{
    SpecialFlags->setVisible(UseNATOFlagsCK->isChecked());
    Text1_Change();
}

void DrawFlagsForm::UseNATOLabel_Click()
{
    UseNATOFlagsCK->setChecked(!UseNATOFlagsCK->isChecked());
}

void DrawFlagsForm::SpecialFlags_Click()
{
    const int entry = SpecialFlags->currentIndex();
    // Inserting may take the text past what typing allows.
    if (entry >= 1 && entry <= NatoSpecialCodes().size())
        Text1->setProgramText(Text1->text() + NatoSpecialCode(entry));
    SpecialFlags->setListIndex(0);
}

QWidget *DrawFlagsForm::answerControl() const
{
    return Text1;
}

void DrawFlagsForm::AboutButton_Click()
{
    showAside(aboutWindow());
}

} // namespace vexo
