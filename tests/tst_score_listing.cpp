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
        QCOMPARE(score.factor, qint64(factor));
        QCOMPARE(score.blockwidth, qint64(blockwidth));
        QCOMPARE(score.Legend[0]->caption() + " " + score.Legend[1]->caption(), marks);
        // No letter has answers, so no bar shows unless the scale has shrunk to nothing.
        QCOMPARE(score.Bar[0]->isVisibleTo(&score), blockwidth == 0);
        QCOMPARE(score.Bar[0]->width(), 0);
    }

    void barsFollowTallies()
    {
        setTally('A', 3, 0);
        setTally('C', 0, 3);
        setTally('$', 2, 1);
        ScoreForm &score = getWindow<ScoreForm>();
        score.Redraw();
        QCOMPARE(score.factor, qint64(1));
        QVERIFY(score.Bar[0]->isVisibleTo(&score));
        QCOMPARE(score.Bar[0]->geometry(), twipsRect(300, 50, 900, 100));
        QVERIFY(!score.WrongBar[0]->isVisibleTo(&score));
        QVERIFY(!score.Bar[2]->isVisibleTo(&score));
        QVERIFY(score.WrongBar[2]->isVisibleTo(&score));
        QCOMPARE(score.WrongBar[2]->geometry(), twipsRect(300, 2 * 210 + 50, 900, 100));
        // Rows evenly spaced, whole pixels apart, above the scale marks.
        for (int i = 1; i < 30; ++i)
            QCOMPARE(score.FlagImg[i]->y() - score.FlagImg[i - 1]->y(), 14);
        QVERIFY(score.FlagImg[29]->geometry().bottom() < score.Legend[0]->y());
        // The red bar continues the green one.
        QCOMPARE(score.WrongBar[29]->geometry().left(), score.Bar[29]->geometry().right() + 1);
        QCOMPARE(score.FlagImg[29]->pictureId(), int('$'));
        QCOMPARE(score.FlagImg[0]->toolTip(), QStringLiteral("Alpha"));
        QCOMPARE(score.FlagImg[0]->geometry(), twipsRect(50, 0, 200, 200));
        QVERIFY(!score.FlagImg[30]->isVisibleTo(&score));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(score.Line1[i]->color(), i % 5 ? QColor(128, 128, 128) : QColor(Qt::black));
    }

    void pagesAndCaption()
    {
        ScoreForm &score = getWindow<ScoreForm>();
        QCOMPARE(score.windowTitle(), QStringLiteral("Score 0%: 0 of 0"));
        QTest::mouseClick(score.Option1[1], Qt::LeftButton);
        QVERIFY(score.Option1[1]->isChecked());
        QCOMPARE(score.FlagImg[0]->pictureId(), int('0'));
        QCOMPARE(score.FlagImg[10]->toolTip(), QStringLiteral("Corpen"));
        QCOMPARE(score.FlagImg[26]->toolTip(), QStringLiteral("Turn"));
        QVERIFY(score.FlagImg[26]->isVisibleTo(&score));
        QVERIFY(!score.FlagImg[27]->isVisibleTo(&score));
        QCOMPARE(score.Option1[0]->text(), QStringLiteral("Letters && Subs"));

        // Two right of three through the quiz window itself.
        for (const char *answer : {"right", "wrong", "right"}) {
            shared().CurrentQuizFlag = "7";
            QTest::keyClicks(quiz->AnswerBox, QByteArray(answer) == "right" ? "7" : "x");
        }
        QCOMPARE(score.windowTitle(), QStringLiteral("Score 66.6%: 2 of 3"));
        QCOMPARE(score.Bar[7]->width(), twipsToPixels(300 + 2 * 300) - twipsToPixels(300));
        QVERIFY(score.WrongBar[7]->isVisibleTo(&score));
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
        QTest::mouseClick(quiz->AllCheck, Qt::LeftButton);
        const double tops[] = {75, 2119, 3519, 4350, 7000};
        for (int f = 0; f < CheatForm::FrameCount; ++f) {
            QVERIFY(listing.framePlaced[f]);
            QCOMPARE(listing.frameTop[f], tops[f]);
        }
        QCOMPARE(listing.formHeight, 8862.0); // 7000 + 1362.5 rounds to even, plus 500
        QCOMPARE(listing.NATONumFrame->pos(), twipsPoint(100, 7000));
        QCOMPARE(listing.LettersFrame->title(), QStringLiteral("ICS &Letters"));
        // Every picture of every category shows.
        for (int k = 0; k < 67; ++k)
            QVERIFY(listing.FlagImg[k]->isVisibleTo(&listing));
        QVERIFY(!listing.FlagImg[67]->isVisibleTo(&listing));
        // Rows and columns whole pixels apart, so evenly spaced.
        QCOMPARE(listing.FlagImg[20]->y() - listing.FlagImg[10]->y(),
                 listing.FlagImg[10]->y() - listing.FlagImg[0]->y());
        QCOMPARE(listing.FlagImg[2]->x() - listing.FlagImg[1]->x(),
                 listing.FlagImg[1]->x() - listing.FlagImg[0]->x());
        // Taller than this screen's free area, the listing fits it and scrolls
        // down to its last row.
        listing.show();
        QVERIFY(listing.frameGeometry().height() <= listing.screen()->availableGeometry().height());
        QWidget *last = listing.Label1[66];
        listing.findChild<QScrollArea *>()->ensureWidgetVisible(last);
        QVERIFY(listing.rect().contains(QRect(last->mapTo(&listing, QPoint(0, 0)), last->size())));
        QCOMPARE(listing.Label1[40]->caption(), QStringLiteral("Corpen"));
        QCOMPARE(listing.FlagImg[0]->toolTip(),
                 QStringLiteral("Alpha: I have a diver down; keep well clear at slow speed."));
        QCOMPARE(listing.FlagImg[26]->toolTip(), QStringLiteral("Pennant Zero"));
        QCOMPARE(listing.FlagImg[57]->toolTip(), QStringLiteral("Flag Zero"));
        QCOMPARE(listing.FlagImg[57]->pictureId(), 20);
        // Drawn when painted, stretched to its box.
        QCOMPARE(listing.FlagImg[57]->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 FlagPicture(20, listing.FlagImg[57]->size())
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32));
        // The third row of letters holds U to Z; NATO's fourth row Subdivision and Turn.
        QCOMPARE(listing.FlagImg[20]->y(), listing.FlagImg[25]->y());
        QVERIFY(listing.FlagImg[19]->y() < listing.FlagImg[20]->y());
        QCOMPARE(listing.FlagImg[55]->y(), listing.FlagImg[56]->y());
        QVERIFY(listing.FlagImg[54]->y() < listing.FlagImg[55]->y());
        // Short NATO flags keep their labels level with the others.
        QVERIFY(listing.FlagImg[42]->height() < listing.FlagImg[40]->height());
        QCOMPARE(listing.Label1[42]->y(), listing.Label1[43]->y());

        QTest::mouseClick(quiz->AllCheck, Qt::LeftButton);
        QVERIFY(!listing.framePlaced[CheatForm::NatoFlags]);
        QVERIFY(!listing.NATONumFrame->isVisibleTo(&listing));
        QCOMPARE(listing.formHeight, 4775.0);
    }

    void listingWithSubstitutesOnly()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(quiz->LettersLabel, Qt::LeftButton);
        QTest::mouseClick(quiz->PennantsLabel, Qt::LeftButton);
        QVERIFY(listing.framePlaced[CheatForm::Substitutes]);
        QCOMPARE(listing.frameTop[CheatForm::Substitutes], 75.0);
        QCOMPARE(listing.formHeight, 831.0 + 500); // 75 + 756.25 rounded
        // The NATO numeral frame follows its box like the others.
        QVERIFY(!listing.NATONumFrame->isVisibleTo(&listing));
        QVERIFY(!listing.LettersFrame->isVisibleTo(&listing));
        // Substitute names fit their labels.
        const QFontMetrics metrics(listing.Label1[36]->font());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("1st Subst")) <=
                listing.Label1[36]->width());
    }

    void listingOutsideTheFlagQuiz()
    {
        CheatForm &listing = getWindow<CheatForm>();
        QTest::mouseClick(quiz->LettersLabel, Qt::LeftButton);
        QTest::mouseClick(quiz->NATOLabel, Qt::LeftButton);
        shared().CurrentMode = 1;
        listing.Form_Load();
        QVERIFY(listing.framePlaced[CheatForm::Letters] &&
                listing.framePlaced[CheatForm::Substitutes]);
        QVERIFY(!listing.framePlaced[CheatForm::NatoFlags]);
        QCOMPARE(listing.frameTop[CheatForm::Substitutes], 2119.0);
        // The letters frame shows, but its pictures follow the unticked box.
        QVERIFY(listing.LettersFrame->isVisibleTo(&listing));
        QVERIFY(!listing.FlagImg[0]->isVisibleTo(&listing));
        QVERIFY(listing.FlagImg[36]->isVisibleTo(&listing));
        shared().CurrentMode = 0;
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
