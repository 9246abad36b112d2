#include "ui/appearance.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QResource>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>
#include <QWidget>

namespace vexo {

void ensureFonts()
{
    static const bool done = [] {
#ifdef Q_OS_WIN
        // Windows has Tahoma and Tahoma Bold, which the layouts were drawn
        // for. A clone of the same name beside them would mix their faces.
        if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
            return true;
#endif
        // Stored uncompressed, so the font is read in place, not copied.
        const QResource font(QStringLiteral(":/fonts/tahoma.ttf"));
        if (font.isValid() && font.compressionAlgorithm() == QResource::NoCompression)
            QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char *>(font.data()), qsizetype(font.size())));
        else
            QFontDatabase::addApplicationFont(font.fileName());
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
#ifndef Q_OS_WIN
    // Latin captions need no complex shaping; skipping it halves the cost of
    // redrawing the status and meaning texts after every answer. Windows'
    // own font engines place some letters wrongly without it ("fl", "ft").
    font.setStyleStrategy(QFont::PreferNoShaping);
#endif
    return font;
}

QFont defaultFont()
{
    return layoutFont(QStringLiteral("Tahoma"), 8);
}

namespace {

// Fusion, whatever the desktop's style, with a focus frame that can be seen.
class VexoStyle : public QProxyStyle
{
public:
    VexoStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // A box without a caption shows its focus on its own outline and on
        // the label beside it, not inside its square.
        if (const auto *box = qobject_cast<const QCheckBox *>(widget); box && box->text().isEmpty())
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(FocusColour, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

const QPalette &lightPalette()
{
    static const QPalette palette = [] {
        QPalette p(WindowGrey);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::Window, WindowGrey);
            p.setColor(group, QPalette::Button, WindowGrey);
            p.setColor(group, QPalette::Base, Qt::white);
            p.setColor(group, QPalette::Light, Qt::white);
            p.setColor(group, QPalette::Midlight, QColor(223, 223, 223));
            p.setColor(group, QPalette::Mid, QColor(160, 160, 160));
            p.setColor(group, QPalette::Dark, QColor(128, 128, 128));
            p.setColor(group, QPalette::Shadow, QColor(64, 64, 64));
            p.setColor(group, QPalette::AlternateBase, QColor(224, 224, 224));
            p.setColor(group, QPalette::Text, Qt::black);
            p.setColor(group, QPalette::ButtonText, Qt::black);
            p.setColor(group, QPalette::WindowText, Qt::black);
            p.setColor(group, QPalette::Highlight, FocusColour);
            p.setColor(group, QPalette::HighlightedText, Qt::white);
            p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
            p.setColor(group, QPalette::ToolTipText, Qt::black);
            p.setColor(group, QPalette::Link, LinkColour);
            p.setColor(group, QPalette::LinkVisited, LinkColour);
            p.setColor(group, QPalette::PlaceholderText, QColor(96, 96, 96));
        }
        p.setColor(QPalette::Disabled, QPalette::Base, WindowGrey);
        p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(128, 128, 128));
        return p;
    }();
    return palette;
}

void ensureAppearance()
{
    static const bool done = [] {
        ensureFonts();
        // The windows were drawn light; lists, popups and tooltips follow
        // them rather than a dark desktop theme.
        QApplication::setStyle(new VexoStyle);
        QApplication::setPalette(lightPalette());
        QToolTip::setPalette(lightPalette());
        return true;
    }();
    Q_UNUSED(done);
}

void applyFormAppearance(QWidget *form)
{
    ensureAppearance();
    form->setPalette(lightPalette());
    form->setAutoFillBackground(true);
    form->setFont(defaultFont());
    // Focus frames show from the start, not only once Tab has been pressed.
    form->setAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace vexo
