#include "app/startup.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/cheat_form.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/windows.h"

#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace vexo;

class QuizFormTest : public QObject
{
    Q_OBJECT

    QuizForm *quiz = nullptr;

    template <class T>
    T *child(const char *name) const
    {
        T *found = quiz->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *answerBox() const { return child<QLineEdit>("AnswerBox"); }
    Label *label(const char *name) const { return child<Label>(name); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(name); }
    PickList *natoList() const { return child<PickList>("NonAlphaNum"); }

    void showFlag(const QString &code)
    {
        shared().CurrentQuizFlag = code;
        shared().CurrentShownAsNATONumber = 0;
    }
    void type(const QString &text) { QTest::keyClicks(answerBox(), text); }
    // Clicks the label beside a box, as a user toggling the category does.
    void clickLabel(const char *name) { QTest::mouseClick(label(name), Qt::LeftButton); }
    CategoryBoxes boxes() const { return quiz->categoryBoxes(); }

    // Bands of rows holding dark (text) pixels in a picture of the widget.
    static int textBands(QWidget *widget)
    {
        const QImage image = widget->grab().toImage();
        int bands = 0;
        bool inBand = false;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = qGray(image.pixel(x, y)) < 96;
            bands += ink && !inBand;
            inBand = ink;
        }
        return bands;
    }

private Q_SLOTS:
    void init()
    {
        test::freshRun(3);
        Main();
        seedRandom(3);
        quiz = &getWindow<QuizForm>();
        quiz->activateWindow();
        answerBox()->setFocus();
    }
    void cleanup() { test::closeWindows(); }

