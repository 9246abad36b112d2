#include "ui/form.h"

#include "catalogue/flag_pictures.h"
#include "ui/appearance.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>

namespace vexo {

Form::Form(const QString &objectName, const QString &caption, double clientWidthTwips,
           double clientHeightTwips, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    // Fixed layouts: a window can be minimised and closed, never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(SvgIcon(QStringLiteral(":/icons/vexo")));
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    applyFormAppearance(this);
    setClientSizeTwips(clientWidthTwips, clientHeightTwips);
}

void Form::setClientSizeTwips(double width, double height)
{
    setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void Form::bringToFront()
{
    show();
    // Platforms without a window manager (offscreen) cannot stack windows.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
}

void Form::unload()
{
    if (!m_closing)
        close();
}

double Form::leftTwips() const
{
    return pixelsToTwips(pos().x());
}

double Form::topTwips() const
{
    return pixelsToTwips(pos().y());
}

void Form::moveTwips(double left, double top)
{
    move(twipsToPixels(left), twipsToPixels(top));
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    queryUnload();
    event->accept();
}

} // namespace vexo
