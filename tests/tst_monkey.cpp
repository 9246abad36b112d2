// A seeded random walk of user events over every window, checking the
// program's invariants after each one.

#include "app/mode_switch.h"
#include "app/startup.h"
#include "catalogue/flags.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/meaning_window.h"
#include "meanings/race_meaning_form.h"
#include "quiz/question_engine.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/about_form.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/mode_window.h"
#include "ui/windows.h"
#include "words/draw_flags_form.h"
#include "words/typing_limit_edit.h"
#include "words/word_list.h"
#include "words/word_quiz_form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <random>

using namespace vexo;

namespace {

// A button or box reached by its access key is clicked a moment later, by a
// timer: wait for it, so that a walk replays.
void waitForAnimatedClicks()
{
    const auto pressed = [] {
        for (QWidget *w : QApplication::allWidgets()) {
            if (auto *button = qobject_cast<QAbstractButton *>(w); button && button->isDown())
                return true;
        }
        return false;
    };
    for (int i = 0; i < 100 && pressed(); ++i)
        QTest::qWait(10);
}

struct Counts
{
    qint64 quizAsked = 0, quizRight = 0, wordAsked = 0, wordRight = 0;
    qint64 meaningAsked = 0, meaningRight = 0, raceAsked = 0, raceRight = 0;

    static Counts now()
    {
        const SharedState &s = shared();
        return {s.QuizAskedCount,    s.QuizRightCount,    s.WordAskedCount, s.WordRightCount,
                s.MeaningAskedCount, s.MeaningRightCount, s.RaceAskedCount, s.RaceRightCount};
    }
};

class Monkey
{
public:
    explicit Monkey(quint64 seed) : m_random(seed) {}

    int events = 0;
    int restarts = 0;
    Counts total; // over every run of the program in this walk
    QString lastEvent;

    void start()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        flush();
        test::freshRun(m_random());
        holdNextSeed(m_random());
        Main();
        flush();
        m_before = Counts::now();
        m_lastQuizFlag = shared().CurrentQuizFlag;
        m_lastMeaningFlag = shared().MeaningFlag;
        m_lastRaceFlag = shared().RaceFlag;
        m_lastWord = shared().CurrentWord;
    }

    // One user event, then every check. Returns false with a message on failure.
    QString step()
    {
        ++events;
        m_narrowestDepth = shared().RecentDepth;
        act();
        noteDepth();
        flush();
        if (!existingWindow<QuizForm>()) {
            // The user closed a mode window: the program ended. Start it again.
            for (QWidget *w : QApplication::topLevelWidgets())
                w->close();
            flush();
            ++restarts;
            addToTotal();
            start();
            return QString();
        }
        return check();
    }

    void addToTotal()
    {
        total.quizAsked += m_before.quizAsked;
        total.wordAsked += m_before.wordAsked;
        total.meaningAsked += m_before.meaningAsked;
        total.raceAsked += m_before.raceAsked;
    }

private:
    std::mt19937_64 m_random;
    // The narrowest recent-flags window seen during the event: typed text
    // may tick and untick boxes several times, and each draw obeys the
    // window of its own moment.
    int m_narrowestDepth = 0;

    void noteDepth() { m_narrowestDepth = qMin(m_narrowestDepth, shared().RecentDepth); }
    Counts m_before;
    QString m_lastQuizFlag, m_lastMeaningFlag, m_lastRaceFlag, m_lastWord;

    int below(int n) { return int(m_random() % quint64(n)); }
    bool chance(int inThousand) { return below(1000) < inThousand; }

    static void flush()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static ModeWindow *shownModeWindow()
    {
        for (int entry = 0; entry < ModeCount; ++entry) {
            ModeWindow *w = modeWindow(*modeAt(entry));
            if (w->isVisible())
                return w;
        }
        return nullptr;
    }