    void startState()
    {
        const SharedState &s = shared();
        QVERIFY(quiz->isVisible());
        QCOMPARE(quiz->windowTitle(), QStringLiteral("Vexo"));
        QCOMPARE(quiz->pos(), QPoint(142, 0));
        QCOMPARE(quiz->size(), QSize(269, 487));
        QVERIFY(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$").contains(s.CurrentQuizFlag));
        QCOMPARE(child<ImageBox>("CurrImage")->pictureId(), FlagPictureId(s.CurrentQuizFlag));
        QCOMPARE(
            label("InstructionLabel")->caption(),
            QStringLiteral(
                "For substitute flags, hold <Shift> and type the\rnumber:       1st sub  "
                "=  !      2nd sub  =  @\r                    3rd sub  =  #     4th sub  =  $"));
        QVERIFY(label("Percent")->caption().isEmpty());
        QVERIFY(label("Status")->caption().isEmpty());
        QVERIFY(!child<Frame>("PrevAnswerFrame")->borderShown());
        QVERIFY(child<Frame>("PrevAnswerFrame")->title().isEmpty());
        QVERIFY(!child<LineControl>("PrevLine")->isVisibleTo(quiz));
        QVERIFY(!natoList()->isVisibleTo(quiz));
        QVERIFY(!child<QPushButton>("Go")->isVisibleTo(quiz));
        QVERIFY(boxes().letters && boxes().numPennants && boxes().substitutes);
        QVERIFY(!boxes().natoSpecials && !boxes().numberFlags && !box("AllCheck")->isChecked());
        QCOMPARE(natoList()->count(), 18);
        QCOMPARE(natoList()->itemText(0), QStringLiteral("Choose NATO:"));
        QCOMPARE(natoList()->itemText(9), QStringLiteral("Port"));
        QCOMPARE(natoList()->itemText(17), QStringLiteral("Turn"));
        QCOMPARE(quiz->focusWidget(), answerBox());
    }

    void rightAnswerTyped()
    {
        showFlag("B");
        type("b");
        QCOMPARE(label("Status")->caption(), QStringLiteral("Correct!\rScore is 1 / 1"));
        QCOMPARE(label("Status")->text(), QStringLiteral("Correct!\nScore is 1 / 1"));
        // The carriage return breaks the line. (Scaled, the instruction's
        // tight lines touch: counted at one pixel a pixel.)
        QCOMPARE(textBands(label("Status")), 2);
        if (qFuzzyCompare(label("InstructionLabel")->devicePixelRatioF(), 1.0))
            QCOMPARE(textBands(label("InstructionLabel")), 3);
        QCOMPARE(label("Percent")->caption(), QStringLiteral("100%"));
        QCOMPARE(label("PrevAnswer")->caption(), QStringLiteral("Bravo"));
        QCOMPARE(label("Meaning")->caption(),
                 QStringLiteral("I am taking in, or discharging, or carrying dangerous goods."));
        QCOMPARE(child<ImageBox>("PrevImage")->pictureId(), 98);
        QVERIFY(child<Frame>("PrevAnswerFrame")->borderShown());
        QCOMPARE(child<Frame>("PrevAnswerFrame")->title(), QStringLiteral("Previous Answer"));
        QVERIFY(child<LineControl>("PrevLine")->isVisible());
        QCOMPARE(child<ImageBox>("PrevImage")->toolTip(), QStringLiteral("Previous flag"));
        QCOMPARE(label("PrevAnswer")->toolTip(),
                 QStringLiteral("Correct answer for previous flag"));
        QCOMPARE(label("Meaning")->toolTip(), QStringLiteral("Correct meaning for previous flag"));
        QVERIFY(answerBox()->text().isEmpty());
        QVERIFY(shared().CurrentQuizFlag != "B");
        QCOMPARE(child<ImageBox>("CurrImage")->pictureId(),
                 FlagPictureId(shared().CurrentQuizFlag));
        // No chart is built for an answer; one opened later shows the tallies.
        QVERIFY(!existingWindow<ScoreForm>());
        QTest::mouseClick(child<QPushButton>("ScoreButton"), Qt::LeftButton);
        QCOMPARE(getWindow<ScoreForm>().windowTitle(), QStringLiteral("Score 100%: 1 of 1"));
        // An open chart follows every answer.
        showFlag("C");
        type("c");
        QCOMPARE(getWindow<ScoreForm>().windowTitle(), QStringLiteral("Score 100%: 2 of 2"));
    }

    void wrongAnswersAndPercent()
    {
        showFlag("B");
        type("!");
        QCOMPARE(label("Status")->caption(),
                 QStringLiteral("WRONG.\rYour answer was \r1st Subst\rScore is 0 / 1"));
        QCOMPARE(label("Percent")->caption(), QStringLiteral("0%"));
        QCOMPARE(label("PrevAnswer")->caption(), QStringLiteral("Bravo"));
        showFlag("Q");
        type("q");
        showFlag("R");
        type("R");
        QCOMPARE(label("Percent")->caption(), QStringLiteral("66.6%"));
        QCOMPARE(shared().WrongTally['B'], 1);
        QCOMPARE(shared().RightTally['Q'], 1);
        QCOMPARE(shared().RightTally['R'], 1);
    }

    // Held keys and pasted text: one answer per character typed, a paste one answer.
    void repeatsAndPastes()
    {
        showFlag("A");
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(answerBox(), Qt::Key_X, Qt::NoModifier);
        QCOMPARE(shared().QuizAskedCount, 5);
        answerBox()->insert(QStringLiteral("hello"));
        QCOMPARE(shared().QuizAskedCount, 6);
        QVERIFY(label("Status")->caption().contains(QStringLiteral("\rHELLO\r")));
        answerBox()->insert(QString::fromUtf8("\xC3\xA9"));
        QVERIFY(label("Status")->caption().contains(QString::fromUtf8("\r\xC3\x89\r")));
        answerBox()->insert(QString::fromUtf8("\xF0\x9F\x9A\xA2"));
        QCOMPARE(shared().QuizAskedCount, 8);
        QVERIFY(answerBox()->text().isEmpty());
        type(" ");
        QCOMPARE(shared().QuizAskedCount, 9);
        QCOMPARE(shared().QuizRightCount, 0);
    }

    // Every change of the box is an answer: nothing the program cleared comes
    // back by undo or redo, to be judged against the next flag.
    void undoBringsNoAnswerBack()
    {
        showFlag("A");
        type("q");
        QCOMPARE(shared().QuizAskedCount, 1);
        QTest::keyClick(answerBox(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(answerBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(answerBox(), Qt::Key_Y, Qt::ControlModifier);
        const std::unique_ptr<QMenu> menu(answerBox()->createStandardContextMenu());
        int offered = 0;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Undo")) ||
                action->text().startsWith(QLatin1String("&Redo"))) {
                ++offered;
                QVERIFY(!action->isEnabled());
                action->trigger();
            }
        }
        QCOMPARE(offered, 2);
        QCOMPARE(shared().QuizAskedCount, 1);
        QVERIFY(answerBox()->text().isEmpty());
    }

    // Shift and the number, as the instruction says, on any keyboard: the
    // number row's key is read by its place, whatever it types with Shift.
    void substitutesOnAnyKeyboard_data()
    {
        QTest::addColumn<int>("numberKey"); // 0: not on the number row
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("flag");
        QTest::addRow("British Shift+3") << 3 << true << "\u00a3"
                                         << "#";
        QTest::addRow("German Shift+2") << 2 << true << "\""
                                        << "@";
        QTest::addRow("German Shift+3") << 3 << true << "\u00a7"
                                        << "#";
        QTest::addRow("Spanish Shift+3") << 3 << true << "\u00b7"
                                         << "#";
        QTest::addRow("US Shift+4") << 4 << true << "$"
                                    << "$";
        QTest::addRow("French digits need Shift") << 1 << true << "1"
                                                  << "1";
        QTest::addRow("French 1 without Shift") << 1 << false << "&"
                                                << "&";
        QTest::addRow("Shift+5 is no substitute") << 5 << true << "%"
                                                  << "%";
        QTest::addRow("@ typed directly") << 0 << true << "@"
                                          << "@";
    }
    void substitutesOnAnyKeyboard()
    {
        QFETCH(int, numberKey);
        QFETCH(bool, shift);
        QFETCH(QString, typed);
        QFETCH(QString, flag);
        clickLabel("NATOLabel"); // "&" and "%" are NATO flags
        showFlag(flag);
#ifdef Q_OS_WIN
        const quint32 scanCode = numberKey ? 1 + numberKey : 30;
#else
        const quint32 scanCode = numberKey ? 9 + numberKey : 38;
#endif
        const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, scanCode, 0, 0, typed);
        QCoreApplication::sendEvent(answerBox(), &press);
        QCOMPARE(shared().QuizAskedCount, 1);
        QCOMPARE(shared().QuizRightCount, 1);
    }

    void categoryBoxesSkipUnwantedFlag()
    {
        showFlag("M");
        clickLabel("LettersLabel");
        QVERIFY(!boxes().letters);
        QCOMPARE(FlagCategory(shared().CurrentQuizFlag) == CategoryLetter, false);
        QCOMPARE(shared().QuizAskedCount, 0);
        QCOMPARE(shared().RecentDepth, 6);
        QVERIFY(label("Status")->caption().isEmpty());
        // The box itself, clicked, does the same as its label.
        QTest::mouseClick(box("LettersCk"), Qt::LeftButton);
        QVERIFY(boxes().letters);
        QCOMPARE(shared().RecentDepth, 19);
    }

    void lastBoxCannotBeUnticked()
    {
        clickLabel("LettersLabel");
        clickLabel("PennantsLabel");
        QVERIFY(boxes().substitutes && !boxes().letters && !boxes().numPennants);
        QCOMPARE(shared().RecentDepth, 1);
        clickLabel("SubsLabel");
        QVERIFY(boxes().substitutes);
        QCOMPARE(shared().RecentDepth, 1);
        QVERIFY(label("InstructionLabel")->isVisible());
        QVERIFY(QStringLiteral("!@#$").contains(shared().CurrentQuizFlag));
    }

    void substitutesBoxHidesInstructions()
    {
        clickLabel("SubsLabel");
        QVERIFY(!label("InstructionLabel")->isVisible());
        clickLabel("SubsLabel");
        QVERIFY(label("InstructionLabel")->isVisible());
    }

    void allBox()
    {
        QTest::mouseClick(box("AllCheck"), Qt::LeftButton);
        QVERIFY(boxes().all());
        QVERIFY(box("AllCheck")->isChecked());
        QCOMPARE(shared().RecentDepth, 27);
        QVERIFY(natoList()->isVisible());
        QVERIFY(child<QPushButton>("Go")->isVisible());
        // The label cannot untick "All".
        clickLabel("AllLabel");
        QVERIFY(box("AllCheck")->isChecked());
        QVERIFY(boxes().all());
        // Unticking "All" returns to the start selection.
        QTest::mouseClick(box("AllCheck"), Qt::LeftButton);
        QVERIFY(!box("AllCheck")->isChecked());
        QVERIFY(boxes().letters && boxes().numPennants && boxes().substitutes);
        QVERIFY(!boxes().natoSpecials && !boxes().numberFlags);
        QCOMPARE(shared().RecentDepth, 19);
        QVERIFY(!natoList()->isVisible());
        // Ticking the fifth box by hand ticks "All"; unticking one unticks it.
        clickLabel("NATOLabel");
        QVERIFY(!box("AllCheck")->isChecked());
        clickLabel("NumeralLabel");
        QVERIFY(box("AllCheck")->isChecked());
        clickLabel("LettersLabel");
        QVERIFY(!box("AllCheck")->isChecked());
        QVERIFY(!boxes().letters && boxes().natoSpecials);
        // The "All" label ticks everything again.
        clickLabel("AllLabel");
        QVERIFY(boxes().all());
    }

    void natoOnlyAnswersFromList()
    {
        clickLabel("NATOLabel");
        clickLabel("LettersLabel");
        clickLabel("PennantsLabel");
        QCOMPARE(quiz->focusWidget(), answerBox());
        clickLabel("SubsLabel");
        QVERIFY(boxes().onlyNatoSpecials());
        QCOMPARE(quiz->focusWidget(), natoList());
        QCOMPARE(shared().RecentDepth, 7);
        QCOMPARE(FlagCategory(shared().CurrentQuizFlag), int(CategoryNatoSpecial));

        showFlag(">");
        natoList()->setCurrentIndex(natoList()->findText(QStringLiteral("Port")));
        QTest::keyClick(natoList(), Qt::Key_Return);
        QCOMPARE(label("Status")->caption(), QStringLiteral("Correct!\rScore is 1 / 1"));
        QCOMPARE(label("PrevAnswer")->caption(), QStringLiteral("Port"));
        QCOMPARE(natoList()->currentIndex(), 0);
        QCOMPARE(quiz->focusWidget(), natoList());
        // Enter on "Choose NATO:" and the button with it answer nothing.
        QTest::keyClick(natoList(), Qt::Key_Return);
        QTest::mouseClick(child<QPushButton>("Go"), Qt::LeftButton);
        QCOMPARE(shared().QuizAskedCount, 1);
        // The button answers like Enter does.
        showFlag("|");
        natoList()->setCurrentIndex(natoList()->findText(QStringLiteral("Speed")));
        QTest::mouseClick(child<QPushButton>("Go"), Qt::LeftButton);
        QCOMPARE(label("Status")->caption(),
                 QStringLiteral("WRONG.\rYour answer was \rSpeed\rScore is 1 / 2"));
        QCOMPARE(label("PrevAnswer")->caption(), QStringLiteral("Corpen"));
    }

    void natoFlagWithOtherCategoriesReturnsFocusToAnswerBox()
    {
        clickLabel("NATOLabel");
        showFlag("?");
        natoList()->setFocus();
        natoList()->setCurrentIndex(natoList()->findText(QStringLiteral("Preparative")));
        QTest::keyClick(natoList(), Qt::Key_Enter);
        QCOMPARE(shared().QuizRightCount, 1);
        QCOMPARE(quiz->focusWidget(), answerBox());
    }

    void digitPictureRule()
    {
        clickLabel("NumeralLabel");
        clickLabel("PennantsLabel");
        clickLabel("LettersLabel");
        clickLabel("SubsLabel");
        QVERIFY(boxes().numberFlags && !boxes().numPennants && !boxes().letters &&
                !boxes().substitutes);
        for (int turn = 0; turn < 30; ++turn) {
            const int id = child<ImageBox>("CurrImage")->pictureId();
            QVERIFY2(id >= 20 && id <= 29, qPrintable(QString::number(id)));
            const QString digit = shared().CurrentQuizFlag;
            type(digit);
            QCOMPARE(child<ImageBox>("PrevImage")->pictureId(), FlagPictureId(digit, true));
        }
        QCOMPARE(shared().QuizRightCount, 30);
        // Ticking the pennants back mixes both pictures of a digit.
        clickLabel("PennantsLabel");
        QSet<bool> seen;
        for (int turn = 0; turn < 60; ++turn) {
            const int id = child<ImageBox>("CurrImage")->pictureId();
            seen.insert(id < 48);
            type(QStringLiteral("x"));
        }
        QCOMPARE(seen.size(), 2);
    }

    // Unticking the pennants while a digit is shown as a pennant replaces it.
    void pennantShownThenUnticked()
    {
        clickLabel("NumeralLabel");
        showFlag("7");
        child<ImageBox>("CurrImage")->setPicture(55);
        clickLabel("PennantsLabel");
        QVERIFY(child<ImageBox>("CurrImage")->pictureId() != 55);
        if (FlagCategory(shared().CurrentQuizFlag) == CategoryNumeral)
            QVERIFY(child<ImageBox>("CurrImage")->pictureId() < 30);
        QCOMPARE(shared().QuizAskedCount, 0);
    }

    void recentRuleWithSubstitutesOnly()
    {
        clickLabel("LettersLabel");
        clickLabel("PennantsLabel");
        QStringList shown{shared().CurrentQuizFlag};
        for (int turn = 0; turn < 100; ++turn) {
            type(QStringLiteral("z"));
            shown.append(shared().CurrentQuizFlag);
        }
        for (qsizetype i = 2; i < shown.size(); ++i) {
            QVERIFY(QStringLiteral("!@#$").contains(shown[i]));
            QVERIFY(shown[i] != shown[i - 1] && shown[i] != shown[i - 2]);
        }
    }

    // With neither letters nor substitutes asked, the chart opens on its
    // second page.
    void statsOpenOnThePageAsked()
    {
        QTest::mouseClick(child<QPushButton>("ScoreButton"), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(getWindow<ScoreForm>(), "Option1_0")->isChecked());
        getWindow<ScoreForm>().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        clickLabel("NATOLabel");
        clickLabel("LettersLabel");
        clickLabel("SubsLabel");
        QTest::mouseClick(child<QPushButton>("ScoreButton"), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(getWindow<ScoreForm>(), "Option1_1")->isChecked());
    }
};

QTEST_MAIN(QuizFormTest)
#include "tst_quiz_form.moc"
