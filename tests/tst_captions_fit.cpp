// No caption of any window is ever cut off or printed over: every text a
// label can be given, laid out in the label's own font as the label draws
// it, fits the label and keeps clear of the others' text.

#include "app/mode_switch.h"
#include "app/startup.h"
#include "catalogue/flags.h"
#include "core/shared_state.h"
#include "meanings/meaning_form.h"
#include "meanings/race_meaning_form.h"
#include "quiz/question_engine.h"
#include "quiz/quiz_form.h"
#include "quiz/score_form.h"
#include "reference/about_form.h"
#include "reference/cheat_form.h"
#include "reference/cheat_mean_form.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/typing_limit_edit.h"
#include "words/word_list.h"
#include "words/word_quiz_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace vexo;

namespace {

// Where a label's text stands in its parent, laid out as the label draws it.
QRect textRect(const Label *label)
{
    QRect room = label->contentsRect().translated(label->pos());
    const QSize needed = label->captionSize(label->caption()).boundedTo(room.size());
    if (label->alignment() & Qt::AlignHCenter)
        room.setLeft(room.left() + (room.width() - needed.width()) / 2);
    return QRect(room.topLeft(), needed);
}

// Every label of the window whose caption does not fit, with what it needs,
// and every caption another prints over.
QString cutCaptions(const QWidget *window)
{
    QStringList cut;
    const QList<Label *> labels = window->findChildren<Label *>();
    for (const Label *label : labels) {
        const QSize needed = label->captionSize(label->caption());
        const QSize room = label->contentsRect().size();
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << QStringLiteral("%1 needs %2x%3, has %4x%5: %6")
                       .arg(label->objectName())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height())
                       .arg(QString(label->caption()).replace(QLatin1Char('\r'), QLatin1Char('|')));
        for (const Label *other : labels) {
            if (other <= label || other->parentWidget() != label->parentWidget() ||
                label->caption().isEmpty() || other->caption().isEmpty() ||
                !label->isVisibleTo(window) || !other->isVisibleTo(window))
                continue;
            if (textRect(label).intersects(textRect(other)))
                cut << QStringLiteral("%1 prints over %2")
                           .arg(other->objectName(), label->objectName());
        }
    }
    return cut.join(QLatin1Char('\n'));
}

// What a learner can type as one answer: every printable character of Latin-1.
QStringList typableCharacters()
{
    QStringList typed;
    for (char16_t c = 0x20; c <= 0xFF; ++c) {
        if (QChar(c).isPrint())
            typed << QString(QChar(c));
    }
    return typed;
}

// Ink of a text: the summed darkness of its pixels.
qint64 ink(const QFont &font, const QString &text)
{
    QImage image(200, 40, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPoint(2, 30), text);
    painter.end();
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            sum += 255 - row[x];
    }
    return sum;
}

} // namespace

class CaptionsFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
#ifdef Q_OS_WIN
        // Windows draws text with its own engine; the offscreen platform
        // there draws with FreeType instead, as no Windows user sees it. The
        // Windows build runs this test on the Windows platform too.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("offscreen on Windows measures FreeType's text, not Windows'");
