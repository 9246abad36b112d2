#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "quiz/question_engine.h"
#include "test_support.h"

#include <QHash>
#include <QTest>

using namespace vexo;

namespace {

// Stands in for the flag quiz window: boxes to tick, and a record of what the
// engine showed.
class FakeQuizView : public QuizView
{
public:
    CategoryBoxes boxes{true, true, true, false, false};
    int currentPicture = 0;
    int previousShown = 0;
    PreviousAnswerView previous;
    int beeps = 0;
    int clears = 0;

    CategoryBoxes categoryBoxes() const override { return boxes; }
    void showCurrentFlag(int pictureId) override { currentPicture = pictureId; }
    void showPreviousAnswer(const PreviousAnswerView &shown) override
    {
        previous = shown;
        ++previousShown;
    }
    void clearAnswer() override
    {
        QCOMPARE(shared().AnswerEventsOn, 0);
        shared().LastAnswer.clear();
        ++clears;
    }
    void beep() override { ++beeps; }

    void setBoxes(const CategoryBoxes &b)
    {
        boxes = b;
        shared().RecentDepth = RecentDepthFor(b);
    }
    void answer(const QString &text)
    {
        shared().LastAnswer = upperPerChar(text);
        NextQuestion(*this);
    }
};

// Pearson's chi-square statistic of counts against a uniform expectation.
double chiSquare(const QHash<QString, int> &counts, int cells, int draws)
{
    const double expected = double(draws) / cells;
    double chi = 0;
    for (int c : counts)
        chi += (c - expected) * (c - expected) / expected;
    return chi + (cells - counts.size()) * expected;
}

} // namespace

class QuestionEngineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test::freshRun(42); }

    void randomFlagPools_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("pool");
        // Critical chi-square value at p = 0.0001 for pool size - 1 degrees of freedom.
        QTest::addColumn<double>("critical");
        QTest::addRow("quiz start")
            << 1 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$") << 84.0;
        QTest::addRow("meanings") << 2 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << 61.0;
        QTest::addRow("race") << 3 << QStringLiteral("}BCILMNPSXYZ!") << 38.0;
        QTest::addRow("quiz question")
            << 4 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$") + NatoSpecialCodes()
            << 107.0;
    }
    void randomFlagPools()
    {
        QFETCH(int, mode);
        QFETCH(QString, pool);
        QFETCH(double, critical);
        const int draws = 200 * pool.size();
        QHash<QString, int> counts;
        for (int i = 0; i < draws; ++i) {
            const QString code = RandomFlag(mode);
            QCOMPARE(code.size(), 1);
            QVERIFY2(pool.contains(code), qPrintable(code));
            ++counts[code];
        }
        QCOMPARE(counts.size(), pool.size());
        QVERIFY2(chiSquare(counts, pool.size(), draws) < critical,
                 qPrintable(QString::number(chiSquare(counts, pool.size(), draws))));
    }

    void randomFlagOtherModes()
    {
        for (int mode : {0, 5, -1, 1000})
            QVERIFY(RandomFlag(mode).isEmpty());
    }

    void recentDepthRule()
    {
        QCOMPARE(RecentDepthFor({true, true, true, false, false}), 19);
        QCOMPARE(RecentDepthFor({true, true, true, true, true}), 27);
        QCOMPARE(RecentDepthFor({false, false, true, false, false}), 1);
        QCOMPARE(RecentDepthFor({false, false, false, true, false}), 7);
        // Either numeral box counts once.
        QCOMPARE(RecentDepthFor({false, true, false, false, true}), 4);
        QCOMPARE(RecentDepthFor({false, false, false, false, true}), 4);
    }

    void categoryEnabled()
    {
        const CategoryBoxes pennantsOnly{false, true, false, false, false};
        const CategoryBoxes natoNumeralsOnly{false, false, false, false, true};
        QVERIFY(CategoryEnabled("7", pennantsOnly));
        QVERIFY(CategoryEnabled("7", natoNumeralsOnly));
        QVERIFY(!CategoryEnabled("A", pennantsOnly));
        QVERIFY(!CategoryEnabled("!", pennantsOnly));
        QVERIFY(!CategoryEnabled("|", pennantsOnly));
        QVERIFY(CategoryEnabled("}", pennantsOnly)); // "other" is never switched off
        QVERIFY(CategoryEnabled("a", {true, false, false, false, false}));
        QVERIFY(CategoryEnabled("?", {false, false, false, true, false}));
    }

    void percentages_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("text");
        QTest::addRow("2 of 3 cut") << 2 << 3 << "66.6";
        QTest::addRow("1 of 3") << 1 << 3 << "33.3";
        QTest::addRow("1 of 1") << 1 << 1 << "100";
        QTest::addRow("0 of 1") << 0 << 1 << "0";
        QTest::addRow("7 of 10 exact") << 7 << 10 << "70";
        QTest::addRow("1 of 2") << 1 << 2 << "50";
        QTest::addRow("large counts") << 40000 << 60000 << "66.6";
        QTest::addRow("none asked") << 0 << 0 << "0";
    }
    void percentages()
    {
        QFETCH(int, right);
        QFETCH(int, asked);
        QFETCH(QString, text);
        QCOMPARE(PercentText(CutPercent(right, asked)), text);
        // Plain digits whatever the locale; the separator may be its own.
        for (QLocale::Language language : {QLocale::Arabic, QLocale::Persian, QLocale::Bengali}) {
            QLocale::setDefault(QLocale(language));
            QString local = text;
            local.replace(QLatin1Char('.'), QLocale().decimalPoint());
            QCOMPARE(PercentText(CutPercent(right, asked)), local);
        }
        QLocale::setDefault(QLocale::c());
    }

    void rightAnswer()
    {
        FakeQuizView view;
        shared().CurrentQuizFlag = "B";
        view.answer("b");
        QCOMPARE(shared().QuizRightCount, 1);
        QCOMPARE(shared().QuizAskedCount, 1);
        QCOMPARE(shared().RightTally['B'], 1);
        QCOMPARE(shared().QuizStatusText, QStringLiteral("Correct!\rScore is 1 / 1"));
        QCOMPARE(view.beeps, 0);
        QCOMPARE(view.previousShown, 1);
        QCOMPARE(view.previous.name, QStringLiteral("Bravo"));
        QCOMPARE(view.previous.pictureId, 98);
        QCOMPARE(view.previous.percent, QStringLiteral("100%"));
        QCOMPARE(view.previous.meaning,
                 QStringLiteral("I am taking in, or discharging, or carrying dangerous goods."));
        QCOMPARE(shared().RecentCodes[0], QStringLiteral("B"));
        QVERIFY(shared().CurrentQuizFlag != "B");
        QCOMPARE(view.currentPicture, FlagPictureId(shared().CurrentQuizFlag));
        QVERIFY(shared().LastAnswer.isEmpty());
        QCOMPARE(shared().AnswerEventsOn, 1);
    }

    void wrongAnswerStatus()
    {
        FakeQuizView view;
        shared().CurrentQuizFlag = "B";
        view.answer("!");
        QCOMPARE(shared().QuizStatusText,
                 QStringLiteral("WRONG.\rYour answer was \r1st Subst\rScore is 0 / 1"));
        QCOMPARE(view.beeps, 1);
        QCOMPARE(shared().WrongTally['B'], 1);
        QCOMPARE(view.previous.percent, QStringLiteral("0%"));
        QCOMPARE(view.previous.name, QStringLiteral("Bravo"));

        // A pasted text is one wrong answer, shown upper-cased.
        shared().CurrentQuizFlag = "C";
        view.answer("abc");
        QCOMPARE(shared().QuizStatusText,
                 QStringLiteral("WRONG.\rYour answer was \rABC\rScore is 0 / 2"));
        // A space is judged as typed: wrong.
        shared().CurrentQuizFlag = "D";
        view.answer(" ");
        QCOMPARE(shared().QuizAskedCount, 3);
        QCOMPARE(view.beeps, 3);
    }

    void twoOfThree()
    {
        FakeQuizView view;
        for (const char *answer : {"right", "wrong", "right"}) {
            const QString flag = shared().CurrentQuizFlag = "Q";
            view.answer(QByteArray(answer) == "right" ? flag : QStringLiteral("Z"));
        }
        QCOMPARE(view.previous.percent, QStringLiteral("66.6%"));
        QCOMPARE(shared().QuizStatusText, QStringLiteral("Correct!\rScore is 2 / 3"));
        QCOMPARE(shared().RightTally['Q'], 2);
        QCOMPARE(shared().WrongTally['Q'], 1);
    }

    void skippedFlag()
    {
        FakeQuizView view;
        shared().CurrentQuizFlag = "A";
        view.answer("a");
        const QString status = shared().QuizStatusText;
        const double percent = shared().QuizPercent;
        const QString shownFlag = shared().CurrentQuizFlag;
        view.answer("");
        QCOMPARE(shared().QuizAskedCount, 1);
        QCOMPARE(shared().QuizStatusText, status);
        QCOMPARE(shared().QuizPercent, percent);
        QCOMPARE(view.previousShown, 1);
        QCOMPARE(shared().RecentCodes[0], shownFlag);
        QCOMPARE(shared().RecentCodes[1], QStringLiteral("A"));
        QCOMPARE(view.beeps, 0);
    }

    // No flag comes back within RecentDepth + 1 draws, for any box choice, and
    // every flag drawn is of a ticked category.
    void recentWindow_data()
    {
        QTest::addColumn<CategoryBoxes>("boxes");
        QTest::addRow("start boxes") << CategoryBoxes{true, true, true, false, false};
        QTest::addRow("all") << CategoryBoxes{true, true, true, true, true};
        QTest::addRow("substitutes only") << CategoryBoxes{false, false, true, false, false};
        QTest::addRow("NATO only") << CategoryBoxes{false, false, false, true, false};
        QTest::addRow("NATO numerals only") << CategoryBoxes{false, false, false, false, true};
        QTest::addRow("digits both ways") << CategoryBoxes{false, true, false, false, true};
    }
    void recentWindow()
    {
        QFETCH(CategoryBoxes, boxes);
        FakeQuizView view;
        view.setBoxes(boxes);
        const int depth = RecentDepthFor(boxes);
        QStringList history;
        for (int turn = 0; turn < 3000; ++turn) {
            history.append(shared().CurrentQuizFlag);
            view.answer(turn % 3 ? QStringLiteral("x") : QString());
            const QString flag = shared().CurrentQuizFlag;
            QVERIFY(CategoryEnabled(flag, boxes));
            for (int back = 1; back <= qMin(depth + 1, int(history.size())); ++back) {
                if (turn + 1 - back >= 1) // the first flag came from a different pool
                    QVERIFY2(
                        history.at(history.size() - back) != flag,
                        qPrintable(QStringLiteral("%1 repeats within %2").arg(flag).arg(back)));
            }
        }
    }

    void substitutesOnlyCycle()
    {
        FakeQuizView view;
        view.setBoxes({false, false, true, false, false});
        QCOMPARE(shared().RecentDepth, 1);
        view.answer("");
        view.answer("");
        for (int turn = 0; turn < 200; ++turn) {
            const QString before = shared().RecentCodes[0];
            const QString shown = shared().CurrentQuizFlag;
            view.answer("");
            const QString next = shared().CurrentQuizFlag;
            QVERIFY(QStringLiteral("!@#$").contains(next));
            QVERIFY(next != shown && next != before);
        }
    }

    void digitPictures()
    {
        FakeQuizView view;
        view.setBoxes({false, false, false, false, true});
        for (int turn = 0; turn < 100; ++turn) {
            view.answer("");
            QVERIFY(view.currentPicture >= 20 && view.currentPicture <= 29);
            QCOMPARE(shared().CurrentShownAsNATONumber, 1);
        }
        view.setBoxes({false, true, false, false, false});
        for (int turn = 0; turn < 100; ++turn) {
            view.answer("");
            QVERIFY(view.currentPicture >= 48 && view.currentPicture <= 57);
        }
        view.setBoxes({false, true, false, false, true});
        int nato = 0;
        const int turns = 2000;
        for (int turn = 0; turn < turns; ++turn) {
            view.answer("");
            nato += shared().CurrentShownAsNATONumber;
        }
        QVERIFY2(nato > turns * 0.45 && nato < turns * 0.55, qPrintable(QString::number(nato)));
    }

    void natoDigitAnsweredShowsNatoPicture()
    {
        FakeQuizView view;
        view.setBoxes({false, false, false, false, true});
        view.answer("");
        const QString digit = shared().CurrentQuizFlag;
        view.answer(digit);
        QCOMPARE(view.previous.pictureId, FlagPictureId(digit, true));
        // Same tally slot as a pennant answer.
        QCOMPARE(shared().RightTally[digit.at(0).unicode()], 1);
    }

    void countsStopAtTheirTop()
    {
        FakeQuizView view;
        shared().QuizRightCount = 32765;
        shared().QuizAskedCount = 32766;
        shared().RightTally['A'] = 32766;
        shared().CurrentQuizFlag = "A";
        view.answer("A");
        QCOMPARE(shared().QuizStatusText, QStringLiteral("Correct!\rScore is 32766 / 32767"));
        QCOMPARE(view.previous.percent, QStringLiteral("99.9%"));
        // At the counter's top the score stops rather than wrap.
        shared().CurrentQuizFlag = "A";
        view.answer("a");
        QCOMPARE(shared().QuizAskedCount, 32767);
        QCOMPARE(shared().RightTally['A'], 32767);
        QVERIFY(shared().QuizRightCount <= shared().QuizAskedCount);
    }

    void depthCappedAtThirty()
    {
        FakeQuizView view;
        view.setBoxes({true, true, true, true, true});
        shared().RecentDepth = 45;
        view.answer("");
        QCOMPARE(shared().RecentDepth, 30);
    }
};

QTEST_GUILESS_MAIN(QuestionEngineTest)
#include "tst_question_engine.moc"
