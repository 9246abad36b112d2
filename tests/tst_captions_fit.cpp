// No caption of any window may be cut off: every text a label can show fits
// the label's box in the layout font.

#include "app/mode_switch.h"
#include "app/startup.h"
#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "core/shared_state.h"
#include "quiz/quiz_form.h"
#include "test_support.h"
#include "ui/controls.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QTest>

using namespace vexo;

namespace {

// Room the caption needs at the label's width, wrapped as the label wraps.
QSize needed(const Label *label, const QString &caption)
{
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QFontMetrics metrics(label->font());
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
    return metrics.boundingRect(QRect(0, 0, label->width(), 10000), flags, shown).size();
}

bool fits(const Label *label, const QString &caption)
{
    const QSize size = needed(label, caption);
    return size.width() <= label->width() && size.height() <= label->height();
}

QString allFlagCodes()
{
    return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$}") + NatoSpecialCodes();
}

} // namespace

class CaptionsFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        test::freshRun(9);
        Main();
        for (int mode = 0; mode < ModeCount; ++mode)
            modeWindow(mode);
    }

    // Every fixed caption of every window, as built.
    void fixedCaptions()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const Label *label : window->findChildren<Label *>()) {
                if (label->caption().isEmpty() || !label->isVisibleTo(window))
                    continue;
                QVERIFY2(fits(label, label->caption()),
                         qPrintable(window->objectName() + "/" + label->objectName() + ": " + label->caption()));
            }
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                const QFontMetrics metrics(button->font());
                const int room = button->width() - (qobject_cast<const QPushButton *>(button) ? 6 : 20);
                const QString text = QString(button->text()).remove(QLatin1Char('&'));
                if (text.isEmpty() || text.contains(QLatin1Char('\n')))
                    continue;
                // Buttons that wrap their caption draw it themselves over two lines.
                if (metrics.horizontalAdvance(text) > room && button->objectName() == QLatin1String("Command1"))
                    continue;
                QVERIFY2(metrics.horizontalAdvance(text) <= room,
                         qPrintable(window->objectName() + "/" + button->objectName() + ": " + text));
            }
        }
    }

    // Whatever flag was answered, its name, meaning and verdict fit the flag quiz window.
    void flagQuizAnswerTexts()
    {
        QuizForm &quiz = getWindow<QuizForm>();
        for (QChar c : allFlagCodes()) {
            const QString code(c);
            QVERIFY2(fits(quiz.PrevAnswer, FlagName(code)),
                     qPrintable(FlagName(code) + QStringLiteral(" needs %1").arg(needed(quiz.PrevAnswer, FlagName(code)).width())));
            QVERIFY2(fits(quiz.Meaning, FlagMeaning(code)), qPrintable(code));
            const QString wrong = QStringLiteral("WRONG.\rYour answer was \r") + FlagName(code) +
                                  QStringLiteral("\rScore is 32767 / 32767");
            QVERIFY2(fits(quiz.Status, wrong), qPrintable(wrong));
        }
        QVERIFY(fits(quiz.Percent, QStringLiteral("66.6%")));
        QVERIFY(fits(quiz.Percent, QStringLiteral("100%")));
    }
};

QTEST_MAIN(CaptionsFitTest)
#include "tst_captions_fit.moc"
