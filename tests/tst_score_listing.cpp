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
    static Frame *frame(CheatForm &listing, int f)
    {
        static const char *names[] = {"LettersFrame", "NumPennantFrm", "SubFrame", "NATOFlagsFrame",
                                      "NATONumFrame"};
        return control<Frame>(listing, QLatin1String(names[f]));
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
        QCOMPARE(control<Label>(score, "Legend_0")->caption() + " " +
                     control<Label>(score, "Legend_1")->caption(),
                 marks);
        // No letter has answers, so no bar shows unless the scale has shrunk to nothing.
        QCOMPARE(control<ShapeBox>(score, "Bar", 0)->isVisibleTo(&score), blockwidth == 0);
        QCOMPARE(control<ShapeBox>(score, "Bar", 0)->width(), 0);
    }

    void barsFollowTallies()
    {
        setTally('A', 3, 0);
        setTally('C', 0, 3);
        setTally('$', 2, 1);
        ScoreForm &score = getWindow<ScoreForm>();
        score.Redraw();
        QCOMPARE(control<Label>(score, "Legend_0")->caption(), QStringLiteral("5"));
        QVERIFY(control<ShapeBox>(score, "Bar", 0)->isVisibleTo(&score));
        QCOMPARE(control<ShapeBox>(score, "Bar", 0)->geometry(), twipsRect(300, 50, 900, 100));
        QVERIFY(!control<ShapeBox>(score, "WrongBar", 0)->isVisibleTo(&score));
        QVERIFY(!control<ShapeBox>(score, "Bar", 2)->isVisibleTo(&score));
        QVERIFY(control<ShapeBox>(score, "WrongBar", 2)->isVisibleTo(&score));
        QCOMPARE(control<ShapeBox>(score, "WrongBar", 2)->geometry(),
                 twipsRect(300, 2 * 210 + 50, 900, 100));
        // Rows evenly spaced, whole pixels apart, above the scale marks.
        for (int i = 1; i < 30; ++i)
            QCOMPARE(control<ImageBox>(score, "FlagImg", i)->y() -
                         control<ImageBox>(score, "FlagImg", i - 1)->y(),
                     14);
        QVERIFY(control<ImageBox>(score, "FlagImg", 29)->geometry().bottom() <
                control<Label>(score, "Legend_0")->y());
        // The red bar continues the green one.
        QCOMPARE(control<ShapeBox>(score, "WrongBar", 29)->geometry().left(),
                 control<ShapeBox>(score, "Bar", 29)->geometry().right() + 1);
        QCOMPARE(control<ImageBox>(score, "FlagImg", 29)->pictureId(), int('$'));
        QCOMPARE(control<ImageBox>(score, "FlagImg", 0)->toolTip(), QStringLiteral("Alpha"));
        // Every flag square, as drawn; every grid line one pixel wide.
        for (int i = 0; i < 30; ++i) {
            const QRect box = control<ImageBox>(score, "FlagImg", i)->geometry();
            QCOMPARE(box.width(), box.height());
        }
        QCOMPARE(control<ImageBox>(score, "FlagImg", 0)->geometry(),
                 QRect(twipsPoint(50, 0), QSize(13, 13)));
        QVERIFY(!control<ImageBox>(score, "FlagImg", 30)->isVisibleTo(&score));
        for (int i = 1; i <= 10; ++i) {
            const LineControl *line = control<LineControl>(score, "Line1", i);
            QCOMPARE(line->color(), i % 5 ? QColor(128, 128, 128) : QColor(Qt::black));
            QCOMPARE(line->width(), 1);
        }
    }

    void pagesAndCaption()
    {
        ScoreForm &score = getWindow<ScoreForm>();
        QCOMPARE(score.windowTitle(), QStringLiteral("Score 0%: 0 of 0"));
        QTest::mouseClick(control<QRadioButton>(score, "Option1_1"), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(score, "Option1_1")->isChecked());
        QCOMPARE(control<ImageBox>(score, "FlagImg", 0)->pictureId(), int('0'));
        QCOMPARE(control<ImageBox>(score, "FlagImg", 10)->toolTip(), QStringLiteral("Corpen"));
        QCOMPARE(control<ImageBox>(score, "FlagImg", 26)->toolTip(), QStringLiteral("Turn"));
        QVERIFY(control<ImageBox>(score, "FlagImg", 26)->isVisibleTo(&score));
        QVERIFY(!control<ImageBox>(score, "FlagImg", 27)->isVisibleTo(&score));
        QCOMPARE(control<QRadioButton>(score, "Option1_0")->text(),
                 QStringLiteral("Letters && Subs"));

        // Two right of three through the quiz window itself.
        for (const char *answer : {"right", "wrong", "right"}) {
            shared().CurrentQuizFlag = "7";
            QTest::keyClicks(control<QLineEdit>(*quiz, "AnswerBox"),
                             QByteArray(answer) == "right" ? "7" : "x");
        }
        QCOMPARE(score.windowTitle(), QStringLiteral("Score 66.6%: 2 of 3"));
        QCOMPARE(control<ShapeBox>(score, "Bar", 7)->width(),
                 twipsToPixels(300 + 2 * 300) - twipsToPixels(300));
        QVERIFY(control<ShapeBox>(score, "WrongBar", 7)->isVisibleTo(&score));
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
        QTest::mouseClick(control<QCheckBox>(*quiz, "AllCheck"), Qt::LeftButton);
        const double tops[] = {75, 2119, 3519, 4350, 7000};
        for (int f = 0; f < CheatForm::FrameCount; ++f)
            QVERIFY(placedAt(listing, f, tops[f]));
        // 7000 + 1362.5 rounds to even, plus 500
        QCOMPARE(listing.designedClientSize().height(), clientHeightFor(8862));
        QCOMPARE(control<Frame>(listing, "NATONumFrame")->pos(), twipsPoint(100, 7000));
        QCOMPARE(control<Frame>(listing, "LettersFrame")->title(), QStringLiteral("ICS &Letters"));
        // Every picture of every category shows.
        for (int k = 0; k < 67; ++k)
            QVERIFY(control<ImageBox>(listing, "FlagImg", k)->isVisibleTo(&listing));
        QVERIFY(!control<ImageBox>(listing, "FlagImg", 67)->isVisibleTo(&listing));
        // Rows and columns whole pixels apart, so evenly spaced.
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 20)->y() -
                     control<ImageBox>(listing, "FlagImg", 10)->y(),
                 control<ImageBox>(listing, "FlagImg", 10)->y() -
                     control<ImageBox>(listing, "FlagImg", 0)->y());
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 2)->x() -
                     control<ImageBox>(listing, "FlagImg", 1)->x(),
                 control<ImageBox>(listing, "FlagImg", 1)->x() -
                     control<ImageBox>(listing, "FlagImg", 0)->x());
        // Taller than this screen's free area, the listing fits it and scrolls
        // down to its last row.
        listing.show();
        QVERIFY(listing.frameGeometry().height() <= listing.screen()->availableGeometry().height());
        QWidget *last = control<Label>(listing, "Label1", 66);
        listing.findChild<QScrollArea *>()->ensureWidgetVisible(last);
        QVERIFY(listing.rect().contains(QRect(last->mapTo(&listing, QPoint(0, 0)), last->size())));
        QCOMPARE(control<Label>(listing, "Label1", 40)->caption(), QStringLiteral("Corpen"));
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 0)->toolTip(),
                 QStringLiteral("Alpha: I have a diver down; keep well clear at slow speed."));
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 26)->toolTip(),
                 QStringLiteral("Pennant Zero"));
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 57)->toolTip(), QStringLiteral("Flag Zero"));
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 57)->pictureId(), 20);
        // Drawn when painted, stretched to its box.
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 57)
                     ->grab()
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 FlagPicture(20, control<ImageBox>(listing, "FlagImg", 57)->size(),
                             control<ImageBox>(listing, "FlagImg", 57)->devicePixelRatioF())
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32));
        // The third row of letters holds U to Z; NATO's fourth row Subdivision and Turn.
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 20)->y(),
                 control<ImageBox>(listing, "FlagImg", 25)->y());
        QVERIFY(control<ImageBox>(listing, "FlagImg", 19)->y() <
                control<ImageBox>(listing, "FlagImg", 20)->y());
        QCOMPARE(control<ImageBox>(listing, "FlagImg", 55)->y(),
                 control<ImageBox>(listing, "FlagImg", 56)->y());
        QVERIFY(control<ImageBox>(listing, "FlagImg", 54)->y() <
                control<ImageBox>(listing, "FlagImg", 55)->y());
        // Short NATO flags keep their labels level with the others.
        QVERIFY(control<ImageBox>(listing, "FlagImg", 42)->height() <
                control<ImageBox>(listing, "FlagImg", 40)->height());
        QCOMPARE(control<Label>(listing, "Label1", 42)->y(),
                 control<Label>(listing, "Label1", 43)->y());

        QTest::mouseClick(control<QCheckBox>(*quiz, "AllCheck"), Qt::LeftButton);
        QVERIFY(!frame(listing, CheatForm::NatoFlags)->isVisibleTo(&listing));
        QVERIFY(!frame(listing, CheatForm::NatoNumerals)->isVisibleTo(&listing));
        QCOMPARE(listing.designedClientSize().height(), clientHeightFor(4775));
    }

    void listingWithSubstitutesOnly()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(control<Label>(*quiz, "LettersLabel"), Qt::LeftButton);
        QTest::mouseClick(control<Label>(*quiz, "PennantsLabel"), Qt::LeftButton);
        QVERIFY(placedAt(listing, CheatForm::Substitutes, 75));
        QCOMPARE(listing.designedClientSize().height(), clientHeightFor(831 + 500)); // 75 + 756.25
        // The NATO numeral frame follows its box like the others.
        QVERIFY(!control<Frame>(listing, "NATONumFrame")->isVisibleTo(&listing));
        QVERIFY(!control<Frame>(listing, "LettersFrame")->isVisibleTo(&listing));
        // Substitute names fit their labels.
        const QFontMetrics metrics(control<Label>(listing, "Label1", 36)->font());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("1st Subst")) <=
                control<Label>(listing, "Label1", 36)->width());
    }

    void listingOutsideTheFlagQuiz()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(control<Label>(*quiz, "LettersLabel"), Qt::LeftButton);
        QTest::mouseClick(control<Label>(*quiz, "NATOLabel"), Qt::LeftButton);
        shared().CurrentMode = Mode::WordQuiz;
        listing.Form_Load();
        QVERIFY(placedAt(listing, CheatForm::Letters, 75));
        QVERIFY(placedAt(listing, CheatForm::Substitutes, 2119));
        QVERIFY(!frame(listing, CheatForm::NatoFlags)->isVisibleTo(&listing));
        // The letters frame shows, but its pictures follow the unticked box.
        QVERIFY(control<Frame>(listing, "LettersFrame")->isVisibleTo(&listing));
        QVERIFY(!control<ImageBox>(listing, "FlagImg", 0)->isVisibleTo(&listing));
        QVERIFY(control<ImageBox>(listing, "FlagImg", 36)->isVisibleTo(&listing));
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
