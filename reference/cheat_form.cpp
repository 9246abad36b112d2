#include "reference/cheat_form.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "core/shared_state.h"
#include "ui/appearance.h"
#include "ui/controls.h"
#include "ui/mode_window.h"
#include "ui/twips.h"

#include <QFontMetrics>

namespace vexo {

namespace {

constexpr double FrameWidth = 5000;
constexpr double FrameLeft = 100;
constexpr double Margin = 187.5;
constexpr double Gap = 150;
constexpr double WidePicture = 562.5;
constexpr double MediumPicture = 425.25;
constexpr double SquarePicture = 281.25;
constexpr double NatoLabelWidth = 850;
constexpr double PennantHeight = 187.5;
constexpr double LabelHeight = 175;
constexpr double RowPitch = 581.25;
constexpr double FirstRowTop = 225;

// The flag quiz window's inner width, until it exists.
constexpr double QuizFormClientWidth = 4035;

struct Category
{
    QString codes;
    bool natoNumerals = false;
};

const std::array<Category, CheatForm::FrameCount> &categories()
{
    static const std::array<Category, CheatForm::FrameCount> list{{
        {LetterCodes()},
        {NumeralCodes()},
        {SubstituteCodes()},
        {NatoSpecialCodes()},
        {NumeralCodes(), true},
    }};
    return list;
}

bool isShortNatoFlag(QChar code)
{
    return QStringLiteral("&/>_%").contains(code);
}

QString captionFor(int frame, const QString &code)
{
    switch (frame) {
    case CheatForm::Substitutes:
    case CheatForm::NatoFlags:
        return FlagName(code);
    default:
        return code;
    }
}

QString tooltipFor(int frame, const QString &code)
{
    switch (frame) {
    case CheatForm::Letters:
    case CheatForm::Substitutes:
        return FlagName(code) + QStringLiteral(": ") + FlagMeaning(code);
    case CheatForm::NumPennants:
        return QStringLiteral("Pennant ") + FlagName(code);
    case CheatForm::NatoFlags:
        return FlagName(code);
    default:
        return QStringLiteral("Flag ") + FlagName(code);
    }
}

// Geometry of one flag in its frame, in twips relative to the frame.
struct Placement
{
    QRectF picture;
    QRectF label;
};

// Left edges of the pictures of one row: the first at the frames' left edge
// plus an offset, each further one a step and a gap on.
double evenlySpacedLeft(int column, double step, int columns, double firstOffsetFactor)
{
    const double gap = (FrameWidth - columns * step) / (columns + 1);
    return FrameLeft + gap * firstOffsetFactor + column * wholePixels(step + gap);
}

int columnsFor(int frame)
{
    switch (frame) {
    case CheatForm::Letters:
        return int(roundHalfEven((FrameWidth - Margin) / (Margin + SquarePicture)));
    case CheatForm::Substitutes:
        return 4;
    default:
        return int(roundHalfEven((FrameWidth - Margin) / (Margin + NatoLabelWidth)));
    }
}

double frameHeightFor(int frame)
{
    const int count = int(categories()[frame].codes.size());
    // The four substitutes make one row.
    const int rows = frame == CheatForm::Substitutes
                         ? 1
                         : int(roundHalfEven(double(count) / columnsFor(frame) + 0.5));
    if (frame == CheatForm::NumPennants)
        return rows * (LabelHeight + 2 * Gap + PennantHeight);
    return rows * (LabelHeight + Gap + SquarePicture) + Gap;
}

Placement placementFor(int frame, int j, QChar code, double substituteLabelWidth)
{
    const int cols = columnsFor(frame);
    const int c = j % cols;
    const int r = j / cols;
    const double top = FirstRowTop + r * wholePixels(RowPitch);
    Placement p;
    switch (frame) {
    case CheatForm::Letters: {
        const double left = Margin + c * wholePixels(Margin + SquarePicture);
        p.picture = QRectF(left, top, SquarePicture, SquarePicture);
        p.label = QRectF(left, top + SquarePicture, SquarePicture, LabelHeight);
        break;
    }
    case CheatForm::NumPennants: {
        const double left = evenlySpacedLeft(c, WidePicture, cols, 0.5);
        p.picture = QRectF(left, top, WidePicture, PennantHeight);
        p.label = QRectF(left, top + PennantHeight, WidePicture, LabelHeight);
        break;
    }
    case CheatForm::Substitutes: {
        const double gap = (FrameWidth - 4 * MediumPicture) / 5;
        const double left = gap + c * wholePixels(gap + MediumPicture);
        p.picture = QRectF(left, top, MediumPicture, SquarePicture);
        // Centred under the picture and as wide as the names need, so that
        // "1st Subst" is not cut off.
        p.label = QRectF(left + (MediumPicture - substituteLabelWidth) / 2, top + SquarePicture,
                         substituteLabelWidth, LabelHeight);
        break;
    }
    case CheatForm::NatoFlags: {
        const double left = evenlySpacedLeft(c, WidePicture, cols, 1.0);
        const double height = isShortNatoFlag(code) ? PennantHeight : SquarePicture;
        p.picture = QRectF(left, top, SquarePicture, height);
        p.label = QRectF(left + (SquarePicture - NatoLabelWidth) / 2, top + SquarePicture,
                         NatoLabelWidth, LabelHeight);
        break;
    }
    default: {
        const double left = evenlySpacedLeft(c, SquarePicture, cols, 0.5);
        p.picture = QRectF(left, top, SquarePicture, SquarePicture);
        p.label = QRectF(left, top + SquarePicture, SquarePicture, LabelHeight);
        break;
    }
    }
    return p;
}

QRect toPixels(const QRectF &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The layout font's size, shrunk until the longest NATO name fits its label.
QFont listingFont()
{
    // Measured as a label lays it out, in the narrowest a NATO label's
    // rounded edges leave it.
    Label probe;
    probe.resize(int(NatoLabelWidth / TwipsPerPixel), twipsToPixels(LabelHeight) + 1);
    for (double points = 8; points > 5; points -= 0.75) {
        probe.setFont(layoutFont(QStringLiteral("Tahoma"), points));
        bool fits = true;
        for (QChar code : NatoSpecialCodes()) {
            const QSize needed = probe.captionSize(FlagName(QString(code)));
            fits = fits && needed.width() <= probe.width() && needed.height() <= probe.height();
        }
        if (fits)
            return probe.font();
    }
    return layoutFont(QStringLiteral("Tahoma"), 5.25);
}

} // namespace

CheatForm::CheatForm()
    : AsideForm(QStringLiteral("CheatForm"), QStringLiteral("Flags Listing"), 5300, 2000)
{
    const char *names[] = {"LettersFrame", "NumPennantFrm", "SubFrame", "NATOFlagsFrame",
                           "NATONumFrame"};
    std::array<Frame *, FrameCount> made{};
    for (int f = 0; f < FrameCount; ++f) {
        made[f] = new Frame(page());
        made[f]->setObjectName(QLatin1String(names[f]));
        made[f]->hide();
    }
    LettersFrame = made[Letters];
    NumPennantFrm = made[NumPennants];
    SubFrame = made[Substitutes];
    NATOFlagsFrame = made[NatoFlags];
    NATONumFrame = made[NatoNumerals];

    const QFont font = listingFont();
    int k = 0;
    for (int f = 0; f < FrameCount; ++f) {
        for (qsizetype j = 0; j < categories()[f].codes.size(); ++j, ++k) {
            FlagImg[k] = new ImageBox(made[f]);
            Label1[k] = new Label(made[f]);
        }
    }
    for (; k < ImageCount; ++k) {
        FlagImg[k] = new ImageBox(page());
        Label1[k] = new Label(page());
    }
    for (k = 0; k < ImageCount; ++k) {
        FlagImg[k]->setObjectName(elementName("FlagImg", k));
        // Each flag is a stop of Tab, read by its name and meaning.
        FlagImg[k]->setFocusPolicy(Qt::TabFocus);
        FlagImg[k]->hide();
        Label1[k]->setObjectName(elementName("Label1", k));
        Label1[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label1[k]->setWordWrap(false);
        Label1[k]->setFont(font);
        Label1[k]->hide();
    }

    // Each flag's place, picture, caption and names never change; a load
    // only shows the categories asked for.
    const QFontMetrics metrics(font);
    double substituteLabelWidth = MediumPicture;
    for (QChar code : categories()[Substitutes].codes)
        substituteLabelWidth =
            qMax(substituteLabelWidth,
                 pixelsToTwips(metrics.horizontalAdvance(FlagName(QString(code))) + 4));
    k = 0;
    for (int f = 0; f < FrameCount; ++f) {
        const Category &category = categories()[f];
        frameHeight[f] = frameHeightFor(f);
        made[f]->resize(twipsToPixels(FrameWidth), twipsToPixels(frameHeight[f]));
        for (qsizetype j = 0; j < category.codes.size(); ++j, ++k) {
            const QChar code = category.codes.at(j);
            const QString text(code);
            const Placement place = placementFor(f, int(j), code, substituteLabelWidth);
            FlagImg[k]->setGeometry(toPixels(place.picture));
            FlagImg[k]->setStretchedPicture(FlagPictureId(text, category.natoNumerals));
            Label1[k]->setGeometry(toPixels(place.label));
            Label1[k]->setCaption(captionFor(f, text));
            FlagImg[k]->setToolTip(tooltipFor(f, text));
            FlagImg[k]->setAccessibleName(tooltipFor(f, text));
        }
    }
}

void CheatForm::Form_Load()
{
    const CategoryBoxes &published = shared().quizCategories;
    const std::array<bool, FrameCount> ticked{published.letters, published.numPennants,
                                              published.substitutes, published.natoSpecials,
                                              published.numberFlags};
    const std::array<Frame *, FrameCount> frameList = frames();

    int k = 0;
    for (int f = 0; f < FrameCount; ++f) {
        for (qsizetype j = 0; j < categories()[f].codes.size(); ++j, ++k) {
            FlagImg[k]->setVisible(ticked[f]);
            Label1[k]->setVisible(ticked[f]);
        }
    }

    // Stack the frames of the mode; outside the flag quiz the letters and
    // substitutes are listed whatever the boxes say.
    double next = 0;
    for (int f = 0; f < FrameCount; ++f) {
        const bool place =
            shared().CurrentMode == Mode::FlagQuiz ? ticked[f] : (f == Letters || f == Substitutes);
        framePlaced[f] = place;
        if (place) {
            frameTop[f] = next + 75;
            frameList[f]->move(twipsPoint(FrameLeft, frameTop[f]));
            next = roundHalfEven(frameTop[f] + frameHeight[f]);
        }
        // Only the frames that come or go are shown or hidden: hiding and
        // showing them all would redraw every flag on each toggle.
        frameList[f]->setVisible(place);
    }

    formHeight = next + 500;
    // The window's size includes its frame; Qt's client size does not.
    const QMargins frame = decoration();
    setClientSizeTwips(formWidth - pixelsToTwips(frame.left() + frame.right()),
                       formHeight - pixelsToTwips(frame.top() + frame.bottom()));
    // Beside the flag quiz window.
    const ModeWindow *quiz = ModeWindow::find(Mode::FlagQuiz);
    const double quizWidth =
        quiz ? pixelsToTwips(quiz->frameGeometry().width())
             : QuizFormClientWidth + pixelsToTwips(frame.left() + frame.right());
    moveTwips(shared().WindowLeft + quizWidth, shared().WindowTop);

    for (int f = 0; f < FrameCount; ++f)
        frameList[f]->setTitle(CategoryCaptions()[f]);
}

} // namespace vexo
