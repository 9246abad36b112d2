#include "quiz/score_form.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "quiz/question_engine.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QHash>
#include <QRadioButton>

#include <cmath>

namespace vexo {

namespace {

const QColor RightGreen(0, 192, 0);
const QColor WrongRed(255, 0, 0);

// Wider bars than this are far past the window's edge; the cap keeps the
// geometry within what a widget can hold.
constexpr qint64 MaxBarTwips = 1'000'000;

const QString &pageCodes(int page)
{
    static const QString letters = LetterCodes() + SubstituteCodes();
    static const QString numbers = NumeralCodes() + NatoSpecialCodes();
    return page == 0 ? letters : numbers;
}

} // namespace

ScoreScale ScoreScaleFor(qint64 maxTotal)
{
    ScoreScale scale;
    // The largest total always fits in fewer than ten divisions.
    while (maxTotal >= 10 * scale.factor)
        scale.factor *= 2;
    scale.blockwidth = qint64(roundHalfEven(300.0 / double(scale.factor)));
    return scale;
}

int GradeIconId(double percent, qint32 asked)
{
    const double p = std::floor(percent + 0.5);
    if (p < 0 || p > 100)
        return 0;
    if (p == 0)
        return asked == 0 ? 101 : 108;
    if (p < 60)
        return 108;
    if (p < 70)
        return 107;
    if (p < 80)
        return 106;
    if (p < 90)
        return 105;
    return 104;
}

ScoreForm::ScoreForm() : AsideForm(QStringLiteral("ScoreForm"), QStringLiteral("Score"), 3435, 7440)
{
    // Grid lines first so that bars and pictures paint over them.
    for (int i = 1; i <= 10; ++i) {
        Line1[i] = new LineControl(page());
        Line1[i]->setObjectName(elementName("Line1", i));
        Line1[i]->hide();
    }
    for (int i = 0; i < RowCount; ++i) {
        FlagImg[i] = new ImageBox(page());
        FlagImg[i]->setObjectName(elementName("FlagImg", i));
        FlagImg[i]->setFocusPolicy(Qt::TabFocus);
        Bar[i] = new ShapeBox(page());
        Bar[i]->setObjectName(elementName("Bar", i));
        Bar[i]->setColors(RightGreen, RightGreen);
        WrongBar[i] = new ShapeBox(page());
        WrongBar[i]->setObjectName(elementName("WrongBar", i));
        WrongBar[i]->setColors(WrongRed, WrongRed);
        FlagImg[i]->hide();
        Bar[i]->hide();
        WrongBar[i]->hide();
    }
    for (int k = 0; k < 3; ++k) {
        Legend[k] = new Label(page());
        Legend[k]->setObjectName(elementName("Legend", k));
        Legend[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Legend[k]->setWordWrap(false);
        // Wider than drawn (375) so that the largest marks, six digits, fit.
        Legend[k]->setGeometry(twipsRect(0, 6600, 600, 200));
    }
    const char *options[] = {"Letters && Subs", "Numbers && NATO"};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(QLatin1String(options[i]), page());
        Option1[i]->setObjectName(elementName("Option1", i));
        Option1[i]->setGeometry(twipsRect(0, 6840 + 240 * i, 1695, 255));
        Option1[i]->setAccessibleName(i == 0 ? QStringLiteral("Letters & Subs")
                                             : QStringLiteral("Numbers & NATO"));
    }
    Option1[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    }
    RightLabel = new Label(page());
    RightLabel->setObjectName(QStringLiteral("RightLabel"));
    RightLabel->setCaption(QStringLiteral("Right Answer"));
    RightLabel->setGeometry(twipsRect(1800, 6840, 975, 255));
    WrongLabel = new Label(page());
    WrongLabel->setObjectName(QStringLiteral("WrongLabel"));
    WrongLabel->setCaption(QStringLiteral("Wrong Answer"));
    WrongLabel->setGeometry(twipsRect(1800, 7125, 1095, 255));
    for (int i = 0; i < 2; ++i) {
        Shape1[i] = new ShapeBox(page());
        Shape1[i]->setObjectName(elementName("Shape1", i));
        Shape1[i]->setGeometry(twipsRect(3000, i == 0 ? 6915 : 7200, 195, 105));
        Shape1[i]->setColors(i == 0 ? RightGreen : WrongRed, i == 0 ? RightGreen : WrongRed);
    }
}

void ScoreForm::selectPage(int page)
{
    if (page >= 0 && page < 2)
        Option1[page]->setChecked(true);
}

void ScoreForm::Option1_Click(int)
{
    Form_Load();
}

void ScoreForm::Form_Load()
{
    const SharedState &s = shared();
    setWindowTitle(QStringLiteral("Score %1%: %2 of %3")
                       .arg(PercentText(s.QuizPercent))
                       .arg(s.QuizRightCount)
                       .arg(s.QuizAskedCount));
    const int icon = GradeIconId(s.QuizPercent, s.QuizAskedCount);
    if (icon != 0 && icon != m_iconId) {
        m_iconId = icon;
        setWindowIcon(SvgIcon(QStringLiteral(":/icons/%1").arg(icon)));
    }

    qint64 maxTotal = 0;
    for (int c = 1; c <= 125; ++c)
        maxTotal = qMax(maxTotal, qint64(s.RightTally[c]) + s.WrongTally[c]);
    const ScoreScale scale = ScoreScaleFor(maxTotal);
    factor = scale.factor;
    barWidth = 300;
    blockwidth = scale.blockwidth;

    // Rows of the page are drawn, the rest hidden; each widget is touched once
    // so an answer does not hide and show the whole chart.
    int row = 0;
    for (QChar code : pageCodes(Option1[0]->isChecked() ? 0 : 1))
        drawBars(QString(code), row);
    for (int i = row; i < RowCount; ++i) {
        FlagImg[i]->hide();
        WrongBar[i]->hide();
        Bar[i]->hide();
    }

    for (int k = 0; k < 3; ++k) {
        const double width = pixelsToTwips(Legend[k]->width());
        Legend[k]->move(twipsPoint(300 + (k + 1) * 5 * barWidth - width / 2, 6600));
        Legend[k]->setCaption(QString::number((k + 1) * (5 * factor)));
    }
    for (int i = 1; i <= 10; ++i) {
        const double x = 300 + i * barWidth;
        Line1[i]->setLineTwips(x, 0, x, 6600);
        Line1[i]->setColor(i % 5 == 0 ? QColor(Qt::black) : QColor(128, 128, 128));
        Line1[i]->show();
    }
}

void ScoreForm::drawBars(const QString &letter, int &Index)
{
    if (Index < 0 || Index >= RowCount)
        return;
    const SharedState &s = shared();
    const QString lower = lowerPerChar(letter);
    const int c = letter.isEmpty() ? 0 : letter.at(0).unicode();
    const qint64 right = c < 126 ? s.RightTally[c] : 0;
    const qint64 wrong = c < 126 ? s.WrongTally[c] : 0;

    ImageBox *image = FlagImg[Index];
    // Rows 14 pixels apart (drawn 220 twips, 14.67 pixels) so that they are
    // evenly spaced and all thirty stay above the scale marks.
    const double top = Index * 210.0;
    // Square, as drawn (200 by 200): its edges rounded one by one would make
    // it a pixel shorter than wide.
    const int side = twipsToPixels(200);
    image->setGeometry(QRect(twipsPoint(50, top), QSize(side, side)));
    const int pictureId = FlagPictureId(lower);
    if (image->pictureId() != pictureId || image->toolTip().isEmpty()) {
        image->setStretchedPicture(pictureId);
        image->setToolTip(FlagName(lower));
    }
    // What the bars show, for a screen reader: "Alpha: 3 right, 1 wrong".
    const QString counts =
        QStringLiteral("%1: %2 right, %3 wrong").arg(FlagName(lower)).arg(right).arg(wrong);
    if (image->accessibleName() != counts)
        image->setAccessibleName(counts);
    image->show();

    const qint64 rightWidth = qMin(right * blockwidth, MaxBarTwips);
    Bar[Index]->setGeometry(twipsRect(300, top + 50, double(rightWidth), 100));
    Bar[Index]->setVisible(rightWidth >= blockwidth);

    const qint64 wrongWidth = qMin(wrong * blockwidth, MaxBarTwips);
    WrongBar[Index]->setGeometry(
        twipsRect(300 + double(rightWidth), top + 50, double(wrongWidth), 100));
    WrongBar[Index]->setVisible(wrongWidth >= blockwidth);

    ++Index;
}

} // namespace vexo
