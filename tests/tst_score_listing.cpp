#include "app/startup.h"
#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/cheat_form.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

using namespace vexo;

class ScoreListingTest : public QObject
{
    Q_OBJECT

    QuizForm *quiz = nullptr;

    static void setTally(char code, int right, int wrong)
    {
        shared().RightTally[code] = right;
        shared().WrongTally[code] = wrong;
    }
    template <class T = QWidget>
    static T *in(QWidget &window, const QString &name)
    {
        return control<T>(window, name);
    }
    // The controls of a window's arrays, by index.
    static ImageBox *picture(QWidget &window, int k)
    {
        return in<ImageBox>(window, QStringLiteral("FlagImg_%1").arg(k));
    }
    static Label *caption(QWidget &window, int k)
    {
        return in<Label>(window, QStringLiteral("Label1_%1").arg(k));
    }
    static ShapeBox *bar(QWidget &window, int k)
    {
        return in<ShapeBox>(window, QStringLiteral("Bar_%1").arg(k));
    }
    static ShapeBox *wrongBar(QWidget &window, int k)
    {
        return in<ShapeBox>(window, QStringLiteral("WrongBar_%1").arg(k));
    }
    static Frame *frame(CheatForm &listing, int f)
    {
        static const char *names[] = {"LettersFrame", "NumPennantFrm", "SubFrame", "NATOFlagsFrame",
                                      "NATONumFrame"};
        return in<Frame>(listing, QLatin1String(names[f]));
    }
    // A frame is placed where the mode and the boxes ask for it, at `top` twips.
    static bool placedAt(CheatForm &listing, int f, double top)
    {
        return frame(listing, f)->isVisibleTo(&listing) &&
               frame(listing, f)->pos() == twipsPoint(100, top);
    }
    // The client height of a window whose outer height is `twips`.
    static int clientHeightFor(double twips)
    {
        const QMargins frame = Form::decoration();
        return twipsToPixels(twips - pixelsToTwips(frame.top() + frame.bottom()));
    }

private Q_SLOTS:
    void init()
    {
        test::freshRun(5);
        Main();
        quiz = &getWindow<QuizForm>();
    }
    void cleanup() { test::closeWindows(); }

    void scaleRows_data()
    {
        QTest::addColumn<int>("maxTotal");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("blockwidth");
        QTest::addColumn<QString>("marks");
        QTest::addRow("nothing yet") << 0 << 1 << 300 << "5 10";
        QTest::addRow("9") << 9 << 1 << 300 << "5 10";
        QTest::addRow("10") << 10 << 2 << 150 << "10 20";
        QTest::addRow("40 rounds half to even") << 40 << 8 << 38 << "40 80";
        QTest::addRow("160") << 160 << 32 << 9 << "160 320";
        QTest::addRow("1280") << 1280 << 256 << 1 << "1280 2560";
        QTest::addRow("5120") << 5120 << 1024 << 0 << "5120 10240";
        QTest::addRow("past 16 bits") << 200000 << 32768 << 0 << "163840 327680";
    }
    void scaleRows()
    {
        QFETCH(int, maxTotal);
        QFETCH(int, factor);
        QFETCH(int, blockwidth);
        QFETCH(QString, marks);
        // The total may sit on a flag with no row on the shown page.
        setTally('0', maxTotal / 2, maxTotal - maxTotal / 2);
        ScoreForm &score = getWindow<ScoreForm>();
        score.Redraw();
        QCOMPARE(ScoreScaleFor(maxTotal).factor, qint64(factor));
        QCOMPARE(ScoreScaleFor(maxTotal).blockwidth, qint64(blockwidth));
        QCOMPARE(in<Label>(score, "Legend_0")->caption() + " " +
                     in<Label>(score, "Legend_1")->caption(),
                 marks);
        // No letter has answers, so no bar shows unless the scale has shrunk to nothing.
        QCOMPARE(bar(score, 0)->isVisibleTo(&score), blockwidth == 0);
        QCOMPARE(bar(score, 0)->width(), 0);
    }

