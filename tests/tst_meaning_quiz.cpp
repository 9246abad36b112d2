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
    pick(window.Answer, position);
    QTest::keyClick(window.Answer, Qt::Key_Return);
}

// The quiz window as start-up leaves it, asking `flag`, and shown.
MeaningQuizWindow &openQuiz(bool race, const QString &flag, bool prepared = true)
{
    flagOf(race) = flag;
    MeaningQuizWindow &window = race
                                    ? static_cast<MeaningQuizWindow &>(getWindow<raceMeaningForm>())
                                    : getWindow<MeaningForm>();
    if (prepared)
        window.prepareFirstFlag();
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
        QCOMPARE(form.CurrImage->pictureId(), FlagPictureId(flag));
        QVERIFY(!form.PrevAnswerFrame->borderShown());
        QVERIFY(!form.PrevLine->isVisible());
        answer(form, positionOf(race, chosen));

        QCOMPARE(form.Status->caption(), status);
        QCOMPARE(form.Percent->caption(), percent);
        QCOMPARE(form.PrevAnswer->caption(), name);
        QCOMPARE(form.Meaning->caption(), meaning);
        QCOMPARE(form.PrevImage->pictureId(), FlagPictureId(flag));
        QVERIFY(form.PrevAnswerFrame->borderShown());
        QCOMPARE(form.PrevAnswerFrame->title(), QStringLiteral("Previous Answer"));
        QVERIFY(form.PrevLine->isVisible());
        QCOMPARE(form.Answer->currentIndex(), 0);
        QVERIFY(flagOf(race) != flag);
        QCOMPARE(form.CurrImage->pictureId(), FlagPictureId(flagOf(race)));
        const QStringList tips{form.PrevImage->toolTip(), form.PrevAnswer->toolTip(),
                               form.Meaning->toolTip()};
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
        QCOMPARE(form.Percent->caption(), percent);
        QCOMPARE(shared().MeaningAskedCount, answers.size());
    }

    void confirmingNothingChangesNothing_data()
    {
        QTest::addColumn<bool>("prepared");
        QTest::addColumn<QString>("action");
        QTest::addRow("Enter on prompt") << true << "enter";
        QTest::addRow("button on prompt") << true << "button";
        QTest::addRow("letters typed") << true << "mzq";
        QTest::addRow("Enter, nothing selected") << false << "enter";
    }
    void confirmingNothingChangesNothing()
    {
        QFETCH(bool, prepared);
        QFETCH(QString, action);
        auto &form = static_cast<MeaningForm &>(openQuiz(false, QStringLiteral("Q"), prepared));
        EnterCounter leaks;
        form.installEventFilter(&leaks);
        const int selected = form.Answer->currentIndex();
        for (int i = 0; i < 3; ++i) {
            if (action == QStringLiteral("button"))
                QTest::mouseClick(form.Go, Qt::LeftButton);
            else if (action == QStringLiteral("enter"))
                QTest::keyClick(form.Answer, Qt::Key_Return);
            else
                QTest::keyClicks(form.Answer, action);
        }
        if (action.startsWith(u'm'))
            QVERIFY(form.Answer->currentIndex() != selected);
        else
            QCOMPARE(form.Answer->currentIndex(), selected);
        QCOMPARE(leaks.seen, 0);
        QCOMPARE(shared().MeaningAskedCount, 0);
        QCOMPARE(shared().MeaningFlag, QStringLiteral("Q"));
        QCOMPARE(form.Status->caption(), QString());
        QVERIFY(!form.PrevAnswerFrame->borderShown());
    }

    void enterButtonJudgesAndKeepsFocusOnList()
    {
        auto &form = static_cast<MeaningForm &>(openQuiz(false, QStringLiteral("H")));
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        pick(form.Answer, positionOf(false, QStringLiteral("H")));
        QTest::mouseClick(form.Go, Qt::LeftButton);
        QCOMPARE(form.Status->caption(), QStringLiteral("Correct!\rScore is 1 / 1"));
        QCOMPARE(form.PrevAnswer->caption(), QStringLiteral("Hotel"));
        QCOMPARE(form.focusWidget(), form.Answer);
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
            answer(form, 1 + randomBelow(form.Answer->count() - 1));
            QCOMPARE(form.CurrImage->pictureId(), FlagPictureId(flagOf(race)));
            asked << flagOf(race);
        }
        for (qsizetype i = 0; i + 12 <= asked.size(); ++i) {
            const QStringList twelve = asked.mid(i, 12);
            QCOMPARE(QSet<QString>(twelve.begin(), twelve.end()).size(), 12);
        }
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("race");
        QTest::addColumn<QStringList>("order");
        QTest::addRow("meanings") << false << QStringList{"Go",          "CheatButton", "Command1",
                                                          "AboutButton", "ModeCombo",   "Answer"};
        QTest::addRow("race, no Go")
            << true << QStringList{"CheatButton", "Command1", "AboutButton", "ModeCombo", "Answer"};
    }
    void tabOrder()
    {
        QFETCH(bool, race);
        QFETCH(QStringList, order);
        MeaningQuizWindow &form = openQuiz(race, QStringLiteral("M"));
        QCOMPARE(form.findChild<QPushButton *>(QStringLiteral("Go")) != nullptr, !race);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.focusWidget(), form.Answer);
        for (const QString &next : order) {
            QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
            QCOMPARE(form.focusWidget()->objectName(), next);
        }
    }

    // Every text a window can show fits its control: the prompt in the closed
    // list, and every status, name and meaning.
    void captionsFit_data()
    {
        QTest::addColumn<bool>("race");
        QTest::addRow("meanings") << false;
        QTest::addRow("race") << true;
    }
    void captionsFit()
    {
        QFETCH(bool, race);
        MeaningQuizWindow &form = openQuiz(race, QStringLiteral("M"));
        QStyleOptionComboBox option;
        option.initFrom(form.Answer);
        option.rect = form.Answer->rect();
        const QRect field = form.Answer->style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, form.Answer);
        QVERIFY(form.Answer->fontMetrics().horizontalAdvance(form.Answer->itemText(0)) <=
                field.width() - 4);

        auto fits = [](const Label *label) {
            return label->heightForWidth(label->width()) <= label->height();
        };
        SharedState &s = shared();
        for (int p = 1; p < form.Answer->count(); ++p) {
            // With wide scores: entry p chosen wrongly, then entry p's flag missed.
            s.MeaningRightCount = s.RaceRightCount = s.MeaningAskedCount = s.RaceAskedCount = 32000;
            const int other = p == 1 ? 2 : 1;
            flagOf(race) = answerCodeOf(race)(other);
            answer(form, p);
            QVERIFY2(fits(form.Status), qPrintable(form.Status->caption()));
            flagOf(race) = answerCodeOf(race)(p);
            answer(form, other);
            QVERIFY2(fits(form.Meaning), qPrintable(form.Meaning->caption()));
            QVERIFY(fits(form.PrevAnswer));
        }
    }

    void buttonsOpenTheirWindows_data()
    {
        QTest::addColumn<bool>("race");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        for (bool race : {false, true}) {
            const char *quiz = race ? "race" : "meanings";
            QTest::addRow("%s flags help", quiz) << race << "CheatButton"
                                                 << "CheatForm";
            QTest::addRow("%s meanings help", quiz) << race << "Command1"
                                                    << "CheatMeanForm";
            QTest::addRow("%s about", quiz) << race << "AboutButton"
                                            << "frmAbout";
        }
    }
    void buttonsOpenTheirWindows()
    {
        QFETCH(bool, race);
        QFETCH(QString, button);
        QFETCH(QString, window);
        MeaningQuizWindow &form = openQuiz(race, QStringLiteral("C"));
        QTest::mouseClick(form.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(visibleWindowsNamed(window), 1);
        QVERIFY(form.isVisible());
    }

    void meaningsHelpIsOneWindowOf26Lines()
    {
        MeaningQuizWindow &meanings = openQuiz(false, QStringLiteral("D"));
        MeaningQuizWindow &race = openQuiz(true, QStringLiteral("N"));
        QTest::mouseClick(meanings.Command1, Qt::LeftButton);
        QTest::mouseClick(race.Command1, Qt::LeftButton);
        QCOMPARE(visibleWindowsNamed(QStringLiteral("CheatMeanForm")), 1);

        for (MeaningQuizWindow *reopener : {&race, &meanings}) {
            CheatMeanForm *help = existingWindow<CheatMeanForm>();
            QVERIFY(help);
            QStringList listing = help->Meanings->caption().split(QLatin1Char('\r'));
            QCOMPARE(listing.takeLast(), QString());
            QCOMPARE(listing.size(), 26);
            QCOMPARE(listing.first(),
                     QStringLiteral("A:  I have a diver down; keep well clear at slow speed."));
            QCOMPARE(listing.at(17), QStringLiteral("R:  (Flag has no meaning by itself)"));
            QVERIFY(listing.last().startsWith(QStringLiteral("Z:  I require a tug.")));

            help->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!existingWindow<CheatMeanForm>());
            QTest::mouseClick(reopener->Command1, Qt::LeftButton);
        }
    }

    void meaningsHelpShowsEveryLine()
    {
        CheatMeanForm &help = getWindow<CheatMeanForm>();
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const Label *label = help.Meanings;
        const QWidget *page = help.Scroller->widget();
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(label->geometry().bottom() < page->height());
        // Whatever does not fit on the screen can be scrolled to.
        QVERIFY(help.Scroller->verticalScrollBar()->maximum() +
                    help.Scroller->viewport()->height() >=
                page->height());
        QVERIFY(help.maximumWidth() > help.minimumWidth());
        QVERIFY(!(help.windowFlags() & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(MeaningQuizTest)
#include "tst_meaning_quiz.moc"
