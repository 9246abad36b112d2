#include "app/application.h"

#include "catalogue/flag_pictures.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

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
const char *const QtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                      "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                      "display", "geometry", "name", "title", "visual", "ncols",
                                      "style", "stylesheet", "qmljsdebugger"};
const char *const QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};

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

void setUpApplication()
{
    nameApplication();
    // The installed launcher entry is named after the application id.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.tobrin.Vexo"));
    QGuiApplication::setWindowIcon(SvgIcon(QStringLiteral(":/icons/vexo")));
}

} // namespace vexo
