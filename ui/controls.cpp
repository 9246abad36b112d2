#include "ui/controls.h"

#include "catalogue/flag_pictures.h"
#include "ui/appearance.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextLayout>
#include <QtMath>

#include <utility>

namespace vexo {

Label::Label(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void drawFocusFrame(QWidget *widget, const QRect &frame)
{
    QPainter painter(widget);
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = frame;
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

bool Label::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && buddy()) {
        buddy()->setFocus(Qt::ShortcutFocusReason);
        if (!static_cast<QShortcutEvent *>(event)->isAmbiguous())
            Q_EMIT clicked();
        return true;
    }
    return QLabel::event(event);
}

bool Label::eventFilter(QObject *watched, QEvent *event)
{
    // The caption shows where the focus is when its box has it.
    if (watched == buddy() &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QLabel::eventFilter(watched, event);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void Label::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::EnabledChange)
        m_rendered = QPixmap();
    QLabel::changeEvent(event);
}

void Label::paintEvent(QPaintEvent *event)
{
    // Captions with an access key keep QLabel's own drawing of the underline.
    if (buddy() || !pixmap().isNull()) {
        QLabel::paintEvent(event);
        if (buddy() && buddy()->hasFocus()) {
            const QRect text = fontMetrics().boundingRect(withoutAccessKey(this->text()));
            drawFocusFrame(
                this, QRect(contentsRect().topLeft(), text.size()).adjusted(-1, 0, 2, 0) & rect());
        }
        return;
    }
    const QString shown = text();
    if (shown.isEmpty())
        return;
    const QRect area = contentsRect();
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_renderedText != shown ||
        m_rendered.deviceIndependentSize() != QSizeF(area.size()) ||
        !qFuzzyCompare(m_rendered.devicePixelRatio(), ratio)) {
        QTextLayout layout(shown, font());
        layOut(layout, area.width());
        m_rendered = QPixmap(area.size() * ratio);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::transparent);
        QPainter painter(&m_rendered);
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        // Lines that fit are drawn whole; where the text goes on below the
        // label, the last line that fits ends in an ellipsis instead of
        // being cut through.
        int lines = 0;
        while (lines < layout.lineCount() &&
               layout.lineAt(lines).rect().bottom() <= area.height() + 0.5)
            ++lines;
        if (lines == layout.lineCount()) {
            layout.draw(&painter, QPointF(0, 0));
        } else {
            const int last = qMax(lines - 1, 0);
            for (int i = 0; i < last; ++i)
                layout.lineAt(i).draw(&painter, QPointF(0, 0));
            const QTextLine line = layout.lineAt(last);
            QString rest = shown.mid(line.textStart());
            rest.replace(QChar::LineSeparator, QLatin1Char(' '));
            painter.setFont(font());
            painter.drawText(QPointF(0, line.y() + line.ascent()),
                             fontMetrics().elidedText(rest, Qt::ElideRight, area.width()));
        }
        m_renderedText = shown;
    }
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), m_rendered);
}

void Label::layOut(QTextLayout &layout, int width) const
{
    // QTextLayout breaks lines only at the Unicode line separator.
    QString text = layout.text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(text);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

QSize Label::captionSize(const QString &caption) const
{
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (buddy())
        shown = withoutAccessKey(shown);
    QTextLayout layout(shown, font());
    layOut(layout, contentsRect().width());
    qreal width = 0;
    for (int i = 0; i < layout.lineCount(); ++i)
        width = qMax(width, layout.lineAt(i).naturalTextWidth());
    return QSize(qCeil(width), qCeil(layout.boundingRect().height()));
}

LinkLabel::LinkLabel(QWidget *parent) : Label(parent)
{
    setWordWrap(false);
    QFont font = layoutFont(QStringLiteral("Tahoma"), 8.25);
    font.setUnderline(true);
    setFont(font);
    // Link blue rather than the selection's navy: it reads as a link, and at
    // 6.5:1 against the grey it reads well.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        Q_EMIT clicked();
        return;
    default:
        Label::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    Label::paintEvent(event);
    if (hasFocus())
        drawFocusFrame(this, contentsRect());
}

ImageBox::ImageBox(QWidget *parent) : QWidget(parent) {}

void ImageBox::paintEvent(QPaintEvent *)
{
    // Drawn for the screen the box is on: beside a screen of another scale,
    // the picture of each is sharp.
    const qreal ratio = devicePixelRatioF();
    const QPixmap picture =
        m_stretched ? FlagPicture(m_pictureId, size(), ratio) : FlagPicture(m_pictureId, ratio);
    if (!picture.isNull())
        QPainter(this).drawPixmap(0, 0, picture);
    if (hasFocus())
        drawFocusFrame(this, rect());
}

void ImageBox::setPicture(int pictureId)
{
    m_pictureId = pictureId;
    m_stretched = false;
    if (const QSize natural = FlagPictureSize(pictureId); !natural.isEmpty())
        resize(natural);
    update();
}

void ImageBox::setStretchedPicture(int pictureId)
{
    if (pictureId == m_pictureId && m_stretched)
        return;
    m_pictureId = pictureId;
    m_stretched = true;
    update();
}

LineControl::LineControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setLineTwips(double x1, double y1, double x2, double y2)
{
    const QPoint a = twipsPoint(x1, y1);
    const QPoint b = twipsPoint(x2, y2);
    // The rectangle of two corners holds both: a line across or down is one
    // pixel wide.
    const QRect box = QRect(a, b).normalized();
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
    update();
}

void LineControl::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Across or down, the line fills its one-pixel-wide box: a whole logical
    // pixel at any scale, where a stroked pen would lose half to the clip.
    if (m_from.x() == m_to.x() || m_from.y() == m_to.y()) {
        painter.fillRect(rect(), m_color);
        return;
    }
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_from, m_to);
}

