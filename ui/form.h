#pragma once

#include <QWidget>

class QScrollArea;

namespace vexo {

// A top-level window of the program: grey, fixed client size in twips,
// discarded when closed. A window already closing ignores further requests.
// Controls stand on the window's page: where the screen's free area is
// smaller than the window, the window is made to fit it and the page scrolls.
class Form : public QWidget
{
    Q_OBJECT
public:
    Form(const QString &objectName, const QString &caption, double clientWidthTwips,
         double clientHeightTwips, QWidget *parent = nullptr);

    bool isClosing() const { return m_closing; }

    // Closes and discards the window, unless it is already closing.
    void unload();

    // Window position in twips, read and written as the frame's top-left corner.
    QPoint framePosition() const;
    double leftTwips() const;
    double topTwips() const;
    void moveTwips(double left, double top);

    // Shows the window, not modal, in front of the others.
    void bringToFront();

    // The window manager's frame around a window (title bar and borders), as
    // last measured on a framed window of the program; before any is framed,
    // a typical one. The designs give outer sizes, Qt sizes inner areas.
    static QMargins decoration();

    // Sets the fixed client size, as designed; the window takes less where
    // the screen has less room.
    void setClientSizeTwips(double width, double height);
    QSize designedClientSize() const { return m_clientSize; }

    // The parent of the window's controls, made on first use; a window that
    // lays its controls out itself does without.
    QWidget *page();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Runs once when a close request is accepted, before the window goes.
    virtual void queryUnload() {}
    void closeEvent(QCloseEvent *event) override;

private:
    void fitToScreen();
    void measureDecoration() const;

    bool m_closing = false;
    QSize m_clientSize;
    QScrollArea *m_scroller = nullptr;
};

} // namespace vexo
