#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/meaning_quiz.h"
#include "meanings/race_meaning_form.h"
#include "reference/cheat_mean_form.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/windows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>

#include <limits>

using namespace vexo;

namespace {

// Counts Enter keys that get past a window's controls to the window itself.
class EnterCounter : public QObject
{
public:
    int seen = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            seen += key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        return false;
    }
};

QString (*answerCodeOf(bool race))(int)
{
    return race ? RaceAnswerCode : MeaningAnswerCode;
}

int positionOf(bool race, const QString &code)
{
    for (int p = 1; p < 27; ++p) {
        if (answerCodeOf(race)(p) == code)
            return p;
    }
    return -1;
}

QString &flagOf(bool race)
{
    return race ? shared().RaceFlag : shared().MeaningFlag;
}

// Picks an entry as a user does with the mouse: opens the list, clicks it.
void pick(PickList *list, int position)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(position, 0)).center());
}

void answer(MeaningQuizWindow &window, int position)
{
    pick(control<PickList>(window, "Answer"), position);
    QTest::keyClick(control<PickList>(window, "Answer"), Qt::Key_Return);
}

// The quiz window as start-up leaves it, asking `flag`, and shown; or with
// no entry of its list selected.
MeaningQuizWindow &openQuiz(bool race, const QString &flag, bool selected = true)
{
    flagOf(race) = flag;
    MeaningQuizWindow &window = race
                                    ? static_cast<MeaningQuizWindow &>(getWindow<raceMeaningForm>())
                                    : getWindow<MeaningForm>();
    window.showFirstFlag();
    if (!selected)
        control<PickList>(window, "Answer")->setCurrentIndex(-1);
    window.show();
    return window;
}

int visibleWindowsNamed(const QString &name)
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == name && w->isVisible();
    return count;
}

} // namespace

class MeaningQuizTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test::freshRun(7); }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->parentWidget())
                w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void answerLists_data()
    {
        QTest::addColumn<bool>("race");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("codes");
        QTest::addRow("meanings") << false << "- What does this flag mean? (choose, hit Enter)"
                                  << "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        QTest::addRow("race") << true << "- What does this flag mean? (choose, press enter)"
                              << "!BCILMNPSXYZ}";
    }
    void answerLists()
    {
        QFETCH(bool, race);
        QFETCH(QString, prompt);
        QFETCH(QString, codes);
        const QStringList &entries = race ? RaceEntries() : MeaningEntries();
        QCOMPARE(entries.size(), codes.size() + 1);
        QCOMPARE(entries.first(), prompt);
        QVERIFY(std::is_sorted(entries.begin() + 1, entries.end()));
        QString listed;
        for (int p = 1; p < entries.size(); ++p) {
            const QString code = answerCodeOf(race)(p);
            const QString meaning = race ? RaceMeaning(code) : FlagMeaning(code);
            if (race && code == QStringLiteral("L"))
                QCOMPARE(entries.at(p), QStringLiteral("Come within hail/follow me"));
            else
                QCOMPARE(entries.at(p), meaning);
            listed += code;
        }
        std::sort(listed.begin(), listed.end());
        QCOMPARE(listed, codes);
        for (int outside : {std::numeric_limits<int>::min(), -1, 0, int(entries.size()), 32767})
            QCOMPARE(answerCodeOf(race)(outside), QString());
    }

    void raceMeaning_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("meaning");
        QTest::addRow("lower case") << "b"
                                    << "Protest";
        QTest::addRow("answering pennant") << "}"
                                           << "Postponement";
        QTest::addRow("first substitute") << "!"
                                          << "General recall";
        QTest::addRow("long L") << "L"
                                << "Notice to competitors: come within hail/follow me";
        QTest::addRow("letter not raced") << "A"
                                          << "";
        QTest::addRow("second substitute") << "@"
                                           << "";
        QTest::addRow("empty") << ""
                               << "";
        QTest::addRow("two codes") << "BC"
                                   << "";
    }
    void raceMeaning()
    {
        QFETCH(QString, code);
        QFETCH(QString, meaning);
        QCOMPARE(RaceMeaning(code), meaning);
    }

    void scoreStopsAtTheTop()
    {
        SharedState &s = shared();
        s.MeaningFlag = QStringLiteral("A");
        s.MeaningAskedCount = CountLimit;
        s.MeaningRightCount = s.MeaningAskedCount - 1;
        s.MeaningChoice = positionOf(false, QStringLiteral("A"));
        QCOMPARE(CheckMeaningAnswer().percent, QStringLiteral("99.9%"));
        QCOMPARE(s.MeaningAskedCount, CountLimit);
        QVERIFY(s.MeaningRightCount < s.MeaningAskedCount);
    }

    void firstAnswer_data()
    {
        QTest::addColumn<bool>("race");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meaning");
        const QString right = QStringLiteral("Correct!\rScore is 1 / 1");
        const QString wrong = QStringLiteral("WRONG.\rYour answer was: \r\r%1\r\rScore is 0 / 1");
        QTest::addRow("meanings right") << false << "A"
                                        << "A" << right << "100%"
                                        << "Alpha" << FlagMeaning(QStringLiteral("A"));
        QTest::addRow("meanings wrong, R chosen")
            << false << "A"
            << "R" << wrong.arg("(Flag has no meaning by itself)") << "0%"
            << "Alpha" << FlagMeaning(QStringLiteral("A"));
        QTest::addRow("race answering pennant") << true << "}"
                                                << "}" << right << "100%"
                                                << "Ans. Penn."
                                                << "Postponement";
        QTest::addRow("race short L chosen")
            << true << "B"
            << "L" << wrong.arg("Notice to competitors: come within hail/follow me") << "0%"
            << "Bravo"
            << "Protest";
        QTest::addRow("race L missed") << true << "L"
                                       << "S" << wrong.arg("Shortened course") << "0%"
                                       << "Lima"
                                       << "Notice to competitors: come within hail/follow me";
    }
    void firstAnswer()
    {
        QFETCH(bool, race);
        QFETCH(QString, flag);
        QFETCH(QString, chosen);
        QFETCH(QString, status);
        QFETCH(QString, percent);
        QFETCH(QString, name);
        QFETCH(QString, meaning);
        MeaningQuizWindow &form = openQuiz(race, flag);
        QCOMPARE(control<ImageBox>(form, "CurrImage")->pictureId(), FlagPictureId(flag));
        QVERIFY(!control<Frame>(form, "PrevAnswerFrame")->borderShown());
        QVERIFY(!control<LineControl>(form, "PrevLine")->isVisible());
        answer(form, positionOf(race, chosen));

        QCOMPARE(control<Label>(form, "Status")->caption(), status);
        QCOMPARE(control<Label>(form, "Percent")->caption(), percent);
        QCOMPARE(control<Label>(form, "PrevAnswer")->caption(), name);
        QCOMPARE(control<Label>(form, "Meaning")->caption(), meaning);
        QCOMPARE(control<ImageBox>(form, "PrevImage")->pictureId(), FlagPictureId(flag));
        QVERIFY(control<Frame>(form, "PrevAnswerFrame")->borderShown());
        QCOMPARE(control<Frame>(form, "PrevAnswerFrame")->title(),
                 QStringLiteral("Previous Answer"));
        QVERIFY(control<LineControl>(form, "PrevLine")->isVisible());
        QCOMPARE(control<PickList>(form, "Answer")->currentIndex(), 0);
        QVERIFY(flagOf(race) != flag);
        QCOMPARE(control<ImageBox>(form, "CurrImage")->pictureId(), FlagPictureId(flagOf(race)));
        const QStringList tips{control<ImageBox>(form, "PrevImage")->toolTip(),
                               control<Label>(form, "PrevAnswer")->toolTip(),
                               control<Label>(form, "Meaning")->toolTip()};
        if (race)
            QCOMPARE(tips, QStringList(3));
        else
            QCOMPARE(tips, (QStringList{"Previous flag", "Correct label for previous flag",
                                        "Correct meaning for previous flag"}));
    }

    void percentAfterAnswers_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("percent");
        QTest::addRow("two of three") << "+-+"
                                      << "66.6%";
        QTest::addRow("one of three") << "-+-"
                                      << "33.3%";
        QTest::addRow("five of five") << "+++++"
                                      << "100%";
        QTest::addRow("six of seven") << "++++-++"
                                      << "85.7%";
    }
    void percentAfterAnswers()
    {
        QFETCH(QString, answers);
        QFETCH(QString, percent);
        MeaningQuizWindow &form = openQuiz(false, QStringLiteral("K"));
        for (QChar given : answers) {
            const int right = positionOf(false, shared().MeaningFlag);
            answer(form, given == u'+' ? right : (right == 1 ? 2 : 1));
        }
        QCOMPARE(control<Label>(form, "Percent")->caption(), percent);
        QCOMPARE(shared().MeaningAskedCount, answers.size());
    }

    void confirmingNothingChangesNothing_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("action");
        QTest::addRow("Enter on prompt") << true << "enter";
        QTest::addRow("button on prompt") << true << "button";
        QTest::addRow("letters typed") << true << "mzq";
        QTest::addRow("Enter, nothing selected") << false << "enter";
    }
    void confirmingNothingChangesNothing()
    {
        QFETCH(bool, selected);
        QFETCH(QString, action);
        auto &form = static_cast<MeaningForm &>(openQuiz(false, QStringLiteral("Q"), selected));
        EnterCounter leaks;
        form.installEventFilter(&leaks);
        const int shown = control<PickList>(form, "Answer")->currentIndex();
        for (int i = 0; i < 3; ++i) {
            if (action == QStringLiteral("button"))
                QTest::mouseClick(control<QPushButton>(form, "Go"), Qt::LeftButton);
            else if (action == QStringLiteral("enter"))
                QTest::keyClick(control<PickList>(form, "Answer"), Qt::Key_Return);
            else
                QTest::keyClicks(control<PickList>(form, "Answer"), action);
        }
        if (action.startsWith(u'm'))
            QVERIFY(control<PickList>(form, "Answer")->currentIndex() != shown);
        else
            QCOMPARE(control<PickList>(form, "Answer")->currentIndex(), shown);
        QCOMPARE(leaks.seen, 0);
        QCOMPARE(shared().MeaningAskedCount, 0);
        QCOMPARE(shared().MeaningFlag, QStringLiteral("Q"));
        QCOMPARE(control<Label>(form, "Status")->caption(), QString());
        QVERIFY(!control<Frame>(form, "PrevAnswerFrame")->borderShown());
    }

    void enterButtonJudgesAndKeepsFocusOnList()
    {
        auto &form = static_cast<MeaningForm &>(openQuiz(false, QStringLiteral("H")));
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        pick(control<PickList>(form, "Answer"), positionOf(false, QStringLiteral("H")));
        QTest::mouseClick(control<QPushButton>(form, "Go"), Qt::LeftButton);
        QCOMPARE(control<Label>(form, "Status")->caption(),
                 QStringLiteral("Correct!\rScore is 1 / 1"));
        QCOMPARE(control<Label>(form, "PrevAnswer")->caption(), QStringLiteral("Hotel"));
        QCOMPARE(form.focusWidget(), control<PickList>(form, "Answer"));
    }

    void noFlagBackWithinEleven_data()
    {
        QTest::addColumn<bool>("race");
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1ull, 99ull, 2024ull}) {
            QTest::addRow("meanings %llu", seed) << false << seed;
            QTest::addRow("race %llu", seed) << true << seed;
        }
    }
    void noFlagBackWithinEleven()
    {
        QFETCH(bool, race);
        QFETCH(quint64, seed);
        test::freshRun(seed);
        MeaningQuizWindow &form = openQuiz(race, QStringLiteral("B"));
        QStringList asked{flagOf(race)};
        for (int turn = 0; turn < 150; ++turn) {
            answer(form, 1 + randomBelow(control<PickList>(form, "Answer")->count() - 1));
            QCOMPARE(control<ImageBox>(form, "CurrImage")->pictureId(),
                     FlagPictureId(flagOf(race)));
            asked << flagOf(race);
        }
        for (qsizetype i = 0; i + 12 <= asked.size(); ++i) {
            const QStringList twelve = asked.mid(i, 12);
            QCOMPARE(QSet<QString>(twelve.begin(), twelve.end()).size(), 12);
        }
    }

    void meaningsHelpIsOneWindowOf26Lines()
    {
        MeaningQuizWindow &meanings = openQuiz(false, QStringLiteral("D"));
        MeaningQuizWindow &race = openQuiz(true, QStringLiteral("N"));
        QTest::mouseClick(control<QPushButton>(meanings, "Command1"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(race, "Command1"), Qt::LeftButton);
        QCOMPARE(visibleWindowsNamed(QStringLiteral("CheatMeanForm")), 1);

        for (MeaningQuizWindow *reopener : {&race, &meanings}) {
            CheatMeanForm *help = existingWindow<CheatMeanForm>();
            QVERIFY(help);
            QStringList listing =
                control<Label>(*help, "Meanings")->caption().split(QLatin1Char('\r'));
            QCOMPARE(listing.takeLast(), QString());
            QCOMPARE(listing.size(), 26);
            QCOMPARE(listing.first(),
                     QStringLiteral("A:  I have a diver down; keep well clear at slow speed."));
            QCOMPARE(listing.at(17), QStringLiteral("R:  (Flag has no meaning by itself)"));
            QVERIFY(listing.last().startsWith(QStringLiteral("Z:  I require a tug.")));

            help->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!existingWindow<CheatMeanForm>());
            QTest::mouseClick(control<QPushButton>(*reopener, "Command1"), Qt::LeftButton);
        }
    }

    void meaningsHelpShowsEveryLine()
    {
        CheatMeanForm &help = getWindow<CheatMeanForm>();
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const Label *label = control<Label>(help, "Meanings");
        const QWidget *page = control<QScrollArea>(help, "Scroller")->widget();
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(label->geometry().bottom() < page->height());
        // Whatever does not fit on the screen can be scrolled to.
        QVERIFY(control<QScrollArea>(help, "Scroller")->verticalScrollBar()->maximum() +
                    control<QScrollArea>(help, "Scroller")->viewport()->height() >=
                page->height());
        QVERIFY(help.maximumWidth() > help.minimumWidth());
        QVERIFY(!(help.windowFlags() & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(MeaningQuizTest)
#include "tst_meaning_quiz.moc"