void drawOutline(QPainter &painter, const QRect &box, const QColor &color)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), color);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), color);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), color);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), color);
}

ShapeBox::ShapeBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::setColors(const QColor &fill, const QColor &border)
{
    m_fill = fill;
    m_border = border;
    update();
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_border != m_fill)
        drawOutline(painter, rect(), m_border);
}

Frame::Frame(QWidget *parent) : QGroupBox(parent) {}

void Frame::setBorderShown(bool shown)
{
    if (shown == m_borderShown)
        return;
    m_borderShown = shown;
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    if (!m_borderShown)
        return;
    // An etched border, its top line through the middle of the caption and
    // broken behind it, so the first row inside stays clear of it.
    QPainter painter(this);
    const QString caption = title();
    const int captionHeight = fontMetrics().height();
    const QRect box = rect().adjusted(0, caption.isEmpty() ? 0 : captionHeight / 2, 0, 0);
    drawOutline(painter, box.adjusted(0, 0, -1, -1), palette().color(QPalette::Dark));
    drawOutline(painter, box.adjusted(1, 1, 0, 0), palette().color(QPalette::Light));
    if (caption.isEmpty())
        return;
    const int width = fontMetrics().horizontalAdvance(withoutAccessKey(caption));
    const QRect captionBox(6, 0, width + 4, captionHeight);
    painter.fillRect(captionBox, palette().color(QPalette::Window));
    style()->drawItemText(&painter, captionBox.adjusted(2, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                          isEnabled(), caption, QPalette::WindowText);
}

PickList::PickList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this] {
        const bool withEnter = std::exchange(m_pickedWithEnter, false);
        Q_EMIT clicked();
        if (withEnter)
            Q_EMIT enterPressed();
    });
}

void PickList::showPopup()
{
    m_pickedWithEnter = false;
    if (!m_watchedView) {
        m_watchedView = view();
        m_watchedView->installEventFilter(this);
    }
    QComboBox::showPopup();
}

bool PickList::eventFilter(QObject *watched, QEvent *event)
{
    const bool isKey =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    // A screen reader's bridge hands a key on again once the reader has let
    // it pass; by then the list is closed, and the key has done its work.
    if (watched == m_watchedView && isKey && !view()->isVisible())
        return true;
    // The open list takes Enter before it becomes a key press: note it, and
    // let the list pick the entry.
    if (watched == m_watchedView && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        m_pickedWithEnter = key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    return QComboBox::eventFilter(watched, event);
}

void PickList::setListIndex(int index)
{
    if (index == currentIndex())
        return;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    if (index == currentIndex())
        Q_EMIT clicked();
}

void PickList::setEntries(const QStringList &entries)
{
    const QSignalBlocker blocker(this);
    clear();
    addItems(entries);
    setCurrentIndex(-1);
}

void PickList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT enterPressed();
        return;
    }
    // A key passed on from another window finds the list closed, as a key
    // typed in a window not yet active should.
    if (m_opensOnArrowKeys && isActiveWindow() && !(event->modifiers() & Qt::AltModifier)) {
        const int key = event->key();
        const bool moves = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                           key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
        const bool types = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                           event->text() != QLatin1String(" ");
        if (moves || types) {
            // The key then acts in the open list: a step, or a search by letter.
            event->accept();
            showPopup();
            QKeyEvent passed(event->type(), key, event->modifiers(), event->text());
            QCoreApplication::sendEvent(view(), &passed);
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

void PickList::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel over a closed list would silently pick entries.
    event->ignore();
}

QString withoutAccessKey(QString caption)
{
    return caption.remove(QLatin1Char('&')).trimmed();
}

QString elementName(const char *array, int index)
{
    return QLatin1String(array) + QLatin1Char('_') + QString::number(index);
}

Label *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setCaption(caption);
    label->setGeometry(rect);
    return label;
}

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(true);
}

void PushButton::paintEvent(QPaintEvent *event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fontMetrics().horizontalAdvance(withoutAccessKey(text())) <= room.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    auto *button = new PushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setAccessibleName(withoutAccessKey(caption));
    return button;
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, QRect rect)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    return box;
}

Label *makeBoxLabel(QWidget *parent, const char *name, const QString &caption, QRect rect,
                    QCheckBox *box, const QString &toolTip)
{
    Label *label = makeLabel(parent, name, caption, rect);
    label->setWordWrap(false);
    label->setBuddy(box);
    box->installEventFilter(label);
    box->setAccessibleName(withoutAccessKey(caption));
    if (!toolTip.isEmpty()) {
        label->setToolTip(toolTip);
        box->setAccessibleDescription(toolTip);
    }
    return label;
}

void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}

} // namespace vexo