    void barsFollowTallies()
    {
        setTally('A', 3, 0);
        setTally('C', 0, 3);
        setTally('$', 2, 1);
        ScoreForm &score = getWindow<ScoreForm>();
        score.Redraw();
        QCOMPARE(in<Label>(score, "Legend_0")->caption(), QStringLiteral("5"));
        QVERIFY(bar(score, 0)->isVisibleTo(&score));
        QCOMPARE(bar(score, 0)->geometry(), twipsRect(300, 50, 900, 100));
        QVERIFY(!wrongBar(score, 0)->isVisibleTo(&score));
        QVERIFY(!bar(score, 2)->isVisibleTo(&score));
        QVERIFY(wrongBar(score, 2)->isVisibleTo(&score));
        QCOMPARE(wrongBar(score, 2)->geometry(), twipsRect(300, 2 * 210 + 50, 900, 100));
        // Rows evenly spaced, whole pixels apart, above the scale marks.
        for (int i = 1; i < 30; ++i)
            QCOMPARE(picture(score, i)->y() - picture(score, i - 1)->y(), 14);
        QVERIFY(picture(score, 29)->geometry().bottom() < in<Label>(score, "Legend_0")->y());
        // The red bar continues the green one.
        QCOMPARE(wrongBar(score, 29)->geometry().left(), bar(score, 29)->geometry().right() + 1);
        QCOMPARE(picture(score, 29)->pictureId(), int('$'));
        QCOMPARE(picture(score, 0)->toolTip(), QStringLiteral("Alpha"));
        // Every flag square, as drawn; every grid line one pixel wide.
        for (int i = 0; i < 30; ++i) {
            const QRect box = picture(score, i)->geometry();
            QCOMPARE(box.width(), box.height());
        }
        QCOMPARE(picture(score, 0)->geometry(), QRect(twipsPoint(50, 0), QSize(13, 13)));
        QVERIFY(!picture(score, 30)->isVisibleTo(&score));
        for (int i = 1; i <= 10; ++i) {
            const LineControl *line = in<LineControl>(score, QStringLiteral("Line1_%1").arg(i));
            QCOMPARE(line->color(), i % 5 ? QColor(128, 128, 128) : QColor(Qt::black));
            QCOMPARE(line->width(), 1);
        }
    }

    void pagesAndCaption()
    {
        ScoreForm &score = getWindow<ScoreForm>();
        QCOMPARE(score.windowTitle(), QStringLiteral("Score 0%: 0 of 0"));
        QTest::mouseClick(in<QRadioButton>(score, "Option1_1"), Qt::LeftButton);
        QVERIFY(in<QRadioButton>(score, "Option1_1")->isChecked());
        QCOMPARE(picture(score, 0)->pictureId(), int('0'));
        QCOMPARE(picture(score, 10)->toolTip(), QStringLiteral("Corpen"));
        QCOMPARE(picture(score, 26)->toolTip(), QStringLiteral("Turn"));
        QVERIFY(picture(score, 26)->isVisibleTo(&score));
        QVERIFY(!picture(score, 27)->isVisibleTo(&score));
        QCOMPARE(in<QRadioButton>(score, "Option1_0")->text(), QStringLiteral("Letters && Subs"));

        // Two right of three through the quiz window itself.
        for (const char *answer : {"right", "wrong", "right"}) {
            shared().CurrentQuizFlag = "7";
            QTest::keyClicks(in<QLineEdit>(*quiz, "AnswerBox"),
                             QByteArray(answer) == "right" ? "7" : "x");
        }
        QCOMPARE(score.windowTitle(), QStringLiteral("Score 66.6%: 2 of 3"));
        QCOMPARE(bar(score, 7)->width(), twipsToPixels(300 + 2 * 300) - twipsToPixels(300));
        QVERIFY(wrongBar(score, 7)->isVisibleTo(&score));
    }