    QString randomText()
    {
        static const QStringList pieces{QStringLiteral("a"),
                                        QStringLiteral("Z"),
                                        QStringLiteral("7"),
                                        QStringLiteral("!"),
                                        QStringLiteral("@"),
                                        QStringLiteral("#"),
                                        QStringLiteral("$"),
                                        QStringLiteral("?"),
                                        QStringLiteral("|"),
                                        QStringLiteral("\\"),
                                        QStringLiteral(" "),
                                        QStringLiteral("}"),
                                        QString::fromUtf8("\xC3\xA9"),
                                        QString::fromUtf8("\xC4\xB0"),
                                        QString::fromUtf8("\xE2\x84\xAA"),
                                        QString::fromUtf8("\xF0\x9F\x9A\xA2"),
                                        QString::fromUtf8("\xE6\x97\x97"),
                                        QStringLiteral("\t"),
                                        QStringLiteral("hello"),
                                        QStringLiteral("beam reach"),
                                        QStringLiteral("knot"),
                                        QString(QChar(0x7F)),
                                        QString(QChar(1)),
                                        QString(QChar(0xD800))};
        QString text;
        const int parts = 1 + below(4);
        for (int i = 0; i < parts; ++i)
            text += pieces.at(below(int(pieces.size())));
        return text;
    }

