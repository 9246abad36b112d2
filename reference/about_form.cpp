#include "reference/about_form.h"

#include "catalogue/flag_pictures.h"
#include "ui/appearance.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace vexo {

namespace {

const QString AppTitle = QStringLiteral("Vexo");
const QString AuthorAddress = QStringLiteral("vexo@tobrin.net");
const QString WebPage = QStringLiteral("www.tobrin.net/vexo");

} // namespace

std::function<bool(const QUrl &)> frmAbout::urlOpener = [](const QUrl &url) {
#if defined(Q_OS_WIN)
    // The shell opens the link in the user's mail program or browser, as
    // any program's link on Windows; a link nothing opens is ignored.
    const QString link = url.toString();
    const auto result = ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(link.utf16()),
                                      nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
#elif defined(Q_OS_LINUX)
    // The desktop's own opener, quietly: a link that nothing can open is
    // ignored, not reported on the terminal as Qt's own lookup would.
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({url.toString()});
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    return opener.startDetached();
#else
    return QDesktopServices::openUrl(url);
#endif
};

QString VersionLine()
{
    return QStringLiteral("Version ") + QString::number(VEXO_VERSION_MAJOR) + QLatin1Char('.') +
           QString::number(VEXO_VERSION_MINOR) + QLatin1Char('.') +
           QString::number(VEXO_VERSION_PATCH) + QStringLiteral(" May 2004");
}

frmAbout::frmAbout() : Form(QStringLiteral("frmAbout"), QString(), 5730, 3105)
{
    // A fixed dialog without minimise or maximise, kept out of the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto label = [this](const char *name, QRect rect) {
        auto *l = new Label(page());
        l->setObjectName(QLatin1String(name));
        l->setGeometry(rect);
        return l;
    };
    auto link = [this](const char *name, QRect rect) {
        auto *l = new LinkLabel(page());
        l->setObjectName(QLatin1String(name));
        l->setGeometry(rect);
        return l;
    };

    picIcon = new QLabel(page());
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(240, 240, 540, 540));
    picIcon->setPixmap(SvgIcon(QStringLiteral(":/icons/vexo")).pixmap(picIcon->size()));
    picIcon->setAccessibleName(QStringLiteral("Program icon"));
    lblTitle = label("lblTitle", twipsRect(1050, 120, 3885, 240));
    lblTitle->setFont(layoutFont(QStringLiteral("Tahoma"), 8, true));
    lblVersion = label("lblVersion", twipsRect(1050, 420, 3885, 225));
    lblDescription = label("lblDescription", twipsRect(1080, 765, 4005, 1050));
    emailMe = link("emailMe", twipsRect(2040, 1560, 1530, 255));
    emailMe->setCaption(AuthorAddress);
    emailMe->setAccessibleName(QStringLiteral("E-mail ") + AuthorAddress);
    LatestVersion = label("LatestVersion", twipsRect(1320, 1920, 3015, 255));
    LatestVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LatestVersion->setCaption(QStringLiteral("Get the latest version at"));
    webLink = link("webLink", twipsRect(960, 2160, 3735, 255));
    webLink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    webLink->setCaption(WebPage);
    webLink->setAccessibleName(QStringLiteral("Web page ") + WebPage);

    cmdOK = new QPushButton(QStringLiteral("OK"), page());
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(2160, 2640, 1335, 375));
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    cmdOK->setDefault(true);

    setTabOrder(cmdOK, emailMe);
    setTabOrder(emailMe, webLink);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(emailMe, &Label::clicked, this, &frmAbout::emailMe_Click);
    connect(webLink, &Label::clicked, this, &frmAbout::webLink_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + AppTitle);
    lblVersion->setCaption(VersionLine());
    lblTitle->setCaption(AppTitle);
    lblDescription->setCaption(QStringLiteral("A quiz on maritime signal flags.\r\r"
                                              "Bugs, questions or comments? Email Tobrin"));
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        cmdOK->click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::openLink(const QString &link)
{
    if (urlOpener)
        urlOpener(QUrl(link));
}

void frmAbout::emailMe_Click()
{
    openLink(QStringLiteral("mailto:") + emailMe->caption() + QStringLiteral("?SUBJECT=VEXO.EXE"));
}

void frmAbout::webLink_Click()
{
    openLink(QStringLiteral("http://") + webLink->caption());
}

frmAbout &aboutWindow()
{
    return getWindow<frmAbout>();
}

} // namespace vexo
