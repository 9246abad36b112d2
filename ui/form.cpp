#include "ui/form.h"

#include "catalogue/flag_pictures.h"
#include "ui/accessibility.h"
#include "ui/appearance.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

namespace vexo {

Form::Form(const QString &objectName, const QString &caption, double clientWidthTwips,
           double clientHeightTwips, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    // Fixed layouts: a window can be minimised and closed, never maximised;
    // on Windows its border does not offer to resize it either.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(SvgIcon(QStringLiteral(":/icons/vexo")));
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    ensureAccessibility();
    applyFormAppearance(this);
    setClientSizeTwips(clientWidthTwips, clientHeightTwips);
}

void Form::setClientSizeTwips(double width, double height)
{
    m_clientSize = QSize(twipsToPixels(width), twipsToPixels(height));
    if (m_scroller)
        m_scroller->widget()->setFixedSize(m_clientSize);
    fitToScreen();
}

namespace {

QMargins &measuredDecoration()
{
    static QMargins margins(4, 26, 4, 4);
    return margins;
}

} // namespace

QMargins Form::decoration()
{
    return measuredDecoration();
}

void Form::measureDecoration() const
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    if (!isVisible() || frame == inner || !frame.contains(inner))
        return;
    measuredDecoration() = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                                    frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

bool Form::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        fitToScreen();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        measureDecoration();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Form::resizeEvent(QResizeEvent *event)
{
    if (m_scroller)
        m_scroller->setGeometry(rect());
    QWidget::resizeEvent(event);
}

QWidget *Form::page()
{
    if (m_scroller)
        return m_scroller->widget();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    page->setFixedSize(m_clientSize);
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("scroller"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->viewport()->setAutoFillBackground(false);
    m_scroller->setFocusPolicy(Qt::NoFocus);
    m_scroller->setWidget(page);
    m_scroller->setGeometry(rect());
    // Whatever takes the focus is scrolled into sight, access keys included.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_scroller->widget()->isAncestorOf(now))
            m_scroller->ensureWidgetVisible(now, 0, 0);
    });
    return page;
}

void Form::fitToScreen()
{
    QSize size = m_clientSize;
    const QScreen *where = screen();
    if (m_scroller && where) {
        const QSize room = where->availableGeometry().marginsRemoved(decoration()).size();
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        bool down = size.height() > room.height();
        const bool across = size.width() + (down ? bar : 0) > room.width();
        down = down || (across && size.height() + bar > room.height());
        size = QSize(qMin(size.width() + (down ? bar : 0), room.width()),
                     qMin(size.height() + (across ? bar : 0), room.height()));
    }
    if (m_scroller || !layout())
        setFixedSize(size);
}

void Form::bringToFront()
{
    // Not show(): in the browser, Qt would fill the page with the window, as
    // a phone's app fills its screen; the program's windows keep their size.
    setVisible(true);
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

namespace {

// Under X11 Qt loses a window's frame when the window is hidden, and then
// takes the inner area's corner for the frame's; in the browser a window is
// always placed by its inner area. There, the program places windows by the
// frame it measured itself.
bool framesUnreliable(const QWidget &window)
{
    const QString platform = QGuiApplication::platformName();
    return (window.testAttribute(Qt::WA_WState_Created) && platform == QLatin1String("xcb")) ||
           platform == QLatin1String("wasm");
}

} // namespace

QPoint Form::framePosition() const
{
    if (!framesUnreliable(*this))
        return pos();
    const QMargins frame = decoration();
    return geometry().topLeft() - QPoint(frame.left(), frame.top());
}

double Form::leftTwips() const
{
    return pixelsToTwips(framePosition().x());
}

double Form::topTwips() const
{
    return pixelsToTwips(framePosition().y());
}

void Form::moveTwips(double left, double top)
{
    QPoint corner(twipsToPixels(left), twipsToPixels(top));
#ifdef Q_OS_WASM
    // A page has no edge to drag a window back from: the whole frame goes on
    // it, centred across a page too narrow for it where it stood.
    if (const QScreen *where = screen()) {
        const QRect room = where->availableGeometry();
        const QSize outer = size().grownBy(decoration());
        if (corner.x() + outer.width() > room.right() + 1 || corner.x() < room.left())
            corner.setX(room.left() + qMax(0, (room.width() - outer.width()) / 2));
        corner.setY(qMax(room.top(), qMin(corner.y(), room.bottom() + 1 - outer.height())));
    }
#endif
    if (!framesUnreliable(*this)) {
        move(corner);
        return;
    }
    // The inner area goes inside the frame the window has or will get. Qt
    // hands it to the window system as the inner area only when told a new
    // place, which it is not when the place is the one the window had.
    const QMargins frame = decoration();
    const QRect inner(corner + QPoint(frame.left(), frame.top()), size());
    if (QWindow *native = windowHandle(); native && isHidden() && native->geometry() == inner)
        native->setGeometry(inner.translated(1, 0));
    setGeometry(inner);
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
