#include "app/application.h"

#include "catalogue/flag_pictures.h"
#include "meanings/meaning_form.h"
#include "quiz/quiz_form.h"
#include "ui/form.h"
#include "ui/twips.h"
#include "ui/web_page.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vexo {

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vexo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(VEXO_VERSION_MAJOR)
                                                .arg(VEXO_VERSION_MINOR)
                                                .arg(VEXO_VERSION_PATCH));
}

// The options QGuiApplication and QApplication take for themselves: those
// that take a value, then those that do not.
const char *const QtValueOptions[] = {"platform",
                                      "platformpluginpath",
                                      "platformtheme",
                                      "plugin",
                                      "qwindowgeometry",
                                      "qwindowicon",
                                      "qwindowtitle",
                                      "session",
                                      "display",
                                      "geometry",
                                      "name",
                                      "title",
                                      "visual",
                                      "ncols",
                                      "style",
                                      "stylesheet",
                                      "qmljsdebugger"};
const char *const QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Whether no display is named at all, so that the program has no graphical
// session to try: then one line says so, in place of Qt's lines on plugins.
bool s_noSessionToTry = false;
QtMessageHandler s_previousHandler = nullptr;
QList<HeldMessage> s_held;

void giveOut(const HeldMessage &message)
{
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        s_held.append({type, context.category, text});
        return;
    }
    // Qt would abort; the user is told why the window cannot open, and the
    // program ends with status 1.
    qInstallMessageHandler(s_previousHandler);
    if (s_noSessionToTry) {
        std::fputs("vexo: no graphical session to open a window in (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set): Vexo needs X11 or Wayland\n",
                   stderr);
    } else {
        for (const HeldMessage &message : std::exchange(s_held, {}))
            giveOut(message);
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    std::fflush(stderr);
    std::_Exit(1);
}

bool envSet(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

// No display named: DISPLAY, WAYLAND_DISPLAY and -display unset, and no
// platform asked for but X11's or Wayland's, which need one of them.
bool noSessionToTry(const QStringList &arguments)
{
    if (envSet("DISPLAY") || envSet("WAYLAND_DISPLAY"))
        return false;
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString option = arguments.at(i);
        if (option == QLatin1String("-platform") || option == QLatin1String("--platform"))
            platform = arguments.at(i + 1);
        else if (option == QLatin1String("-display") || option == QLatin1String("--display"))
            return false;
    }
    // Qt takes the first platform of a list that works; its options follow a colon.
    for (const QString &entry : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland")))
            return false;
    }
    return true;
}

// Tells the user who started the program: on the terminal, or, where
// Windows gives a program of its desktop none, in a message box, as Qt does
// for --help and --version.
void tellUser(const QString &text)
{
#ifdef Q_OS_WIN
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if (!GetConsoleWindow() && !(startup.dwFlags & STARTF_USESTDHANDLES)) {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Vexo",
                    MB_OK | MB_ICONERROR);
        return;
    }
#endif
    std::fputs(qPrintable(text), stderr);
}

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A drill program for the maritime signal flags: the flags of the International Code of "
        "Signals, the NATO special and numeral flags, their names and meanings.\n"
        "Qt's own options, such as -platform, -style and -reverse, are accepted too "
        "(--help-all lists them)."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    const auto addQtOption = [&parser](const char *name, const QString &valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char *name : QtValueOptions)
        addQtOption(name, QStringLiteral("value"));
    for (const char *name : QtFlagOptions)
        addQtOption(name, QString());
}

// The help with Qt's own options, which only a widget application lists:
// one is made on a platform that needs no display, where there is one.
[[noreturn]] void showHelpWithQtOptions(char *program)
{
#ifdef Q_OS_WIN
    int count = 1;
    char *arguments[] = {program, nullptr};
#else
    char platform[] = "-platform";
    char minimal[] = "minimal";
    int count = 3;
    char *arguments[] = {program, platform, minimal, nullptr};
#endif
    QApplication application(count, arguments);
    nameApplication();
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(
        QStringList{QCoreApplication::arguments().constFirst(), QStringLiteral("--help-all")});
    std::exit(0); // process() has shown the help and ended the program
}

} // namespace

int answerCommandLine(int argc, char *argv[])
{
    {
        // A plain application is enough to read the options and to print
        // help, and needs no display; the window's application comes after.
        QCoreApplication core(argc, argv);
        nameApplication();
        QCommandLineParser parser;
        addOptions(parser);
        const bool understood = parser.parse(core.arguments());
        if (!understood || !parser.isSet(QStringLiteral("help-all"))) {
            if (understood && parser.isSet(QStringLiteral("help")))
                parser.showHelp(0);
            if (understood && parser.isSet(QStringLiteral("version")))
                parser.showVersion();
            if (understood && parser.positionalArguments().isEmpty())
                return -1;
            const QString error =
                understood ? QStringLiteral("Vexo takes no file or other argument: %1")
                                 .arg(parser.positionalArguments().join(QLatin1Char(' ')))
                           : parser.errorText();
            tellUser(QStringLiteral("vexo: %1\nTry 'vexo --help' for the options.\n").arg(error));
            return 2;
        }
    }
    // Qt's options are listed by a widget application, which the plain one
    // must make way for.
    showHelpWithQtOptions(argv[0]);
}

DisplayCheck::DisplayCheck(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    s_noSessionToTry = noSessionToTry(arguments);
    s_previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(s_previousHandler);
    for (const HeldMessage &message : std::exchange(s_held, {}))
        giveOut(message);
}

void scaleToPage()
{
    // Every mode window across the page, the widest one's too; the flag
    // quiz's height, as it opens first.
    const QMargins frame = Form::decoration();
    const double widest = qMax(QuizForm::ClientWidthTwips, MeaningForm::ClientWidthTwips);
    const double scale =
        pageScaleFor(twipsToPixels(widest) + frame.left() + frame.right(),
                     twipsToPixels(QuizForm::ClientHeightTwips) + frame.top() + frame.bottom());
    if (scale != 1 && !qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 3));
}

void setUpApplication()
{
#ifdef Q_OS_WASM
    // Qt's web platform warns in the page's console of every list entry that
    // has no window of its own, once its screen-reader elements are made.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.accessibility.warning=false"));
#endif
    nameApplication();
    // The installed launcher entry is named after the application id.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.tobrin.Vexo"));
    QGuiApplication::setWindowIcon(SvgIcon(QStringLiteral(":/icons/vexo")));
#if defined(Q_OS_WIN) && defined(VEXO_RUNNING_MUTEX)
    // Held until the process ends: the installer and the uninstaller find a
    // running Vexo by it, and ask for it to be closed before touching its files.
    CreateMutexA(nullptr, FALSE, VEXO_RUNNING_MUTEX);
#endif
}

} // namespace vexo
