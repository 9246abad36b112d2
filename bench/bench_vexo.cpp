// Timings of the program's interactions, beside the same interactions on a
// bare Qt window, so the ratio to Qt's own floor is visible.
//
//   vexo-bench                 interaction benchmarks (Google Benchmark flags apply)
//   vexo-bench --first-opens   one start, then the first opening of every other window,
//                              each built then
//   vexo-bench --profile-answers  300 flag-quiz answers, for callgrind's --toggle-collect
//
// Start-up to the first mapped window is measured from outside, on a real X
// display, by vexo-first-window (tools/bench.sh runs it).

#include "app/mode_switch.h"
#include "app/startup.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "quiz/quiz_form.h"
#include "reference/cheat_form.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/draw_flags_form.h"
#include "words/typing_limit_edit.h"
#include "words/word_quiz_form.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

using namespace vexo;

namespace {

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1
               ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
               : 0;
}

void settle()
{
    QCoreApplication::processEvents();
}

// A plain window with a text box, a check box and a label: Qt's floor.
struct BareWindow
{
    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    QCheckBox *box = new QCheckBox(QStringLiteral("Letters"), &window);
    QLabel *label = new QLabel(QStringLiteral("Which flag is this?"), &window);
    BareWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(label);
        layout->addWidget(edit);
        layout->addWidget(box);
        QObject::connect(edit, &QLineEdit::textChanged, label, [this](const QString &text) {
            if (!text.isEmpty()) {
                label->setText(QStringLiteral("Answer ") + text);
                edit->clear();
            }
        });
        window.show();
        settle();
    }
};

// Created on first use, destroyed by main() while the application still exists.
std::unique_ptr<BareWindow> bareWindow;

BareWindow &bare()
{
    if (!bareWindow)
        bareWindow = std::make_unique<BareWindow>();
    return *bareWindow;
}

void startProgram()
{
    static const bool started = [] {
        Main();
        seedRandom(1);
        settle();
        return true;
    }();
    Q_UNUSED(started);
}

// Shows the mode's window as the selector does, the program started once.
template <class W>
W &openMode(Mode mode)
{
    startProgram();
    shared().CurrentMode = mode;
    SwitchMode(mode);
    return getWindow<W>();
}

// Times `act` with its repaint; `prepare` runs untimed before each.
template <class Prepare, class Act>
void measure(benchmark::State &state, Prepare prepare, Act act)
{
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        act();
        settle();
    }
}

template <class Act>
void measure(benchmark::State &state, Act act)
{
    for (auto _ : state) {
        act();
        settle();
    }
}

void BM_FlagQuizAnswer(benchmark::State &state)
{
    QuizForm &quiz = openMode<QuizForm>(Mode::FlagQuiz);
    measure(state, [&] { QTest::keyClick(control<QLineEdit>(quiz, "AnswerBox"), Qt::Key_X); });
}
BENCHMARK(BM_FlagQuizAnswer)->Unit(benchmark::kMicrosecond);

void BM_CategoryToggle(benchmark::State &state)
{
    QuizForm &quiz = openMode<QuizForm>(Mode::FlagQuiz);
    // The worst case: the listing is open and is rebuilt and redrawn.
    getWindow<CheatForm>().show();
    measure(state,
            [&] { QTest::mouseClick(control<QCheckBox>(quiz, "NATOFlags"), Qt::LeftButton); });
}
BENCHMARK(BM_CategoryToggle)->Unit(benchmark::kMicrosecond);

void BM_ShowFlagsKeystroke(benchmark::State &state)
{
    DrawFlagsForm &draw = openMode<DrawFlagsForm>(Mode::ShowFlags);
    control<QLineEdit>(draw, "Text1")->setText(QStringLiteral("signal"));
    bool typeLetter = true;
    measure(state, [&] {
        QTest::keyClick(control<QLineEdit>(draw, "Text1"),
                        typeLetter ? Qt::Key_S : Qt::Key_Backspace);
        typeLetter = !typeLetter;
    });
}
BENCHMARK(BM_ShowFlagsKeystroke)->Unit(benchmark::kMicrosecond);

void BM_WordQuizAnswer(benchmark::State &state)
{
    WordQuizForm &words = openMode<WordQuizForm>(Mode::WordQuiz);
    measure(
        state, [&] { control<QLineEdit>(words, "Answer")->setText(QStringLiteral("knot")); },
        [&] { QTest::keyClick(control<QLineEdit>(words, "Answer"), Qt::Key_Return); });
}
BENCHMARK(BM_WordQuizAnswer)->Unit(benchmark::kMicrosecond);

void BM_MeaningsAnswer(benchmark::State &state)
{
    MeaningForm &meanings = openMode<MeaningForm>(Mode::FlagMeanings);
    measure(
        state, [&] { control<QComboBox>(meanings, "Answer")->setCurrentIndex(5); },
        [&] { QTest::keyClick(control<QComboBox>(meanings, "Answer"), Qt::Key_Return); });
}
BENCHMARK(BM_MeaningsAnswer)->Unit(benchmark::kMicrosecond);

void BM_BareKeystroke(benchmark::State &state)
{
    BareWindow &window = bare();
    for (auto _ : state) {
        QTest::keyClick(window.edit, Qt::Key_X);
        settle();
    }
}
BENCHMARK(BM_BareKeystroke)->Unit(benchmark::kMicrosecond);

void BM_BareToggle(benchmark::State &state)
{
    BareWindow &window = bare();
    for (auto _ : state) {
        QTest::mouseClick(window.box, Qt::LeftButton);
        settle();
    }
}
BENCHMARK(BM_BareToggle)->Unit(benchmark::kMicrosecond);

// A run of flag-quiz answers on its own, for a profiler to collect.
__attribute__((noinline)) void profiledFlagAnswers(int count)
{
    QuizForm &quiz = getWindow<QuizForm>();
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(control<QLineEdit>(quiz, "AnswerBox"), Qt::Key_X);
        settle();
    }
}

// The one-off cost of building each window the first time it is opened.
int firstOpens()
{
    QElapsedTimer timer;
    timer.start();
    Main();
    settle();
    std::printf("start-up in process: %.2f ms\n", double(timer.nsecsElapsed()) / 1e6);
    const auto time = [&](const char *what, auto open) {
        timer.restart();
        open();
        settle();
        std::printf("first %-22s %.2f ms\n", what, double(timer.nsecsElapsed()) / 1e6);
    };
    time("flags listing:", [] { getWindow<CheatForm>().show(); });
    const char *names[ModeCount] = {
        "", "word quiz:", "Show Flags:", "flag meanings quiz:", "race meanings quiz:"};
    for (int entry = 1; entry < ModeCount; ++entry) {
        time(names[entry], [entry] {
            shared().CurrentMode = *modeAt(entry);
            SwitchMode(*modeAt(entry));
        });
    }
    std::printf("resident memory with every window built: %.1f MB\n", residentMegabytes());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--first-opens") == 0)
            return firstOpens();
        if (std::strcmp(argv[i], "--profile-answers") == 0) {
            startProgram();
            profiledFlagAnswers(300);
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bareWindow.reset();
    return 0;
}
