#include "app/application.h"

#include "catalogue/flag_pictures.h"

#include <QGuiApplication>

namespace vexo {

void setUpApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Vexo"));
    QGuiApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                               .arg(VEXO_VERSION_MAJOR)
                                               .arg(VEXO_VERSION_MINOR)
                                               .arg(VEXO_VERSION_PATCH));
    // The installed launcher entry is named after the application id.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.tobrin.Vexo"));
    QGuiApplication::setWindowIcon(SvgIcon(QStringLiteral(":/icons/vexo")));
}

} // namespace vexo
