#include "app/controls.h"
#include "app/mode_switch.h"
#include "app/shared_state.h"
#include "app/windows.h"
#include "test_support.h"
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
    QPushButton *aboutButton() const { return form->findChild<QPushButton *>("AboutButton"); }
    Ids shownIds() const { return hoistPictureIds(form->Image1); }
    static Ids hoist(Ids ids)
    {
        while (ids.size() < 12)
            ids << 0;
        return ids;
    }
    // Pastes through the clipboard, as a user would put in what no key types.
    void paste(const QString &clip)
    {
        QGuiApplication::clipboard()->setText(clip);
        QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
    }
    void type(const QString &t)
    {
        if (t.toLatin1() == t.toUtf8() && !t.contains(QLatin1Char('\t')))
            QTest::keyClicks(text(), t);
        else
            paste(t);
    }

private Q_SLOTS:
    void init()
    {
        test::freshRun(5);
        form = &getWindow<DrawFlagsForm>();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        UnloadAllButAbout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!existingWindow<DrawFlagsForm>());
    }

    void startState()
    {
        QCOMPARE(form->size(), QSize(269, 498));
        QVERIFY(text()->hasFocus());
        QVERIFY(!insertList()->isVisible());
        QVERIFY(!label("AsteriskLabel")->isVisible());
        QVERIFY(!label("SpecialCharLabel")->isVisible());
        QCOMPARE(label("SpecialCharLabel")->caption(),
                 QStringLiteral("*Note: the NATO flags do not actually represent the punctuation and "
                                "special characters shown in the text box."));
        const QStringList expected{"Insert NATO:", "Corpen",      "Designation", "Division", "Emergency",
                                   "Flotilla",     "Formation",   "Interrogative", "Negative", "Port",
                                   "Preparative",  "Screen",      "Speed",       "Squadron", "Starboard",
                                   "Station",      "Subdivision", "Turn"};
        QStringList entries;
        for (int i = 0; i < insertList()->count(); ++i)
            entries << insertList()->itemText(i);
        QCOMPARE(entries, expected);
        QCOMPARE(insertList()->currentIndex(), 0);
        // Nothing is drawn before the text first changes.
        for (int i = 0; i < 12; ++i)
            QCOMPARE(form->findChild<ImageBox *>(QStringLiteral("Image1_%1").arg(i))->pictureId(), 0);
    }

    void drawnFlags_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("noSubs");
        QTest::addColumn<bool>("nato");
        QTest::addColumn<Ids>("ids");
        QTest::addColumn<bool>("note");
        QTest::addRow("hello, substitutes") << "hello" << false << false << Ids{104, 101, 108, 35, 111} << false;
        QTest::addRow("hello, none") << "hello" << true << false << Ids{104, 101, 108, 108, 111} << false;
        QTest::addRow("capitals chosen as lower case") << "HeLlO" << false << false << Ids{104, 101, 108, 35, 111}
                                                       << false;
        QTest::addRow("space is a gap and a place") << "ab ba" << false << false << Ids{97, 98, 0, 64, 33} << false;
        QTest::addRow("digits") << "112" << false << false << Ids{49, 33, 50} << false;
        QTest::addRow("NATO off: gap") << "a?" << false << false << Ids{97, 0} << false;
        QTest::addRow("NATO on: Preparative") << "a?" << false << true << Ids{97, 63} << true;
        QTest::addRow("no flag at all") << "}~." << false << true << Ids{} << false;
        QTest::addRow("above 255 and control") << QString::fromUtf8("a\u20ac\u212a\tb") << false << false
                                               << Ids{97, 0, 0, 0, 98} << false;
        QTest::addRow("twelve fill the hoist") << "abcdefghijkl" << true << false
                                     << Ids{97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108} << false;
    }
    void drawnFlags()
    {
        QFETCH(QString, typed);
        QFETCH(bool, noSubs);
        QFETCH(bool, nato);
        QFETCH(Ids, ids);
        QFETCH(bool, note);
        if (noSubs)
            QTest::mouseClick(box("NoSubsCk"), Qt::LeftButton);
        if (nato)
            QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        type(typed);
        QCOMPARE(shownIds(), hoist(ids));
        QCOMPARE(label("AsteriskLabel")->isVisible(), note);
        QCOMPARE(label("SpecialCharLabel")->isVisible(), note);
        // After drawing, the shared text holds what is shown.
        if (!noSubs)
            QCOMPARE(shared().ShowWordsText.size(), text()->text().size());
        // Clearing the text takes every flag down.
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_Delete);
        QCOMPARE(shownIds(), hoist({}));
    }

    void substituteToggle_data()
    {
        QTest::addColumn<bool>("byLabel");
        QTest::addRow("box") << false;
        QTest::addRow("label") << true;
    }
    void substituteToggle()
    {
        QFETCH(bool, byLabel);
        QWidget *target = byLabel ? static_cast<QWidget *>(label("NoSubsLabel")) : box("NoSubsCk");
        type(QStringLiteral("hello"));
        for (bool ticked : {true, false}) {
            // Focus elsewhere first: the click hands it back to the text box.
            aboutButton()->setFocus();
            QTest::mouseClick(target, Qt::LeftButton);
            QCOMPARE(box("NoSubsCk")->isChecked(), ticked);
            QCOMPARE(shownIds(), hoist(ticked ? Ids{104, 101, 108, 108, 111} : Ids{104, 101, 108, 35, 111}));
            QVERIFY(text()->hasFocus());
        }
    }

    void natoToggle()
    {
        type(QStringLiteral("?"));
        QCOMPARE(shownIds(), hoist({0}));
        QTest::mouseClick(label("UseNATOLabel"), Qt::LeftButton);
        QVERIFY(box("UseNATOFlagsCK")->isChecked());
        QVERIFY(insertList()->isVisible());
        QCOMPARE(shownIds(), hoist({63}));
        QVERIFY(label("AsteriskLabel")->isVisible());
        QVERIFY(label("SpecialCharLabel")->isVisible());
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        QVERIFY(!insertList()->isVisible());
        QCOMPARE(shownIds(), hoist({0}));
        QVERIFY(!label("AsteriskLabel")->isVisible());
        QVERIFY(!label("SpecialCharLabel")->isVisible());
    }

    void insertFromList()
    {
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        type(QStringLiteral("ab"));
        insertList()->setFocus();
        // An arrow key on the closed list opens it rather than inserting.
        QTest::keyClick(insertList(), Qt::Key_Down);
        QCOMPARE(text()->text(), QStringLiteral("ab"));
        QAbstractItemView *popup = insertList()->view();
        QVERIFY(popup->isVisible());
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(text()->text(), QStringLiteral("ab\\"));
        QCOMPARE(shownIds(), hoist({97, 98, 92}));
        QCOMPARE(insertList()->currentIndex(), 0);
        QCOMPARE(insertList()->currentText(), QStringLiteral("Insert NATO:"));
    }

    void typingStopsAtTwelve()
    {
        type(QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(text()->text(), QStringLiteral("abcdefghijkl"));
        // A paste in the middle keeps the tail and loses the end of the clip.
        text()->setText(QStringLiteral("abcdefghij"));
        text()->setCursorPosition(5);
        paste(QStringLiteral("XYZW"));
        QCOMPARE(text()->text(), QStringLiteral("abcdeXYfghij"));
        QCOMPARE(text()->cursorPosition(), 7);
    }

    void insertsGoPastTwelve()
    {
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        type(QStringLiteral("abcdefghijkl"));
        for (int i = 0; i < 2; ++i)
            insertList()->setListIndex(12);
        QCOMPARE(text()->text(), QStringLiteral("abcdefghijkl\\\\"));
        QCOMPARE(shownIds().count(0), 0);
        QVERIFY(!label("AsteriskLabel")->isVisible());
        // Typing cannot lengthen such a text, but deleting still works.
        text()->end(false);
        QTest::keyClick(text(), Qt::Key_A);
        QCOMPARE(text()->text().size(), 14);
        QTest::keyClick(text(), Qt::Key_Backspace);
        QCOMPARE(text()->text().size(), 13);
        paste(QStringLiteral("zz"));
        QCOMPARE(text()->text().size(), 13);
    }

    void keyboardOnly()
    {
        // Access keys tick the boxes' labels' buddies; tab order as laid down.
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        QPushButton *about = aboutButton();
        about->setFocus();
        const QList<QWidget *> order{form->modeCombo(), box("NoSubsCk"), insertList(), text(),
                                     box("UseNATOFlagsCK"), about};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(form, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), box("NoSubsCk"));
    }

    void keepsStateWhileHidden()
    {
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        type(QStringLiteral("a?a"));
        SwitchMode(0);
        QVERIFY(!form->isVisible());
        SwitchMode(2);
        QVERIFY(form->isVisible());
        QCOMPARE(text()->text(), QStringLiteral("a?a"));
        QCOMPARE(shownIds(), hoist({97, 63, 97}));
        QVERIFY(label("AsteriskLabel")->isVisible());
    }

    // Saves a picture of the window when VEXO_SCREENSHOTS names a folder.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("VEXO_SCREENSHOTS");
        if (dir.isEmpty())
            QSKIP("VEXO_SCREENSHOTS not set");
        shared().CurrentMode = 2;
        SwitchMode(2);
        QTest::mouseClick(box("UseNATOFlagsCK"), Qt::LeftButton);
        type(QStringLiteral("Vexo 1?"));
        QVERIFY(form->grab().save(dir + QStringLiteral("/show-flags.png")));
    }
};

QTEST_MAIN(DrawFlagsTest)
#include "tst_draw_flags.moc"