#endif
    }

    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        test::freshRun(9);
        Main();
        for (int entry = 0; entry < ModeCount; ++entry)
            modeWindow(*modeAt(entry));
        getWindow<CheatForm>();
        getWindow<CheatMeanForm>();
        getWindow<ScoreForm>();
        aboutWindow();
        // The listing shows every category.
        QuizForm &quiz = getWindow<QuizForm>();
        control<QCheckBox>(quiz, "AllCheck")->setChecked(true);
    }

    void captionsAsBuilt()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const QString cut = cutCaptions(window);
            QVERIFY2(cut.isEmpty(), qPrintable(window->objectName() + ": " + cut));
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                // Push buttons wrap a caption too wide for one line onto two.
                const QString text = QString(button->text()).remove(QLatin1Char('&'));
                if (text.isEmpty())
                    continue;
                const int lines = qobject_cast<const QPushButton *>(button) ? 2 : 1;
                const QRect room(0, 0, button->width() - (lines == 2 ? 6 : 20), button->height());
                const QRect needed =
                    button->fontMetrics().boundingRect(room, Qt::TextWordWrap, text);
                QVERIFY2(
                    needed.width() <= room.width() && needed.height() <= room.height(),
                    qPrintable(window->objectName() + "/" + button->objectName() + ": " + text));
            }
            // A closed list shows its entry whole, the meaning quizzes' prompt
            // included.
            for (const PickList *list : window->findChildren<PickList *>()) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                option.rect = list->rect();
                const QRect field = list->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
                QVERIFY2(list->fontMetrics().horizontalAdvance(list->currentText()) <=
                             field.width(),
                         qPrintable(window->objectName() + "/" + list->objectName() + ": " +
                                    list->currentText()));
            }
        }
    }

    // Every answer the flag quiz can be given, at the largest score.
    void flagQuizAnswers()
    {
        QuizForm &quiz = getWindow<QuizForm>();
        SharedState &s = shared();
        for (const QString &typed : typableCharacters()) {
            s.QuizRightCount = CountLimit - 1;
            s.QuizAskedCount = CountLimit - 1;
            s.LastAnswer = typed.toUpper();
            NextQuestion(quiz);
            const QString cut = cutCaptions(&quiz);
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
    }

    // Every word the quiz can ask, answered right and with the widest text
    // the answer box takes.
    void wordQuizAnswers()
    {
        WordQuizForm &words = getWindow<WordQuizForm>();
        SharedState &s = shared();
        QStringList answers;
        for (const QString &c : typableCharacters())
            answers << c.repeated(WordQuizForm::TypingLimit);
        qsizetype next = 0;
        for (const QString &word : WordList()) {
            s.WordRightCount = CountLimit - 1;
            s.WordAskedCount = CountLimit - 1;
            s.CurrentWord = word;
            control<TypingLimitEdit>(words, "Answer")
                ->setProgramText(next % 2 ? word : answers.at(next / 2 % answers.size()));
            ++next;
            words.CheckWordAnswer();
            const QString cut = cutCaptions(&words);
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
    }

    // Every meaning chosen on both meaning quizzes, every flag answered.
    void meaningAnswers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addRow("flag meanings") << 3;
        QTest::addRow("race meanings") << 4;
    }
    void meaningAnswers()
    {
        QFETCH(int, mode);
        auto *window = static_cast<MeaningQuizWindow *>(modeWindow(*modeAt(mode)));
        SharedState &s = shared();
        const QString codes = mode == 3 ? QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                        : QStringLiteral("}BCILMNPSXYZ!");
        for (int position = 1; position < control<PickList>(*window, "Answer")->count();
             ++position) {
            for (QChar flag : codes) {
                qint32 &right = mode == 3 ? s.MeaningRightCount : s.RaceRightCount;
                qint32 &asked = mode == 3 ? s.MeaningAskedCount : s.RaceAskedCount;
                right = asked = CountLimit - 1;
                (mode == 3 ? s.MeaningFlag : s.RaceFlag) = QString(flag);
                control<PickList>(*window, "Answer")->setCurrentIndex(position);
                QTest::keyClick(control<PickList>(*window, "Answer"), Qt::Key_Return);
                const QString cut = cutCaptions(window);
                QVERIFY2(cut.isEmpty(), qPrintable(cut));
            }
        }
    }

    // The chart's scale marks at every scale the tallies allow.
    void scoreMarks()
    {
        ScoreForm &score = getWindow<ScoreForm>();
        SharedState &s = shared();
        for (qint32 total : {0, 9, 10, 100, 1000, 10000, CountLimit}) {
            s.RightTally['A'] = total;
            s.WrongTally['A'] = total;
            score.Redraw();
            const QString cut = cutCaptions(&score);
            QVERIFY2(cut.isEmpty(), qPrintable(QString::number(total) + ": " + cut));
        }
    }

    // Bold captions are visibly heavier than regular text of the same size.
    void boldIsBold()
    {
#ifdef Q_OS_WIN
        if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
            QSKIP("Wine's Tahoma Bold is no heavier than its regular face; Windows' is");
#endif
        const Label *percent = control<Label>(getWindow<QuizForm>(), "Percent");
        QFont regular = percent->font();
        regular.setBold(false);
        const QString text = QStringLiteral("Bold 50%");
        QVERIFY2(ink(percent->font(), text) > ink(regular, text) * 5 / 4,
                 qPrintable(QStringLiteral("bold %1, regular %2")
                                .arg(ink(percent->font(), text))
                                .arg(ink(regular, text))));
    }
};

QTEST_MAIN(CaptionsFitTest)
#include "tst_captions_fit.moc"
