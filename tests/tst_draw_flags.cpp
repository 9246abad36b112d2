#include "app/mode_switch.h"
#include "core/shared_state.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/draw_flags_form.h"
#include "words/typing_limit_edit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

using namespace vexo;

using Ids = QList<int>;

class DrawFlagsTest : public QObject
{
    Q_OBJECT

    DrawFlagsForm *form = nullptr;

    TypingLimitEdit *text() const { return form->findChild<TypingLimitEdit *>("Text1"); }
    QCheckBox *box(const char *name) const { return form->findChild<QCheckBox *>(name); }
    Label *label(const char *name) const { return form->findChild<Label *>(name); }
    PickList *insertList() const { return form->findChild<PickList *>("SpecialFlags"); }
    bool noteShown() const
    {
        return label("AsteriskLabel")->isVisible() && label("SpecialCharLabel")->isVisible();
    }
    // The twelve boxes' picture ids, 0 for a gap.
    Ids shown() const { return test::hoistIds(*form); }
    static Ids hoist(Ids ids) { return ids << Ids(12 - ids.size(), 0); }
    // Text no key types goes in through the clipboard, as a user's paste.
    void paste(const QString &clip)
    {
        QGuiApplication::clipboard()->setText(clip);
        QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
    }

private Q_SLOTS:
    void init()
    {
        test::freshRun(5);
        form = test::openWindow<DrawFlagsForm>();
    }
    void cleanup() { test::closeWindows(); }

