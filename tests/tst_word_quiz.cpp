#include "app/controls.h"
#include "app/mode_switch.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "app/windows.h"
#include "catalogue/flags.h"
#include "catalogue/substitutes.h"
#include "test_support.h"
#include "words/typing_limit_edit.h"
#include "words/word_list.h"
#include "words/word_quiz.h"
#include "words/word_quiz_form.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace vexo;

using Ids = QList<int>;

class WordQuizTest : public QObject
{
    Q_OBJECT

    WordQuizForm *form = nullptr;

    TypingLimitEdit *answer() const { return form->findChild<TypingLimitEdit *>("Answer"); }
    QPushButton *button(const QString &name) const { return form->findChild<QPushButton *>(name); }
    QString caption(const char *name) const { return form->findChild<Label *>(name)->caption(); }
    // The word's flags, gaps at the end dropped.
    Ids shownIds() const
    {
        Ids ids = hoistPictureIds(form->Image1);
        while (!ids.isEmpty() && ids.back() == 0)
            ids.pop_back();
        return ids;
    }
    // Puts a word up as start-up does, with the encoding it was given.
    void ask(const QString &word, const QString &coded)
    {
        shared().CurrentWord = word;
        shared().CurrentWordCoded = coded;
        form->prepareFirstWord();
    }
    void answerWith(const QString &text)
    {
        if (text.toLatin1() == text.toUtf8()) {
            QTest::keyClicks(answer(), text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(answer(), Qt::Key_V, Qt::ControlModifier);
        }
        QTest::keyClick(answer(), Qt::Key_Return);
    }
    // A seed after which the next word drawn is `word`.
    static quint64 seedDrawing(const QString &word, const QString &previous)
    {
        for (quint64 seed = 1; seed < 200000; ++seed) {
            seedRandom(seed);
            if (NextQuizWord(previous) == word)
                return seed;
        }
        qFatal("no seed draws %s", qPrintable(word));
    }

private Q_SLOTS:
    void init()
    {
        test::freshRun(11);
        form = &getWindow<WordQuizForm>();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        UnloadAllButAbout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!existingWindow<WordQuizForm>());
    }

