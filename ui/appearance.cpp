#include "ui/appearance.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#ifdef VEXO_EMBEDDED_FONTS
static void initFontResources()
{
    Q_INIT_RESOURCE(fonts);
}
#endif

namespace vexo {

void ensureFonts()
{
    static const bool done = [] {
#ifdef VEXO_EMBEDDED_FONTS
        initFontResources();
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahoma.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahomabd.ttf"));
#endif
        return true;
    }();
    Q_UNUSED(done);
}

QFont layoutFont(const QString &family, double points, bool bold)
{
    ensureFonts();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    // Latin captions need no complex shaping; skipping it halves the cost of
    // redrawing the status and meaning texts after every answer.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont defaultFont()
{
    return layoutFont(QStringLiteral("Tahoma"), 8);
}

void applyFormAppearance(QWidget *form)
{
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, WindowGrey);
    palette.setColor(QPalette::Button, WindowGrey);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    form->setFont(defaultFont());
}

} // namespace vexo
