#include "app/mode_switch.h"
#include "app/startup.h"
#include "catalogue/flags.h"
#include "catalogue/substitutes.h"
#include "core/shared_state.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/windows.h"
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
    // The word's flags, the empty boxes below it left out.
    Ids shown() const
    {
        Ids ids = test::hoistIds(*form);
        while (!ids.isEmpty() && ids.back() == 0)
            ids.pop_back();
        return ids;
    }
    static Ids pictures(const QString &coded)
    {
        Ids ids;
        for (QChar ch : coded)
            ids << FlagPictureId(ch);
        return ids;
    }
    // Puts a word up as start-up does, with the encoding it was given.
    void ask(const QString &word, const QString &coded)
    {
        shared().CurrentWord = word;
        shared().CurrentWordCoded = coded;
        form->Form_Load();
    }
    // Text no key types goes in through the clipboard, as a user's paste.
    void answerWith(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(answer(), Qt::Key_V, Qt::ControlModifier);
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
        form = test::openWindow<WordQuizForm>();
    }
    void cleanup() { test::closeWindows(); }

    void oneTurn_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("rightBefore");
        QTest::addColumn<int>("askedBefore");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("percent");
        const QString wrong = QStringLiteral("Your answer\r\"%1\"\rwas WRONG.\rScore is %2");
        QTest::addRow("mixed case") << "Ranger" << 0 << 0 << "rAnGEr"
                                    << "Correct!\rScore is 1/1"
                                    << "100%";
        QTest::addRow("wrong") << "Ranger" << 1 << 1 << "xyz" << wrong.arg("xyz", "1/2") << "50%";
        QTest::addRow("empty") << "able" << 0 << 0 << "" << wrong.arg("", "0/1") << "0%";
        QTest::addRow("leading space")
            << "able" << 0 << 0 << " able" << wrong.arg(" able", "0/1") << "0%";
        QTest::addRow("cut, not rounded") << "able" << 1 << 2 << "able"
                                          << "Correct!\rScore is 2/3"
                                          << "66.6%";
        QTest::addRow("two words") << "beam reach" << 0 << 0 << "Beam Reach"
                                   << "Correct!\rScore is 1/1"
                                   << "100%";
        QTest::addRow("space left out")
            << "beam reach" << 0 << 0 << "beamreach" << wrong.arg("beamreach", "0/1") << "0%";
        const QString kelvin = QString::fromUtf8("\u212Aeel");
        QTest::addRow("Kelvin sign is no k")
            << "keel" << 0 << 0 << kelvin << wrong.arg(kelvin, "0/1") << "0%";
        QTest::addRow("shown as typed")
            << "able" << 2 << 3 << "%1 %2" << wrong.arg("%1 %2", "2/4") << "50%";
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
        QVERIFY(answer()->text().isEmpty());
        QVERIFY(s.CurrentWord != word);
        QCOMPARE(shown(), pictures(AddSubstitutes(s.CurrentWord.toLower())));
    }

    void answerLimit()
    {
        QTest::keyClicks(answer(), "abcdefghijklmnop");
        QCOMPARE(answer()->text(), QStringLiteral("abcdefghijkl"));
    }

    void drawnWords()
    {
        // Kept out by length, by a third "e" or "g", by a late repeat, by length.
        const QSet<QString> never{"epee", "needle", "rigging", "between", "athwartships"};
        QSet<QString> seen;
        QString previous = shared().CurrentWord;
        for (int turn = 0; turn < 5000; ++turn) {
            CheckWordAnswer(QString());
            const QString word = shared().CurrentWord;
            QVERIFY2(word.size() >= 3 && word.size() <= 11, qPrintable(word));
            QVERIFY2(word != previous, qPrintable(word));
            QVERIFY2(WordRejectCode(word) == 0 && !never.contains(word), qPrintable(word));
            seen.insert(word);
            previous = word;
        }
        QVERIFY(seen.size() > 900);
    }

    void shownWithSubstitutes_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<Ids>("ids");
        QTest::addRow("Ranger") << "Ranger" << Ids{114, 97, 110, 103, 101, 33};
        QTest::addRow("beam reach")
            << "beam reach" << Ids{98, 101, 97, 109, 32, 114, 64, 35, 99, 104};
    }
    void shownWithSubstitutes()
    {
        QFETCH(QString, word);
        QFETCH(Ids, ids);
        seedRandom(seedDrawing(word, shared().CurrentWord));
        answerWith(QStringLiteral("x"));
        QCOMPARE(shared().CurrentWord, word);
        QCOMPARE(shown(), ids);
    }

    void firstWord()
    {
        // Start-up encodes with the capitals: R and r are different flags' places.
        ask(QStringLiteral("Ranger"), AddSubstitutes(QStringLiteral("Ranger")));
        QCOMPARE(shown(), (Ids{114, 97, 110, 103, 101, 114}));
        for (int run = 0; run < 20; ++run) {
            cleanup();
            test::freshRun(run);
            Main();
            seedRandom(run);
            form = &getWindow<WordQuizForm>();
            const SharedState &s = shared();
            QVERIFY(s.CurrentWord != QLatin1String("epee"));
            QCOMPARE(shown(), pictures(AddSubstitutes(s.CurrentWord)));
            QVERIFY(caption("PrevWord").isEmpty() && caption("Status").isEmpty() &&
                    caption("Percent").isEmpty());
            QVERIFY(!form->isVisible());
        }
    }
};

QTEST_MAIN(WordQuizTest)
#include "tst_word_quiz.moc"