    void gradeIcons_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("icon");
        QTest::addRow("nothing asked") << 0.0 << 0 << 101;
        QTest::addRow("all wrong") << 0.0 << 4 << 108;
        QTest::addRow("59.4") << 59.4 << 10 << 108;
        QTest::addRow("59.5 rounds up") << 59.5 << 10 << 107;
        QTest::addRow("75") << 75.0 << 4 << 106;
        QTest::addRow("89.9") << 89.9 << 10 << 104;
        QTest::addRow("80") << 80.0 << 10 << 105;
        QTest::addRow("100") << 100.0 << 1 << 104;
    }
    void gradeIcons()
    {
        QFETCH(double, percent);
        QFETCH(int, asked);
        QFETCH(int, icon);
        QCOMPARE(GradeIconId(percent, asked), icon);
    }

    // Frame tops and window height of the listing, in twips.
    void listingStacksTickedFrames()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(in<QCheckBox>(*quiz, "AllCheck"), Qt::LeftButton);
        const double tops[] = {75, 2119, 3519, 4350, 7000};
        for (int f = 0; f < CheatForm::FrameCount; ++f)
            QVERIFY(placedAt(listing, f, tops[f]));
        // 7000 + 1362.5 rounds to even, plus 500
        QCOMPARE(listing.designedClientSize().height(), clientHeightFor(8862));
        QCOMPARE(in<Frame>(listing, "NATONumFrame")->pos(), twipsPoint(100, 7000));
        QCOMPARE(in<Frame>(listing, "LettersFrame")->title(), QStringLiteral("ICS &Letters"));
        // Every picture of every category shows.
        for (int k = 0; k < 67; ++k)
            QVERIFY(picture(listing, k)->isVisibleTo(&listing));
        QVERIFY(!picture(listing, 67)->isVisibleTo(&listing));
        // Rows and columns whole pixels apart, so evenly spaced.
        QCOMPARE(picture(listing, 20)->y() - picture(listing, 10)->y(),
                 picture(listing, 10)->y() - picture(listing, 0)->y());
        QCOMPARE(picture(listing, 2)->x() - picture(listing, 1)->x(),
                 picture(listing, 1)->x() - picture(listing, 0)->x());
        // Taller than this screen's free area, the listing fits it and scrolls
        // down to its last row.
        listing.show();
        QVERIFY(listing.frameGeometry().height() <= listing.screen()->availableGeometry().height());
        QWidget *last = caption(listing, 66);
        listing.findChild<QScrollArea *>()->ensureWidgetVisible(last);
        QVERIFY(listing.rect().contains(QRect(last->mapTo(&listing, QPoint(0, 0)), last->size())));
        QCOMPARE(caption(listing, 40)->caption(), QStringLiteral("Corpen"));
        QCOMPARE(picture(listing, 0)->toolTip(),
                 QStringLiteral("Alpha: I have a diver down; keep well clear at slow speed."));
        QCOMPARE(picture(listing, 26)->toolTip(), QStringLiteral("Pennant Zero"));
        QCOMPARE(picture(listing, 57)->toolTip(), QStringLiteral("Flag Zero"));
        QCOMPARE(picture(listing, 57)->pictureId(), 20);
        // Drawn when painted, stretched to its box.
        QCOMPARE(
            picture(listing, 57)->grab().toImage().convertToFormat(QImage::Format_RGB32),
            FlagPicture(20, picture(listing, 57)->size(), picture(listing, 57)->devicePixelRatioF())
                .toImage()
                .convertToFormat(QImage::Format_RGB32));
        // The third row of letters holds U to Z; NATO's fourth row Subdivision and Turn.
        QCOMPARE(picture(listing, 20)->y(), picture(listing, 25)->y());
        QVERIFY(picture(listing, 19)->y() < picture(listing, 20)->y());
        QCOMPARE(picture(listing, 55)->y(), picture(listing, 56)->y());
        QVERIFY(picture(listing, 54)->y() < picture(listing, 55)->y());
        // Short NATO flags keep their labels level with the others.
        QVERIFY(picture(listing, 42)->height() < picture(listing, 40)->height());
        QCOMPARE(caption(listing, 42)->y(), caption(listing, 43)->y());

        QTest::mouseClick(in<QCheckBox>(*quiz, "AllCheck"), Qt::LeftButton);
        QVERIFY(!frame(listing, CheatForm::NatoFlags)->isVisibleTo(&listing));
        QVERIFY(!frame(listing, CheatForm::NatoNumerals)->isVisibleTo(&listing));
        QCOMPARE(listing.designedClientSize().height(), clientHeightFor(4775));
    }

    void listingWithSubstitutesOnly()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(in<Label>(*quiz, "LettersLabel"), Qt::LeftButton);
        QTest::mouseClick(in<Label>(*quiz, "PennantsLabel"), Qt::LeftButton);
        QVERIFY(placedAt(listing, CheatForm::Substitutes, 75));
        QCOMPARE(listing.designedClientSize().height(), clientHeightFor(831 + 500)); // 75 + 756.25
        // The NATO numeral frame follows its box like the others.
        QVERIFY(!in<Frame>(listing, "NATONumFrame")->isVisibleTo(&listing));
        QVERIFY(!in<Frame>(listing, "LettersFrame")->isVisibleTo(&listing));
        // Substitute names fit their labels.
        const QFontMetrics metrics(caption(listing, 36)->font());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("1st Subst")) <=
                caption(listing, 36)->width());
    }

    void listingOutsideTheFlagQuiz()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(in<Label>(*quiz, "LettersLabel"), Qt::LeftButton);
        QTest::mouseClick(in<Label>(*quiz, "NATOLabel"), Qt::LeftButton);
        shared().CurrentMode = Mode::WordQuiz;
        listing.Form_Load();
        QVERIFY(placedAt(listing, CheatForm::Letters, 75));
        QVERIFY(placedAt(listing, CheatForm::Substitutes, 2119));
        QVERIFY(!frame(listing, CheatForm::NatoFlags)->isVisibleTo(&listing));
        // The letters frame shows, but its pictures follow the unticked box.
        QVERIFY(in<Frame>(listing, "LettersFrame")->isVisibleTo(&listing));
        QVERIFY(!picture(listing, 0)->isVisibleTo(&listing));
        QVERIFY(picture(listing, 36)->isVisibleTo(&listing));
        shared().CurrentMode = Mode::FlagQuiz;
    }

    void listingPlacedBesideQuiz()
    {
        quiz->move(30, 40);
        shared().WindowLeft = 450;
        shared().WindowTop = 600;
        CheatForm &listing = getWindow<CheatForm>();
        listing.Form_Load();
        QCOMPARE(listing.pos(), QPoint(30 + quiz->frameGeometry().width(), 40));
    }
};

QTEST_MAIN(ScoreListingTest)
#include "tst_score_listing.moc"
