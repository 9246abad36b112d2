// Pictures of every window in use, for the README and the AppStream metadata.
//   vexo-screenshots <folder>
// Each window is taken from the screen as it is drawn there, window manager's
// frame included, after a few answers have been given; tools/screenshots.sh
// runs it on a private X display.

#include "app/mode_switch.h"
#include "app/startup.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/race_meaning_form.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/about_form.h"
#include "reference/cheat_form.h"
#include "reference/cheat_mean_form.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/draw_flags_form.h"
#include "words/typing_limit_edit.h"
#include "words/word_quiz_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

using namespace vexo;

namespace {

QString folder;

bool save(QWidget &window, const char *name)
{
    window.raise();
    window.activateWindow();
    // The window manager frames and draws it a moment after it is active.
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "%s did not become active\n", qPrintable(window.objectName()));
    QTest::qWait(300);
    const QRect frame = window.frameGeometry();
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    const bool saved = !shot.isNull() && shot.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Gives the shown quiz `count` answers, every third one wrong.
void answerFlags(QuizForm &quiz, int count)
{
    for (int i = 0; i < count; ++i) {
        const QString flag = shared().CurrentQuizFlag;
        QTest::keyClicks(control<QLineEdit>(quiz, "AnswerBox"),
                         i % 3 == 2 ? QStringLiteral("x") : flag);
    }
}

void pickAnswer(PickList *list, int entry)
{
    list->setCurrentIndex(entry);
    QTest::keyClick(list, Qt::Key_Return);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexo-screenshots <folder>\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    folder = QString::fromLocal8Bit(argv[1]);
    holdNextSeed(2004);
    Main();
    bool ok = true;

    QuizForm &quiz = getWindow<QuizForm>();
    answerFlags(quiz, 40);
    ok &= save(quiz, "flag-quiz.png");
    QTest::mouseClick(control<QPushButton>(quiz, "ScoreButton"), Qt::LeftButton);
    ok &= save(getWindow<ScoreForm>(), "score-chart.png");
    QTest::mouseClick(control<QCheckBox>(quiz, "NumberFlags"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(quiz, "CheatButton"), Qt::LeftButton);
    ok &= save(getWindow<CheatForm>(), "flags-listing.png");
    QTest::mouseClick(control<QCheckBox>(quiz, "NumberFlags"), Qt::LeftButton);

    shared().CurrentMode = Mode::WordQuiz;
    SwitchMode(Mode::WordQuiz);
    WordQuizForm &words = getWindow<WordQuizForm>();
    QTest::keyClicks(control<QLineEdit>(words, "Answer"), shared().CurrentWord);
    QTest::keyClick(control<QLineEdit>(words, "Answer"), Qt::Key_Return);
    QTest::keyClicks(control<QLineEdit>(words, "Answer"), QStringLiteral("rope"));
    QTest::keyClick(control<QLineEdit>(words, "Answer"), Qt::Key_Return);
    ok &= save(words, "word-quiz.png");

    shared().CurrentMode = Mode::ShowFlags;
    SwitchMode(Mode::ShowFlags);
    DrawFlagsForm &draw = getWindow<DrawFlagsForm>();
    QTest::mouseClick(control<Label>(draw, "UseNATOLabel"), Qt::LeftButton);
    QTest::keyClicks(control<QLineEdit>(draw, "Text1"), QStringLiteral("Vexo 1?"));
    ok &= save(draw, "show-flags.png");

    shared().CurrentMode = Mode::FlagMeanings;
    SwitchMode(Mode::FlagMeanings);
    MeaningForm &meanings = getWindow<MeaningForm>();
    pickAnswer(control<PickList>(meanings, "Answer"), 9);
    pickAnswer(control<PickList>(meanings, "Answer"), 4);
    ok &= save(meanings, "flag-meanings.png");

    shared().CurrentMode = Mode::RaceMeanings;
    SwitchMode(Mode::RaceMeanings);
    raceMeaningForm &race = getWindow<raceMeaningForm>();
    pickAnswer(control<PickList>(race, "Answer"), 8);
    ok &= save(race, "race-meanings.png");

    getWindow<CheatMeanForm>().show();
    ok &= save(getWindow<CheatMeanForm>(), "meanings-help.png");
    aboutWindow().show();
    ok &= save(aboutWindow(), "about.png");
    return ok ? 0 : 1;
}
