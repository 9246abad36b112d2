#include "core/shared_state.h"
#include "test_support.h"
#include "words/word_list.h"

#include <QSet>
#include <QTest>

using namespace vexo;

// The list as shipped; the program itself takes its size from the list.
constexpr int ListSize = 1261;

class WordListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test::freshRun(7); }

    void listShape()
    {
        const QStringList &words = WordList();
        QCOMPARE(words.size(), ListSize);
        QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), ListSize);
        for (const QString &word : words) {
            QVERIFY2(word.size() >= 3 && word.size() <= 12, qPrintable(word));
            QVERIFY2(word.count(QLatin1Char(' ')) <= 1, qPrintable(word));
            QVERIFY2(word.trimmed() == word, qPrintable(word));
        }
        // The capitalised names come first, in alphabetical order.
        QStringList names = words.mid(0, 37);
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(names, sorted);
    }

    void idsByValue_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("word");
        QTest::addRow("first") << 1 << "Alert";
        QTest::addRow("GPS") << 12 << "GPS";
        QTest::addRow("Muskrat") << 20 << "Muskrat";
        QTest::addRow("Nimitz") << 22 << "Nimitz";
        QTest::addRow("Ranger") << 27 << "Ranger";
        QTest::addRow("last name") << 37 << "Wednesday";
        QTest::addRow("first ship") << 38 << "Audacious";
        QTest::addRow("last ship") << 55 << "Challenger";
        QTest::addRow("first word") << 56 << "able";
        QTest::addRow("beam reach") << 128 << "beam reach";
        QTest::addRow("last") << ListSize << "your";
        QTest::addRow("below") << 0 << "";
        QTest::addRow("above") << ListSize + 1 << "";
    }
    void idsByValue()
    {
        QFETCH(int, id);
        QFETCH(QString, word);
        QCOMPARE(WordById(id), word);
    }

    void randomIds()
    {
        QList<int> counts(ListSize + 1);
        for (int i = 0; i < 200000; ++i) {
            const int id = RandomWordId();
            QVERIFY(id >= 1 && id <= ListSize);
            ++counts[id];
        }
        // Every id turns up; none is grossly over- or under-drawn (expected 158.6).
        for (int id = 1; id <= ListSize; ++id)
            QVERIFY2(counts[id] > 90 && counts[id] < 240, qPrintable(QString::number(id)));
    }

    void rejectCodes_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("code");
        QTest::addRow("needle") << "needle" << 1;
        QTest::addRow("rigging") << "rigging" << 1;
        QTest::addRow("between") << "between" << 2;
        QTest::addRow("epee") << "epee" << 1;
        QTest::addRow("hello") << "hello" << 0;
        QTest::addRow("athwartships") << "athwartships" << 2;
        QTest::addRow("Ranger case differs") << "Ranger" << 0;
        QTest::addRow("repeat at 5 and 6") << "abcdee" << 2;
        QTest::addRow("repeat at 4 and 6") << "abcded" << 0;
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("beyond Latin-1") << QString::fromUtf8("\xC4\xB0\xC4\xB0\xC4\xB0") << 1;
    }
    void rejectCodes()
    {
        QFETCH(QString, word);
        QFETCH(int, code);
        QCOMPARE(WordRejectCode(word), code);
    }
};

QTEST_GUILESS_MAIN(WordListTest)
#include "tst_word_list.moc"
