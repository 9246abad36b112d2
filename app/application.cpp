#include "app/application.h"

#include "catalogue/flag_pictures.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

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

QString s_display;
QtMessageHandler s_previousHandler = nullptr;
QList<HeldMessage> s_held;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "vexo: cannot open a window on %s: Vexo needs a graphical session "
                     "(X11 or Wayland)\n",
                     qPrintable(s_display));
        std::fflush(stderr);
        std::_Exit(1);
    }
    s_held.append({type, context.category, text});
}

QString envText(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// Where a window would go, as the user would name it: "X11 display ":1"",
// "Wayland display "wayland-0"", or what is not set; from Qt's -platform and
// -display options, QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY.
QString describeDisplay(const QStringList &arguments)
{
    QString platform = envText("QT_QPA_PLATFORM");
    QString x11 = envText("DISPLAY");
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString option = arguments.at(i);
        if (option == QLatin1String("-platform") || option == QLatin1String("--platform"))
            platform = arguments.at(i + 1);
        else if (option == QLatin1String("-display") || option == QLatin1String("--display"))
            x11 = arguments.at(i + 1);
    }
    const QString wayland = envText("WAYLAND_DISPLAY");
    const QString waylandName = QStringLiteral("Wayland display \"%1\"")
                                    .arg(wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland);
    const QString x11Name = x11.isEmpty() ? QStringLiteral("X11 (DISPLAY is not set)")
                                          : QStringLiteral("X11 display \"%1\"").arg(x11);
    // Qt takes the first platform of a list that works; its options follow a colon.
    QStringList tried;
    for (const QString &entry : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb"))
            tried << x11Name;
        else if (name.startsWith(QLatin1String("wayland")))
            tried << waylandName;
        else
            tried << QStringLiteral("the \"%1\" platform").arg(name);
    }
    // Debian's Qt tries Wayland first where a compositor is named, then X11.
    if (tried.isEmpty()) {
        if (!wayland.isEmpty())
            tried << waylandName;
        tried << x11Name;
    }
    tried.removeDuplicates();
    return tried.join(QStringLiteral(" or "));
}

} // namespace

int answerCommandLine(int argc, char *argv[])
{
    // A plain application is enough to read the options and to print help,
    // and needs no display; the window's application comes after.
    QCoreApplication core(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A drill program for the maritime signal flags: the flags of the International Code of "
        "Signals, the NATO special and numeral flags, their names and meanings.\n"
        "Qt's own options, such as -platform, -style and -reverse, are accepted too."));
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
    const bool understood = parser.parse(core.arguments());
    if (understood && parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (understood && parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (understood && parser.positionalArguments().isEmpty())
        return -1;
    const QString error = understood ? QStringLiteral("Vexo takes no file or other argument: %1")
                                           .arg(parser.positionalArguments().join(QLatin1Char(' ')))
                                     : parser.errorText();
    std::fprintf(stderr, "vexo: %s\nTry 'vexo --help' for the options.\n", qPrintable(error));
    return 2;
}

DisplayCheck::DisplayCheck(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    s_display = describeDisplay(arguments);
    s_previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(s_previousHandler);
    for (const HeldMessage &message : std::exchange(s_held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

void setUpApplication()
{
    nameApplication();
    // The installed launcher entry is named after the application id.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.tobrin.Vexo"));
    QGuiApplication::setWindowIcon(SvgIcon(QStringLiteral(":/icons/vexo")));
}

} // namespace vexo