    void drawnFlags_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("noSubs");
        QTest::addColumn<bool>("nato");
        QTest::addColumn<Ids>("ids");
        QTest::addRow("hello") << "hello" << false << false << Ids{104, 101, 108, 35, 111};
        QTest::addRow("hello, no substitutes")
            << "hello" << true << false << Ids{104, 101, 108, 108, 111};
        QTest::addRow("capitals as lower case")
            << "HeLlO" << false << false << Ids{104, 101, 108, 35, 111};
        QTest::addRow("space: a gap and a place")
            << "ab ba" << false << false << Ids{97, 98, 0, 64, 33};
        QTest::addRow("digits") << "112" << false << false << Ids{49, 33, 50};
        QTest::addRow("NATO off") << "a?" << false << false << Ids{97, 0};
        QTest::addRow("NATO on") << "a?" << false << true << Ids{97, 63};
        QTest::addRow("no flags") << "}~." << false << true << Ids{};
        // The Kelvin sign lower-cases to "k" but is no flag.
        QTest::addRow("above 255, tab")
            << QString::fromUtf8("a\u20ac\u212a\tb") << false << false << Ids{97, 0, 0, 0, 98};
        const QString ship = QString::fromUtf8("\xF0\x9F\x9A\xA2");
        QTest::addRow("an emoji is one place")
            << "a" + ship + "b" << false << false << Ids{97, 0, 98};
        QTest::addRow("a letter with its accent is one place")
            << QString::fromUtf8("e\xCC\x81") + "a" << false << false << Ids{0, 97};
        QTest::addRow("twelve") << "abcdefghijkl" << true << false
                                << Ids{97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108};
    }
    void drawnFlags()
    {
        QFETCH(QString, typed);
        QFETCH(bool, noSubs);
        QFETCH(bool, nato);
        QFETCH(Ids, ids);
        if (noSubs)
            QTest::mouseClick(box("NoSubsCk"), Qt::LeftButton);
        if (nato)
            QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        paste(typed);
        QCOMPARE(shown(), hoist(ids));
        QCOMPARE(noteShown(), ids.contains(63));
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_Delete);
        QCOMPARE(shown(), hoist({}));
    }

    void substituteToggle_data()
    {
        QTest::addColumn<QString>("by");
        QTest::addRow("box") << "box";
        QTest::addRow("label") << "label";
        QTest::addRow("access key") << "key";
    }
    void substituteToggle()
    {
        QFETCH(QString, by);
        QWidget *target =
            by == "label" ? static_cast<QWidget *>(label("NoSubsLabel")) : box("NoSubsCk");
        QTest::keyClicks(text(), "hello");
        for (bool ticked : {true, false}) {
            form->findChild<QPushButton *>("AboutButton")->setFocus();
            // The access key clicks the label, as the mouse does.
            if (by == "key")
                QTest::keyClick(form, Qt::Key_S, Qt::AltModifier);
            else
                QTest::mouseClick(target, Qt::LeftButton);
            QCOMPARE(box("NoSubsCk")->isChecked(), ticked);
            QCOMPARE(shown(),
                     hoist(ticked ? Ids{104, 101, 108, 108, 111} : Ids{104, 101, 108, 35, 111}));
            QVERIFY(text()->hasFocus());
        }
    }

    void natoToggle()
    {
        QTest::keyClicks(text(), "?");
        QVERIFY(!insertList()->isVisible());
        QTest::mouseClick(label("UseNATOLabel"), Qt::LeftButton);
        QVERIFY(box("UseNATOFlagsCK")->isChecked());
        QVERIFY(insertList()->isVisible());
        QCOMPARE(shown(), hoist({63}));
        QVERIFY(noteShown());
        QCOMPARE(label("SpecialCharLabel")->caption(),
                 "*Note: the NATO flags do not actually represent the punctuation and special "
                 "characters "
                 "shown in the text box.");
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        QVERIFY(!insertList()->isVisible());
        QCOMPARE(shown(), hoist({0}));
        QVERIFY(!label("AsteriskLabel")->isVisible() && !label("SpecialCharLabel")->isVisible());
    }

    void insertFromList()
    {
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        QCOMPARE(insertList()->count(), 18);
        QCOMPARE(insertList()->itemText(12), QStringLiteral("Speed"));
        QTest::keyClicks(text(), "ab");
        insertList()->setFocus();
        // An arrow key on the closed list opens it, a step on, rather than inserting.
        QTest::keyClick(insertList(), Qt::Key_Down);
        QCOMPARE(text()->text(), QStringLiteral("ab"));
        QAbstractItemView *popup = insertList()->view();
        QVERIFY(popup->isVisible());
        for (int i = 1; i < 12; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(text()->text(), QStringLiteral("ab\\"));
        QCOMPARE(shown(), hoist({97, 98, 92}));
        QCOMPARE(insertList()->currentText(), QStringLiteral("Insert NATO:"));
    }

    void typingLimit()
    {
        QTest::keyClicks(text(), "abcdefghijklmnop");
        QCOMPARE(text()->text(), QStringLiteral("abcdefghijkl"));
        // A paste in the middle keeps the tail and loses the end of the clip.
        text()->setText(QStringLiteral("abcdefghij"));
        text()->setCursorPosition(5);
        paste(QStringLiteral("XYZW"));
        QCOMPARE(text()->text(), QStringLiteral("abcdeXYfghij"));
        QCOMPARE(text()->cursorPosition(), 7);

        // Inserts go past twelve; no more than twelve flags show, and typing
        // cannot lengthen such a text while deleting still works.
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        insertList()->setListIndex(12);
        insertList()->setListIndex(12);
        QCOMPARE(text()->text(), QStringLiteral("abcdeXYfghij\\\\"));
        QCOMPARE(shown().count(0), 0);
        QVERIFY(!noteShown());
        text()->end(false);
        QTest::keyClick(text(), Qt::Key_A);
        QCOMPARE(text()->text().size(), 14);
        QTest::keyClick(text(), Qt::Key_Backspace);
        paste(QStringLiteral("zz"));
        QCOMPARE(text()->text().size(), 13);
        // Only the list makes it longer: a paste over all of it keeps twelve.
        text()->selectAll();
        paste(text()->text() + QStringLiteral("pq"));
        QCOMPARE(text()->text(), QStringLiteral("abcdeXYfghij"));

        // Characters are counted as the user sees them: an emoji is one.
        text()->clear();
        const QString ship = QString::fromUtf8("\xF0\x9F\x9A\xA2");
        paste(ship.repeated(13));
        QCOMPARE(text()->text(), ship.repeated(12));
    }
};

QTEST_MAIN(DrawFlagsTest)
#include "tst_draw_flags.moc"
