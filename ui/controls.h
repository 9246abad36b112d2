#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

class QPainter;
class QTextLayout;

namespace vexo {

// A label whose caption may hold carriage returns (character 13) as line
// breaks, as every caption of the program does. Wraps within its width.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    // The room a caption takes in this label, laid out as the label draws it.
    QSize captionSize(const QString &caption) const;

Q_SIGNALS:
    void clicked();

protected:
    // The access key of a caption beside a box acts as a click on the
    // caption, and moves the focus to the box.
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layOut(QTextLayout &layout, int width) const;

    QString m_caption;
    bool m_pressed = false;
    // The caption drawn once per text, size and font rather than at every
    // paint: each answer repaints several long captions around the changes.
    QPixmap m_rendered;
    QString m_renderedText;
};

// A label that opens a link: underlined in the link colour, a pointing
// hand under the mouse, and reachable with Tab and pressed with Space or Enter.
class LinkLabel : public Label
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A picture box showing a flag picture by id, either at the picture's own
// size (the box takes that size) or stretched to the box. The picture is
// rendered when the box is first painted, so hidden boxes cost nothing.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);
    void setPicture(int pictureId);
    void setStretchedPicture(int pictureId);
    int pictureId() const { return m_pictureId; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_pictureId = 0;
    bool m_stretched = false;
};

// A straight line between two points given in the parent's coordinates.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);
    void setLineTwips(double x1, double y1, double x2, double y2);
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::black;
    QPoint m_from;
    QPoint m_to;
};

// A filled rectangle.
class ShapeBox : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeBox(QWidget *parent = nullptr);
    void setColors(const QColor &fill, const QColor &border);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_border = Qt::black;
};

// The focus frame of the program's style, drawn on `widget` around `frame`.
void drawFocusFrame(QWidget *widget, const QRect &frame);

// A rectangle's one-pixel outline, filled rather than stroked so that it is a
// whole logical pixel wide at any scale.
void drawOutline(QPainter &painter, const QRect &box, const QColor &color);

// A frame that can be drawn without border and caption, and given both later.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);
    void setBorderShown(bool shown);
    bool borderShown() const { return m_borderShown; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool m_borderShown = true;
};

// A drop-down list without a text field. `clicked` runs when the user picks
// an entry (the one already shown included) and when a program step changes
// the selection through setListIndex; Enter is reported, never passed on.
// Enter in the open list picks the entry and is reported too, so one Enter
// both picks and confirms.
class PickList : public QComboBox
{
    Q_OBJECT
public:
    explicit PickList(QWidget *parent = nullptr);
    void setListIndex(int index);
    // Replaces the entries without running the click handler; nothing selected.
    void setEntries(const QStringList &entries);
    void showPopup() override;
    // Arrow keys and typing open the closed list, and act in it, rather than
    // step through the closed list, where each step would be a pick; a screen
    // reader then reads the entries as they are reached.
    void setOpensOnArrowKeys(bool opens) { m_opensOnArrowKeys = opens; }

Q_SIGNALS:
    void clicked();
    void enterPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_pickedWithEnter = false;
    bool m_opensOnArrowKeys = false;
    // The open list's view, watched from the first time it opens; a list
    // never opened has no view built.
    QObject *m_watchedView = nullptr;
};

// A push button that Enter presses while it has the focus, and whose caption
// wraps onto a second line where it is too wide for one.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    PushButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Builders shared by every window.
QString withoutAccessKey(QString caption);
// The name of element `index` of a control array: "Image1_3".
QString elementName(const char *array, int index);
Label *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect rect);
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect rect);
QCheckBox *makeCheckBox(QWidget *parent, const char *name, QRect rect);
// The caption beside a check box: its access key focuses the box, and the
// box takes the caption (and tooltip) as its accessible name.
Label *makeBoxLabel(QWidget *parent, const char *name, const QString &caption, QRect rect,
                    QCheckBox *box, const QString &toolTip = QString());
// Tab order through `widgets`, first to last.
void chainTabOrder(const QList<QWidget *> &widgets);

} // namespace vexo
