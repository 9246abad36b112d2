#pragma once

#include "ui/controls.h"
#include "ui/form.h"

#include <functional>

class QPushButton;
class QUrl;

namespace vexo {

// The About window: title, version, description and two contact links.
class frmAbout : public Form
{
    Q_OBJECT
public:
    frmAbout();
    void Form_Load();

    // Hands a link to the user's programs; tests put a recorder in its place.
    // What it returns is not looked at: a link nothing can open is ignored.
    static std::function<bool(const QUrl &)> urlOpener;

private:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    QLabel *picIcon;
    Label *lblTitle;
    Label *lblVersion;
    Label *lblDescription;
    LinkLabel *emailMe;
    Label *LatestVersion;
    LinkLabel *webLink;
    QPushButton *cmdOK;

protected:
    // Enter and Escape press OK wherever the focus is, a focused link aside.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void emailMe_Click();
    void webLink_Click();
    void openLink(const QString &link);
};

// The version line: "Version 1.3.6 May 2004" for version 1.3.6.
QString VersionLine();

// The About window, created if it is not open.
frmAbout &aboutWindow();

} // namespace vexo