    // Typing as a keyboard or an input method does: one key event per
    // character, carrying its text, whatever the character.
    void typeText(QWidget *target, const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString piece = text.mid(i, length);
            i += length - 1;
            const QChar ch = piece.at(0);
            const int key =
                ch.unicode() < 128 ? int(QChar(ch).toUpper().unicode()) : int(Qt::Key_unknown);
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key), piece, Qt::NoModifier);
            noteDepth();
        }
    }

    void pressKey(QWidget *target)
    {
        static const Qt::Key keys[] = {
            Qt::Key_Return,  Qt::Key_Enter,     Qt::Key_Escape,   Qt::Key_Tab,
            Qt::Key_Backtab, Qt::Key_Up,        Qt::Key_Down,     Qt::Key_Left,
            Qt::Key_Right,   Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Space,
            Qt::Key_Home,    Qt::Key_End,       Qt::Key_PageDown, Qt::Key_F4};
        const int pick = below(100);
        if (pick < 16) {
            QTest::keyClick(target, keys[pick]);
        } else if (pick < 18) {
            // Access keys with Alt.
            static const char letters[] = "ABFHLMNPS";
            QTest::keyClick(target, letters[below(9)], Qt::AltModifier);
            waitForAnimatedClicks();
        } else {
            typeText(target, randomText());
        }
        lastEvent = QStringLiteral("key on ") + target->objectName();
    }

    void paste(QLineEdit *edit)
    {
        QGuiApplication::clipboard()->setText(randomText() + randomText() + randomText());
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        lastEvent = QStringLiteral("paste into ") + edit->objectName();
    }

    void pickFromList(PickList *list)
    {
        if (list->count() == 0)
            return;
        list->showPopup();
        QAbstractItemView *view = list->view();
        view->setCurrentIndex(view->model()->index(below(list->count()), 0));
        QTest::keyClick(view, below(2) ? Qt::Key_Return : Qt::Key_Escape);
        lastEvent = QStringLiteral("pick in ") + list->objectName();
    }

    // What a learner mostly does in each mode: answer.
    void answer(ModeWindow *current)
    {
        if (auto *quiz = qobject_cast<QuizForm *>(current)) {
            const QString flag = shared().CurrentQuizFlag;
            if (chance(400) && control<PickList>(*quiz, "NonAlphaNum")->isVisible()) {
                pickFromList(control<PickList>(*quiz, "NonAlphaNum"));
                QTest::keyClick(control<PickList>(*quiz, "NonAlphaNum"), Qt::Key_Return);
            } else {
                typeText(control<QLineEdit>(*quiz, "AnswerBox"),
                         chance(500) ? flag.toLower() : randomText().left(1));
            }
            lastEvent = QStringLiteral("answer on the flag quiz");
        } else if (auto *words = qobject_cast<WordQuizForm *>(current)) {
            control<TypingLimitEdit>(*words, "Answer")->setFocus();
            typeText(control<TypingLimitEdit>(*words, "Answer"),
                     chance(500) ? shared().CurrentWord : randomText());
            QTest::keyClick(control<TypingLimitEdit>(*words, "Answer"), Qt::Key_Return);
            lastEvent = QStringLiteral("answer on the word quiz");
        } else if (auto *meanings = qobject_cast<MeaningQuizWindow *>(current)) {
            pickFromList(control<PickList>(*meanings, "Answer"));
            QTest::keyClick(control<PickList>(*meanings, "Answer"), Qt::Key_Return);
            lastEvent = QStringLiteral("answer on ") + current->objectName();
        } else {
            pressKey(current->focusWidget() ? current->focusWidget() : current);
        }
    }

    QList<QWidget *> clickables(QWidget *window)
    {
        QList<QWidget *> found;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<Label *>(w) ||
                qobject_cast<QLineEdit *>(w) || qobject_cast<PickList *>(w))
                found << w;
        }
        return found;
    }

    QList<Form *> openWindows()
    {
        QList<Form *> forms;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *f = qobject_cast<Form *>(w); f && f->isVisible() && !f->isClosing())
                forms << f;
        }
        // Qt keeps top-level windows in a hashed set; order them for a replayable walk.
        std::sort(forms.begin(), forms.end(),
                  [](const Form *a, const Form *b) { return a->objectName() < b->objectName(); });
        return forms;
    }

    void act()
    {
        ModeWindow *current = shownModeWindow();
        QList<Form *> windows = openWindows();
        // Mostly the mode window, sometimes a listing, the chart or About.
        QWidget *window = current;
        if (windows.size() > 1 && chance(250))
            window = windows.at(below(int(windows.size())));
        if (!window)
            return;

        const int kind = below(100);
        if (kind == 0 && chance(40)) {
            lastEvent = QStringLiteral("close ") + window->objectName();
            window->close();
            return;
        }
        if (kind < 4 && window != current) {
            lastEvent = QStringLiteral("close ") + window->objectName();
            window->close();
            return;
        }
        if (kind < 30 && window == current)
            return answer(current);
        if (kind < 60) {
            QWidget *target = window->focusWidget() ? window->focusWidget() : window;
            if (auto *edit = qobject_cast<QLineEdit *>(target); edit && kind < 36)
                paste(edit);
            else
                pressKey(target);
            return;
        }
        const QList<QWidget *> targets = clickables(window);
        if (targets.isEmpty())
            return;
        QWidget *target = targets.at(below(int(targets.size())));
        if (auto *list = qobject_cast<PickList *>(target))
            return pickFromList(list);
        lastEvent = QStringLiteral("click ") + target->objectName() + QStringLiteral(" on ") +
                    window->objectName();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    QString check()
    {
        const SharedState &s = shared();
        const QString where = QStringLiteral(" after event %1 (%2)").arg(events).arg(lastEvent);

        // Exactly one mode window visible, and it is CurrentMode's.
        int visibleModes = 0;
        for (int entry = 0; entry < ModeCount; ++entry)
            visibleModes += modeWindow(*modeAt(entry))->isVisible() ? 1 : 0;
        if (visibleModes != 1)
            return QStringLiteral("%1 mode windows visible").arg(visibleModes) + where;
        if (!modeWindow(s.CurrentMode)->isVisible())
            return QStringLiteral("CurrentMode %1 is not the window shown")
                       .arg(entryOf(s.CurrentMode)) +
                   where;

        // No window exists twice.
        QHash<QString, int> names;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form *>(w) && ++names[w->objectName()] > 1)
                return QStringLiteral("two windows named ") + w->objectName() + where;
        }

        // Categories and the recent-flags window.
        QuizForm &quiz = getWindow<QuizForm>();
        const CategoryBoxes boxes = quiz.categoryBoxes();
        if (boxes.none())
            return QStringLiteral("no category ticked") + where;
        if (s.RecentDepth != RecentDepthFor(boxes))
            return QStringLiteral("RecentDepth %1 for boxes giving %2")
                       .arg(s.RecentDepth)
                       .arg(RecentDepthFor(boxes)) +
                   where;
        if (control<QCheckBox>(quiz, "AllCheck")->isChecked() != boxes.all())
            return QStringLiteral("All box disagrees with the categories") + where;
        if (!CategoryEnabled(s.CurrentQuizFlag, boxes))
            return QStringLiteral("flag %1 of an unticked category").arg(s.CurrentQuizFlag) + where;
        if (s.CurrentQuizFlag != m_lastQuizFlag) {
            const int depth = m_narrowestDepth;
            for (int i = 0; i <= depth; ++i) {
                if (s.RecentCodes[i] == s.CurrentQuizFlag)
                    return QStringLiteral("flag %1 is among the recent flags %2 (depth %3)")
                               .arg(s.CurrentQuizFlag,
                                    QStringList(s.RecentCodes.begin(), s.RecentCodes.end())
                                        .join(QLatin1Char(',')))
                               .arg(depth) +
                           where;
            }
            m_lastQuizFlag = s.CurrentQuizFlag;
        }
        if (s.MeaningFlag != m_lastMeaningFlag) {
            for (int i = 0; i <= 10; ++i) {
                if (s.RecentMeaningFlags[i] == s.MeaningFlag)
                    return QStringLiteral("meaning flag %1 asked again too soon")
                               .arg(s.MeaningFlag) +
                           where;
            }
            m_lastMeaningFlag = s.MeaningFlag;
        }
        if (s.RaceFlag != m_lastRaceFlag) {
            for (int i = 0; i <= 10; ++i) {
                if (s.RecentRaceFlags[i] == s.RaceFlag)
                    return QStringLiteral("race flag %1 asked again too soon").arg(s.RaceFlag) +
                           where;
            }
            m_lastRaceFlag = s.RaceFlag;
        }
        if (s.CurrentWord != m_lastWord) {
            if (s.CurrentWord.size() > 11 || WordRejectCode(s.CurrentWord) != 0 ||
                s.PreviousWord != m_lastWord)
                return QStringLiteral("word %1 should not be asked").arg(s.CurrentWord) + where;
            m_lastWord = s.CurrentWord;
        }

        // Counts never go down, and right never exceeds asked.
        const Counts now = Counts::now();
        const std::pair<qint64, qint64> pairs[] = {
            {now.quizAsked, m_before.quizAsked},       {now.quizRight, m_before.quizRight},
            {now.wordAsked, m_before.wordAsked},       {now.wordRight, m_before.wordRight},
            {now.meaningAsked, m_before.meaningAsked}, {now.meaningRight, m_before.meaningRight},
            {now.raceAsked, m_before.raceAsked},       {now.raceRight, m_before.raceRight}};
        for (const auto &[after, before] : pairs) {
            if (after < before)
                return QStringLiteral("a count went down") + where;
        }
        if (now.quizRight > now.quizAsked || now.wordRight > now.wordAsked ||
            now.meaningRight > now.meaningAsked || now.raceRight > now.raceAsked)
            return QStringLiteral("more right than asked") + where;
        m_before = now;

        // The percentage labels agree with the counts.
        auto percent = [](qint64 right, qint64 asked) {
            return PercentText(CutPercent(right, asked)) + QLatin1Char('%');
        };
        const std::tuple<QWidget *, qint64, qint64> quizzes[] = {
            {&quiz, now.quizRight, now.quizAsked},
            {&getWindow<WordQuizForm>(), now.wordRight, now.wordAsked},
            {&getWindow<MeaningForm>(), now.meaningRight, now.meaningAsked},
            {&getWindow<raceMeaningForm>(), now.raceRight, now.raceAsked}};
        for (const auto &[window, right, asked] : quizzes) {
            const QString shown = control<Label>(*window, "Percent")->caption();
            if (asked > 0 && shown != percent(right, asked))
                return window->objectName() + QStringLiteral(" shows ") + shown + where;
        }
        if (ScoreForm *score = existingWindow<ScoreForm>()) {
            const QString title = QStringLiteral("Score %1%: %2 of %3")
                                      .arg(PercentText(CutPercent(now.quizRight, now.quizAsked)))
                                      .arg(now.quizRight)
                                      .arg(now.quizAsked);
            if (now.quizAsked > 0 && score->windowTitle() != title)
                return QStringLiteral("score chart titled ") + score->windowTitle() + where;
        }
        return QString();
    }
};

