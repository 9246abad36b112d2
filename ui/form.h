#pragma once

#include <QWidget>

namespace vexo {

// A top-level window of the program: grey, fixed client size in twips,
// discarded when closed. A window already closing ignores further requests.
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
    double leftTwips() const;
    double topTwips() const;
    void moveTwips(double left, double top);

    // Shows the window, not modal, in front of the others.
    void bringToFront();

    // Sets the fixed client size.
    void setClientSizeTwips(double width, double height);

protected:
    // Runs once when a close request is accepted, before the window goes.
    virtual void queryUnload() {}
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_closing = false;
};

} // namespace vexo