    void oneTurn_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("rightBefore");
        QTest::addColumn<int>("askedBefore");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("percent");
        QTest::addRow("mixed case, first answer") << "Ranger" << 0 << 0 << "rAnGEr" << "Correct!\rScore is 1/1"
                                                  << "100%";
        QTest::addRow("wrong after one right") << "Ranger" << 1 << 1 << "xyz"
                                               << "Your answer\r\"xyz\"\rwas WRONG.\rScore is 1/2" << "50%";
        QTest::addRow("empty is wrong") << "able" << 0 << 0 << ""
                                        << "Your answer\r\"\"\rwas WRONG.\rScore is 0/1" << "0%";
        QTest::addRow("spaces count") << "able" << 0 << 0 << " able"
                                      << "Your answer\r\" able\"\rwas WRONG.\rScore is 0/1" << "0%";
        QTest::addRow("two words") << "beam reach" << 0 << 0 << "Beam Reach" << "Correct!\rScore is 1/1"
                                   << "100%";
        QTest::addRow("space left out") << "beam reach" << 0 << 0 << "beamreach"
                                        << "Your answer\r\"beamreach\"\rwas WRONG.\rScore is 0/1" << "0%";
        QTest::addRow("no k from the Kelvin sign") << "keel" << 0 << 0 << QString::fromUtf8("\u212Aeel")
                                                   << QString::fromUtf8("Your answer\r\"\u212Aeel\"\rwas "
                                                                        "WRONG.\rScore is 0/1")
                                                   << "0%";
        QTest::addRow("answer shown as typed") << "able" << 2 << 3 << "%1 %2"
                                               << "Your answer\r\"%1 %2\"\rwas WRONG.\rScore is 2/4" << "50%";
    }
    void oneTurn()
    {
        QFETCH(QString, word);
        QFETCH(int, rightBefore);
        QFETCH(int, askedBefore);
        QFETCH(QString, typed);
        QFETCH(QString, status);
        QFETCH(QString, percent);
        SharedState &s = shared();
        s.WordRightCount = rightBefore;
        s.WordAskedCount = askedBefore;
        ask(word, AddSubstitutes(word.toLower()));
        answerWith(typed);
        QCOMPARE(caption("Status"), status);
        QCOMPARE(caption("Percent"), percent);
        QCOMPARE(caption("PrevWord"), word);
        QCOMPARE(s.WordAnswer, typed);
        QVERIFY(answer()->text().isEmpty());
        QVERIFY(s.CurrentWord != word);
        QCOMPARE(s.CurrentWordCoded, AddSubstitutes(s.CurrentWord.toLower()));
        Ids expected;
        for (QChar ch : s.CurrentWordCoded)
            expected << FlagPictureId(ch);
        QCOMPARE(shownIds(), expected);
    }

    void percentCutNotRounded()
    {
        const SharedState &s = shared();
        for (const QString &prefix : {QString(), QStringLiteral("x"), QString()})
            answerWith(prefix + s.CurrentWord);
        QCOMPARE(caption("Status"), QStringLiteral("Correct!\rScore is 2/3"));
        QCOMPARE(caption("Percent"), QStringLiteral("66.6%"));
    }

    void answerLimit()
    {
        QTest::keyClicks(answer(), QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(answer()->text(), QStringLiteral("abcdefghijkl"));
        answer()->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("0123456789abcdef"));
        QTest::keyClick(answer(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(answer()->text(), QStringLiteral("0123456789ab"));
    }

    void drawnWords()
    {
        // Words the rules keep out, for one reason each.
        const QSet<QString> never{QStringLiteral("needle"), QStringLiteral("rigging"), QStringLiteral("between"),
                                  QStringLiteral("athwartships"), QStringLiteral("epee")};
        QSet<QString> seen;
        QString previous = shared().CurrentWord;
        for (int turn = 0; turn < 5000; ++turn) {
            CheckWordAnswer(QString());
            const QString word = shared().CurrentWord;
            QVERIFY2(word.size() >= 3 && word.size() <= 11, qPrintable(word));
            QVERIFY2(word != previous, qPrintable(word));
            QCOMPARE(WordRejectCode(word), 0);
            QVERIFY2(!never.contains(word), qPrintable(word));
            seen.insert(word);
            previous = word;
        }
        QVERIFY(seen.size() > 900);
        QCOMPARE(shared().WordAskedCount, 5000);
    }

    void shownWithSubstitutes_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<Ids>("ids");
        QTest::addRow("Ranger") << "Ranger" << Ids{114, 97, 110, 103, 101, 33};
        QTest::addRow("beam reach") << "beam reach" << Ids{98, 101, 97, 109, 32, 114, 64, 35, 99, 104};
    }
    void shownWithSubstitutes()
    {
        QFETCH(QString, word);
        QFETCH(Ids, ids);
        seedRandom(seedDrawing(word, shared().CurrentWord));
        answerWith(QStringLiteral("x"));
        QCOMPARE(shared().CurrentWord, word);
        QCOMPARE(shownIds(), ids);
    }

    void firstWordKeepsCapitals()
    {
        ask(QStringLiteral("Ranger"), AddSubstitutes(QStringLiteral("Ranger")));
        QCOMPARE(shownIds(), (Ids{114, 97, 110, 103, 101, 114}));
    }

    void firstWordAfterMain()
    {
        for (int run = 0; run < 20; ++run) {
            cleanup();
            test::freshRun(run);
            Main();
            seedRandom(run);
            form = &getWindow<WordQuizForm>();
            const SharedState &s = shared();
            QVERIFY(s.CurrentWord != QLatin1String("epee"));
            QCOMPARE(WordRejectCode(s.CurrentWord), 0);
            QCOMPARE(s.CurrentWordCoded, AddSubstitutes(s.CurrentWord));
            Ids expected;
            for (QChar ch : s.CurrentWordCoded)
                expected << FlagPictureId(ch);
            QCOMPARE(shownIds(), expected);
            QVERIFY(caption("PrevWord").isEmpty());
            QVERIFY(caption("Status").isEmpty());
            QVERIFY(caption("Percent").isEmpty());
            QVERIFY(!form->isVisible());
        }
    }

    void keepsStateWhileHidden()
    {
        answerWith(QStringLiteral("nope"));
        const QString word = shared().CurrentWord;
        const Ids ids = shownIds();
        SwitchMode(2);
        QVERIFY(!form->isVisible());
        SwitchMode(1);
        QVERIFY(form->isVisible());
        QCOMPARE(shared().CurrentWord, word);
        QCOMPARE(shownIds(), ids);
        QVERIFY(caption("Status").endsWith(QLatin1String("Score is 0/1")));
    }

    void keyboardOnly()
    {
        QCOMPARE(QApplication::focusWidget(), answer());
        const QList<QWidget *> order{button(QStringLiteral("CheatButton")),
                                     button(QStringLiteral("AboutButton")), form->modeCombo(),
                                     answer()};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void buttonsOpenWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addRow("Flags Help") << "CheatButton" << "CheatForm";
        QTest::addRow("About") << "AboutButton" << "frmAbout";
    }
    void buttonsOpenWindows()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QTest::mouseClick(this->button(button), Qt::LeftButton);
        bool shown = false;
        for (QWidget *w : QApplication::topLevelWidgets())
            shown = shown || (w->objectName() == window && w->isVisible());
        QVERIFY(shown);
        // The quiz goes on where it was.
        QVERIFY(form->isVisible());
    }

    // Saves a picture of the window when VEXO_SCREENSHOTS names a folder.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("VEXO_SCREENSHOTS");
        if (dir.isEmpty())
            QSKIP("VEXO_SCREENSHOTS not set");
        shared().CurrentMode = 1;
        SwitchMode(1);
        ask(QStringLiteral("rigging"), QString());
        seedRandom(seedDrawing(QStringLiteral("beam reach"), shared().CurrentWord));
        answerWith(QStringLiteral("riging"));
        QVERIFY(form->grab().save(dir + QStringLiteral("/word-quiz.png")));
    }
};

QTEST_MAIN(WordQuizTest)
#include "tst_word_quiz.moc"
