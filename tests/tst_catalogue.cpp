#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "catalogue/substitutes.h"

#include <QSet>
#include <QTest>

using namespace vexo;

class CatalogueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void flagNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addRow("lower x") << "x"
                                 << "X-Ray";
        QTest::addRow("upper A") << "A"
                                 << "Alpha";
        QTest::addRow("lower a") << "a"
                                 << "Alpha";
        QTest::addRow("zulu") << "z"
                              << "Zulu";
        QTest::addRow("zero") << "0"
                              << "Zero";
        QTest::addRow("nine") << "9"
                              << "Nine";
        QTest::addRow("answering") << "}"
                                   << "Ans. Penn.";
        QTest::addRow("1st subst") << "!"
                                   << "1st Subst";
        QTest::addRow("4th subst") << "$"
                                   << "4th Subst";
        QTest::addRow("corpen") << "|"
                                << "Corpen";
        QTest::addRow("speed") << "\\"
                               << "Speed";
        QTest::addRow("turn") << "`"
                              << "Turn";
        QTest::addRow("two letters") << "ab"
                                     << "ab";
        QTest::addRow("empty") << ""
                               << "";
        QTest::addRow("word unchanged") << "Alpha"
                                        << "Alpha";
        QTest::addRow("not upper-cased") << "xyz"
                                         << "xyz";
        QTest::addRow("space") << " "
                               << " ";
        QTest::addRow("latin-1") << QString(QChar(0xE9)) << QString(QChar(0xE9));
        // Dotless i upper-cases to I; it must not pass for India.
        QTest::addRow("dotless i") << QString(QChar(0x131)) << QString(QChar(0x131));
        QTest::addRow("emoji") << QString::fromUtf8("\xF0\x9F\x9A\xA2")
                               << QString::fromUtf8("\xF0\x9F\x9A\xA2");
    }
    void flagNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(FlagName(code), name);
    }

    void natoNamesAreAlphabetical()
    {
        QStringList names;
        for (int entry = 1; entry <= 17; ++entry)
            names << FlagName(NatoSpecialCode(entry));
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);
        QCOMPARE(names.first(), QStringLiteral("Corpen"));
        QCOMPARE(names.last(), QStringLiteral("Turn"));
        QVERIFY(NatoSpecialCode(0).isEmpty());
        QVERIFY(NatoSpecialCode(18).isEmpty());
        QVERIFY(NatoSpecialCode(-1).isEmpty());
    }

    void categories_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("category");
        QTest::addRow("Q") << "Q" << 2;
        QTest::addRow("q") << "q" << 2;
        QTest::addRow("}") << "}" << 0;
        QTest::addRow("7") << "7" << 1;
        QTest::addRow("@") << "@" << 3;
        QTest::addRow("{") << "{" << 4;
        QTest::addRow("(") << "(" << 0;
        QTest::addRow("space") << " " << 0;
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("first char counts") << "7x" << 1;
        QTest::addRow("e acute") << QString(QChar(0xE9)) << 0;
        QTest::addRow("kelvin sign") << QString(QChar(0x212A)) << 0;
        QTest::addRow("dotted I") << QString(QChar(0x130)) << 0;
    }
    void categories()
    {
        QFETCH(QString, code);
        QFETCH(int, category);
        QCOMPARE(FlagCategory(code), category);
    }

    // Every code unit there is, alone and at the head of a longer text:
    // categories hold exactly their pools, exactly the codes have a name,
    // a picture and (letters and substitutes) a meaning, whatever the case.
    void everyCodeUnit()
    {
        const auto byList = [](QChar ch) {
            const char16_t unit = ch.unicode();
            if (unit >= u'0' && unit <= u'9')
                return int(CategoryNumeral);
            if ((unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z'))
                return int(CategoryLetter);
            if (QStringLiteral("!#$@").contains(ch))
                return int(CategorySubstitute);
            if (NatoSpecialCodes().contains(ch))
                return int(CategoryNatoSpecial);
            return int(CategoryOther);
        };
        QList<int> counts(5);
        QSet<QString> names;
        for (int unit = 0; unit <= 0xFFFF; ++unit) {
            const QChar ch{char16_t(unit)};
            const QString code(ch);
            const QString where = QStringLiteral("U+%1").arg(unit, 4, 16, QLatin1Char('0'));
            const int category = FlagCategory(code);
            QVERIFY2(category == byList(ch) && FlagCategory(ch) == category &&
                         FlagCategory(code + QStringLiteral("x")) == category,
                     qPrintable(where));
            ++counts[category];

            const bool isCode = category != CategoryOther || code == QLatin1String("}");
            const QString name = FlagName(code);
            QVERIFY2((name != code) == isCode, qPrintable(where));
            QCOMPARE(FlagName(code + code), code + code);
            if (isCode) {
                names.insert(name);
                QCOMPARE(FlagName(upperPerChar(code)), name);
                QCOMPARE(FlagName(lowerPerChar(code)), name);
            }

            const QString meaning = FlagMeaning(code);
            const bool hasMeaning = category == CategoryLetter || category == CategorySubstitute;
            QVERIFY2(meaning.isEmpty() != hasMeaning, qPrintable(where));
            QVERIFY(FlagMeaning(code + code).isEmpty());
            if (category == CategoryLetter) {
                QCOMPARE(FlagMeaning(upperPerChar(code)), meaning);
                QCOMPARE(FlagMeaning(lowerPerChar(code)), meaning);
            }
            const bool raced = isCode && QStringLiteral("BCILMNPSXYZ!}").contains(ch.toUpper());
            QVERIFY2(RaceMeaning(code).isEmpty() != raced, qPrintable(where));

            // Every flag has its picture under the lower-cased code.
            if (category != CategoryOther) {
                QCOMPARE(FlagPictureId(ch), int(ch.toLower().unicode()));
                QVERIFY2(HasFlagPicture(FlagPictureId(ch)), qPrintable(where));
            }
        }
        QCOMPARE(counts[CategoryNumeral], 10);
        QCOMPARE(counts[CategoryLetter], 52); // both cases
        QCOMPARE(counts[CategorySubstitute], 4);
        QCOMPARE(counts[CategoryNatoSpecial], 17);
        // 26 letters, 10 digits, 4 substitutes, the answering pennant, 17 NATO flags.
        QCOMPARE(names.size(), 58);
    }

    void pictureIds_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("nato");
        QTest::addColumn<int>("id");
        QTest::addRow("Q") << "Q" << false << 113;
        QTest::addRow("q") << "q" << false << 113;
        QTest::addRow("7 pennant") << "7" << false << 55;
        QTest::addRow("7 NATO") << "7" << true << 27;
        QTest::addRow("0 NATO") << "0" << true << 20;
        QTest::addRow("letter ignores NATO") << "A" << true << 97;
        QTest::addRow("@") << "@" << false << 64;
        QTest::addRow("backslash") << "\\" << false << 92;
        QTest::addRow("space") << " " << false << 32;
        QTest::addRow("empty") << "" << false << 0;
        QTest::addRow("dotted I is no letter") << QString(QChar(0x130)) << false << 0x130;
    }
    void pictureIds()
    {
        QFETCH(QString, code);
        QFETCH(bool, nato);
        QFETCH(int, id);
        QCOMPARE(FlagPictureId(code, nato), id);
    }

    void meanings_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("meaning");
        QTest::addRow("a") << "a"
                           << "I have a diver down; keep well clear at slow speed.";
        QTest::addRow("A") << "A"
                           << "I have a diver down; keep well clear at slow speed.";
        QTest::addRow("r") << "r"
                           << "(Flag has no meaning by itself)";
        QTest::addRow("!") << "!"
                           << "Repeat the 1st flag in the message";
        QTest::addRow("$") << "$"
                           << "Repeat the 4th flag in the message";
        QTest::addRow("Q") << "Q"
                           << "My vessel is \"healthy\" and I request free pratique.";
        QTest::addRow("D") << "D"
                           << "Keep clear of me; I am maneuvering with difficulty.";
        QTest::addRow("P") << "P"
                           << "In harbor: All persons should report on board as the vessel is "
                              "about to proceed to sea. At sea: \"My nets have come fast upon an "
                              "obstruction\".";
        QTest::addRow("digit") << "1"
                               << "";
        QTest::addRow("answering") << "}"
                                   << "";
        QTest::addRow("NATO") << "|"
                              << "";
        QTest::addRow("empty") << ""
                               << "";
        QTest::addRow("two letters") << "AB"
                                     << "";
        QTest::addRow("latin-1") << QString(QChar(0xE1)) << "";
        // These upper-case onto I and S but are no flags.
        QTest::addRow("dotless i") << QString(QChar(0x131)) << "";
        QTest::addRow("long s") << QString(QChar(0x17F)) << "";
    }
    void meanings()
    {
        QFETCH(QString, code);
        QFETCH(QString, meaning);
        QCOMPARE(FlagMeaning(code), meaning);
    }

    void meaningQuoting()
    {
        const QString n = FlagMeaning("N");
        QCOMPARE(n.count(QLatin1Char('"')), 2);
        QVERIFY(n.endsWith(QStringLiteral(").")));
        QCOMPARE(n.indexOf(QLatin1Char('"')), n.indexOf(QStringLiteral("The")) - 1);
        for (const char *code : {"G", "Z"})
            QVERIFY(FlagMeaning(code).endsWith(QStringLiteral("\".")));
        QVERIFY(FlagMeaning("C").contains(QStringLiteral("(affirmative or \"The significance")));
        // All 26 letters and the 4 substitutes have a text, and every text is distinct.
        QSet<QString> texts;
        for (char c = 'A'; c <= 'Z'; ++c)
            texts.insert(FlagMeaning(QString(QChar(c))));
        for (const char *c : {"!", "@", "#", "$"})
            texts.insert(FlagMeaning(c));
        QCOMPARE(texts.size(), 30);
        QVERIFY(!texts.contains(QString()));
    }

    void substitutes_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addRow("aa") << "aa"
                            << "a!";
        QTest::addRow("hello") << "hello"
                               << "hel#o";
        QTest::addRow("aaa") << "aaa"
                             << "a!@";
        QTest::addRow("abab") << "abab"
                              << "ab!@";
        QTest::addRow("banana") << "banana"
                                << "ban@#$";
        QTest::addRow("coffee") << "coffee"
                                << "cof#ee";
        QTest::addRow("aabbccdd") << "aabbccdd"
                                  << "a!b#ccdd";
        QTest::addRow("sea sea") << "sea sea"
                                 << "sea !@#";
        QTest::addRow("aa bb") << "aa bb"
                               << "a! b$";
        QTest::addRow("1000") << "1000"
                              << "10@#";
        QTest::addRow("12 21") << "12 21"
                               << "12 @!";
        QTest::addRow("a1a") << "a1a"
                             << "a1a";
        QTest::addRow("Aa") << "Aa"
                            << "Aa";
        QTest::addRow("chain locker") << "chain locker"
                                      << "chain lo!ker";
        QTest::addRow("empty") << ""
                               << "";
        QTest::addRow("one") << "a"
                             << "a";
        QTest::addRow("no repeat") << "abcdef"
                                   << "abcdef";
        QTest::addRow("NATO repeats kept") << "??"
                                           << "??";
        QTest::addRow("spaces kept") << "   "
                                     << "   ";
        QTest::addRow("NATO ends a run") << "a?a"
                                         << "a?a";
        QTest::addRow("typed substitutes") << "!!a!"
                                           << "!!a!";
        QTest::addRow("1st used up by input") << "!!aa"
                                              << "!!aa";
        QTest::addRow("Ranger keeps capital") << "Ranger"
                                              << "Ranger";
        QTest::addRow("ranger") << "ranger"
                                << "range!";
        QTest::addRow("beyond Latin-1")
            << QString::fromUtf8("\xC4\xB0\xC4\xB0") << QString::fromUtf8("\xC4\xB0\xC4\xB0");
    }
    void substitutes()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QCOMPARE(AddSubstitutes(input), output);
    }

    // Whatever the text, the length holds and no substitute is written twice.
    void substituteInvariants()
    {
        const QString alphabet = QStringLiteral("aab1 !?@#$Z");
        quint32 state = 12345;
        for (int round = 0; round < 3000; ++round) {
            QString text;
            const int length = round % 25;
            for (int i = 0; i < length; ++i) {
                state = state * 1664525u + 1013904223u;
                text.append(alphabet.at((state >> 16) % alphabet.size()));
            }
            const QString out = AddSubstitutes(text);
            QCOMPARE(out.size(), text.size());
            for (QChar sub : QStringLiteral("!@#$")) {
                if (!text.contains(sub))
                    QVERIFY2(out.count(sub) <= 1, qPrintable(text + " -> " + out));
            }
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (out.at(i) != text.at(i))
                    QVERIFY(QStringLiteral("!@#$").contains(out.at(i)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