// A learner who never touches the mouse, or touches it only to switch modes:
// every key goes to the window that is active, as a keyboard's does, and
// after each step the walk checks that the key landed where the learner meant.
class KeyboardLearner
{
public:
    explicit KeyboardLearner(quint64 seed) : m_random(seed) {}

    QString lastStep;

    void start()
    {
        test::freshRun(m_random());
        holdNextSeed(m_random());
        Main();
        settle();
    }

    QString step()
    {
        ModeWindow *drill = ModeWindow::current();
        if (QApplication::activeWindow() != drill)
            return QStringLiteral("the drill's window is not active before ") + lastStep;
        if (QApplication::focusWidget() != drill->answerControl())
            return QStringLiteral("the focus is not on the answer before ") + lastStep;
        const int kind = below(100);
        if (kind < 40)
            return answer(drill);
        if (kind < 55)
            return switchMode(drill, below(2) == 0);
        if (kind < 80)
            return openAside(drill);
        return accessKey(drill);
    }

private:
    std::mt19937_64 m_random;
    QList<QPointer<QWidget>> m_activated; // windows in the order they were last active

    int below(int n) { return int(m_random() % quint64(n)); }

    // The window manager's part: a window shown is activated, and when the
    // active window goes, the one active before it is activated again.
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (QWidget *active = QApplication::activeWindow()) {
            m_activated.removeAll(active);
            m_activated << active;
            return;
        }
        while (!m_activated.isEmpty()) {
            QWidget *previous = m_activated.takeLast();
            if (previous && previous->isVisible()) {
                previous->activateWindow();
                QCoreApplication::processEvents();
                m_activated << previous;
                return;
            }
        }
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWindow *target = QGuiApplication::focusWindow();
        if (!target && QApplication::activeWindow())
            target = QApplication::activeWindow()->windowHandle();
        if (target)
            QTest::keyClick(target, key, modifiers);
        if (modifiers & Qt::AltModifier)
            waitForAnimatedClicks();
        settle();
    }

    void type(const QString &text)
    {
        for (QChar c : text) {
            QWindow *target = QGuiApplication::focusWindow();
            const Qt::Key k =
                c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, target, k, QString(c), Qt::NoModifier);
            settle();
        }
    }

    static int asked(const SharedState &s, Mode mode)
    {
        const qint32 counts[] = {s.QuizAskedCount, s.WordAskedCount, 0, s.MeaningAskedCount,
                                 s.RaceAskedCount};
        return counts[entryOf(mode)];
    }

    // Opens the focused list, moves `steps` entries down and presses Enter once.
    void pickWithEnter(int steps)
    {
        key(Qt::Key_Down, Qt::AltModifier);
        for (int i = 0; i < steps; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Return);
    }

    QString answer(ModeWindow *drill)
    {
        const SharedState &s = shared();
        const Mode mode = drill->mode();
        const int before = asked(s, mode);
        lastStep = QStringLiteral("answering on ") + drill->objectName();
        if (mode == Mode::ShowFlags) {
            type(QStringLiteral("a"));
            const QString text = qobject_cast<QLineEdit *>(drill->answerControl())->text();
            return text.endsWith(QLatin1Char('a')) || text.size() >= 12
                       ? QString()
                       : QStringLiteral("nothing typed ") + lastStep;
        }
        if (qobject_cast<PickList *>(drill->answerControl())) {
            pickWithEnter(1 + below(4));
        } else if (mode == Mode::FlagQuiz) {
            type(below(2) ? s.CurrentQuizFlag.toLower() : QStringLiteral("x"));
        } else {
            type(below(2) ? s.CurrentWord : QStringLiteral("no"));
            key(Qt::Key_Return);
        }
        return asked(s, mode) == before + 1
                   ? QString()
                   : QStringLiteral("the answer was not counted once ") + lastStep;
    }

    QString switchMode(ModeWindow *drill, bool withMouse)
    {
        const int target = (entryOf(drill->mode()) + 1 + below(ModeCount - 1)) % ModeCount;
        PickList *combo = drill->modeCombo();
        lastStep = QStringLiteral("switching to mode %1 with the %2")
                       .arg(target)
                       .arg(withMouse ? "mouse" : "keyboard");
        if (withMouse) {
            QTest::mouseClick(combo, Qt::LeftButton);
            settle();
            QAbstractItemView *view = combo->view();
            const QRect item = view->visualRect(view->model()->index(target, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        } else {
            // Shift+Tab from the answer reaches the selector in a few steps.
            for (int i = 0; i < 12 && QApplication::focusWidget() != combo; ++i)
                key(Qt::Key_Backtab);
            if (QApplication::focusWidget() != combo)
                return QStringLiteral("Shift+Tab never reached the mode selector on ") +
                       drill->objectName();
            key(Qt::Key_Down, Qt::AltModifier);
            key(Qt::Key_Home);
            for (int i = 0; i < target; ++i)
                key(Qt::Key_Down);
            key(Qt::Key_Return);
        }
        settle();
        ModeWindow *shown = ModeWindow::current();
        if (shared().CurrentMode != *modeAt(target) || !shown->isVisible())
            return QStringLiteral("mode %1 is not shown after ").arg(target) + lastStep;
        if (QApplication::focusWidget() != shown->answerControl())
            return QStringLiteral("the focus is on %1 after ")
                       .arg(QApplication::focusWidget()->objectName()) +
                   lastStep;
        return QString();
    }

    QString openAside(ModeWindow *drill)
    {
        // The buttons of each mode window, by their access keys (Stats has
        // none) or reached with Tab and pressed with Enter or Space.
        QList<std::pair<QString, Qt::Key>> buttons{{QStringLiteral("AboutButton"), Qt::Key_A}};
        const Mode mode = drill->mode();
        if (mode == Mode::FlagQuiz)
            buttons = {{QStringLiteral("AboutButton"), Qt::Key_B},
                       {QStringLiteral("ScoreButton"), Qt::Key_unknown}};
        if (mode != Mode::ShowFlags)
            buttons << std::pair{QStringLiteral("CheatButton"), Qt::Key_H};
        if (mode == Mode::FlagMeanings || mode == Mode::RaceMeanings)
            buttons << std::pair{QStringLiteral("Command1"), Qt::Key_M};
        const auto [name, accessKey] = buttons.at(below(int(buttons.size())));
        lastStep = QStringLiteral("opening ") + name + QStringLiteral(" of ") + drill->objectName();
        if (accessKey != Qt::Key_unknown && below(2)) {
            key(accessKey, Qt::AltModifier);
        } else {
            auto *button = drill->findChild<QPushButton *>(name);
            for (int i = 0; i < 20 && QApplication::focusWidget() != button; ++i)
                key(Qt::Key_Tab);
            key(below(2) ? Qt::Key_Return : Qt::Key_Space);
        }
        QPointer<QWidget> aside = QApplication::activeWindow();
        if (!aside || aside == drill)
            return QStringLiteral("nothing opened after ") + lastStep;
        const bool about = aside->objectName() == QLatin1String("frmAbout");
        if (about || below(2)) {
            lastStep += QStringLiteral(", then closing it");
            key(about && below(2) ? Qt::Key_Return : Qt::Key_Escape);
            return aside && aside->isVisible()
                       ? QStringLiteral("the window stayed open after ") + lastStep
                       : QString();
        }
        // The learner keeps it open beside the drill and answers on: the
        // flag's code, a word, or a meaning picked by its first letter.
        lastStep += QStringLiteral(", then answering beside it");
        const int before = asked(shared(), mode);
        type(mode == Mode::FlagQuiz ? shared().CurrentQuizFlag.toLower() : QStringLiteral("i"));
        if (mode != Mode::FlagQuiz && mode != Mode::ShowFlags)
            key(Qt::Key_Return);
        return mode == Mode::ShowFlags || asked(shared(), mode) == before + 1
                   ? QString()
                   : QStringLiteral("the answer was lost after ") + lastStep;
    }

    QString accessKey(ModeWindow *drill)
    {
        auto *quiz = qobject_cast<QuizForm *>(drill);
        auto *show = qobject_cast<DrawFlagsForm *>(drill);
        if (!quiz && !show)
            return openAside(drill);
        QList<std::tuple<Qt::Key, QCheckBox *, QCheckBox *>> labels; // key, box toggled, focus
        if (quiz) {
            // The box of each caption takes the focus from its access key.
            const auto box = [quiz](const char *name) { return control<QCheckBox>(*quiz, name); };
            for (const auto &[key, name] : {std::pair{Qt::Key_A, "AllCheck"},
                                            {Qt::Key_L, "LettersCk"},
                                            {Qt::Key_P, "NumPennantsCk"},
                                            {Qt::Key_S, "SubsCk"},
                                            {Qt::Key_N, "NATOFlags"},
                                            {Qt::Key_F, "NumberFlags"}})
                labels.append({key, box(name), box(name)});
        } else {
            labels = {{Qt::Key_S, control<QCheckBox>(*show, "NoSubsCk"), nullptr},
                      {Qt::Key_N, control<QCheckBox>(*show, "UseNATOFlagsCK"),
                       control<QCheckBox>(*show, "UseNATOFlagsCK")}};
        }
        // "All" ticked is the case a box's own access key gets wrong: try it often.
        const bool tryAll = quiz && control<QCheckBox>(*quiz, "AllCheck")->isChecked() && below(2);
        const auto [accessKey, box, focus] = labels.at(tryAll ? 0 : below(int(labels.size())));
        lastStep = QStringLiteral("Alt+%1 on ").arg(QChar(accessKey)) + drill->objectName();
        bool expected = !box->isChecked();
        if (quiz && box == control<QCheckBox>(*quiz, "AllCheck"))
            expected = true; // the label ticks "All" and never unticks it
        else if (quiz && !expected &&
                 quiz->categoryBoxes() == CategoryBoxes{box->objectName() == "LettersCk",
                                                        box->objectName() == "NumPennantsCk",
                                                        box->objectName() == "SubsCk",
                                                        box->objectName() == "NATOFlags",
                                                        box->objectName() == "NumberFlags"})
            expected = true; // the last category stays ticked
        key(accessKey, Qt::AltModifier);
        if (box->isChecked() != expected)
            return QStringLiteral("the box is %1 after ")
                       .arg(box->isChecked() ? "ticked" : "clear") +
                   lastStep;
        QWidget *wanted = focus ? static_cast<QWidget *>(focus) : drill->answerControl();
        if (quiz && quiz->categoryBoxes().onlyNatoSpecials())
            wanted = control<PickList>(*quiz, "NonAlphaNum");
        if (QApplication::focusWidget() != wanted)
            return QStringLiteral("the focus is on %1 after ")
                       .arg(QApplication::focusWidget()->objectName()) +
                   lastStep;
        // Back to answering, as the learner would: Shift+Tab returns to the answer.
        drill->focusAnswer();
        return QString();
    }
};

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The offscreen platform reports every raise and keyboard grab of a popup.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
        QApplication::setQuitOnLastWindowClosed(false);
        // Typed searches in lists and double clicks depend on the clock; with no
        // interval the walk replays the same for the same seed.
        QApplication::setKeyboardInputInterval(0);
        QApplication::setDoubleClickInterval(0);
        // Links must not start a browser or mail program during the walk.
        frmAbout::urlOpener = [](const QUrl &) { return false; };
    }

    void randomWalk_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("events");
        QTest::addRow("seed 1") << quint64(1) << 8000;
        QTest::addRow("seed 2") << quint64(2) << 8000;
        QTest::addRow("seed 3") << quint64(3) << 8000;
    }
    void randomWalk()
    {
        QFETCH(quint64, seed);
        QFETCH(int, events);
        Monkey monkey(seed);
        monkey.start();
        for (int i = 0; i < events; ++i) {
            const QString failure = monkey.step();
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure));
        }
        monkey.addToTotal();
        qInfo("%d events, %d restarts; answers: flag quiz %lld, word quiz %lld, meanings %lld, "
              "race %lld",
              monkey.events, monkey.restarts, monkey.total.quizAsked, monkey.total.wordAsked,
              monkey.total.meaningAsked, monkey.total.raceAsked);
        // A walk that stopped reaching a quiz would pass without testing it.
        constexpr qint64 AtLeast = 50;
        QVERIFY(monkey.total.quizAsked >= AtLeast && monkey.total.wordAsked >= AtLeast);
        QVERIFY(monkey.total.meaningAsked >= AtLeast && monkey.total.raceAsked >= AtLeast);
    }

    void keyboardWalk_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addRow("seed 1") << quint64(1);
        QTest::addRow("seed 2") << quint64(2);
    }
    void keyboardWalk()
    {
        QFETCH(quint64, seed);
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        KeyboardLearner learner(seed);
        learner.start();
        for (int i = 0; i < 300; ++i) {
            const QString failure = learner.step();
            if (!failure.isEmpty())
                QFAIL(qPrintable(QStringLiteral("step %1: ").arg(i) + failure));
        }
    }

    void cleanupTestCase()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
