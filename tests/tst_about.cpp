#include "reference/about_form.h"
#include "test_support.h"
#include "ui/windows.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <QUrl>
#include <cmath>

using namespace vexo;

namespace {

int aboutWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == QStringLiteral("frmAbout");
    return count;
}

void discardClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmAbout &openAbout()
{
    frmAbout &about = aboutWindow();
    about.bringToFront();
    return about;
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private:
    QStringList opened;
    bool openerSucceeds = true;

private Q_SLOTS:
    void init()
    {
        test::freshRun();
        opened.clear();
        openerSucceeds = true;
        frmAbout::urlOpener = [this](const QUrl &url) {
            opened << url.toString();
            return openerSucceeds;
        };
    }

    void cleanup()
    {
        if (frmAbout *about = existingWindow<frmAbout>())
            about->close();
        discardClosed();
    }

    void texts()
    {
        frmAbout &about = openAbout();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Vexo"));
        QCOMPARE(control<Label>(about, "lblTitle")->caption(), QStringLiteral("Vexo"));
        QCOMPARE(control<Label>(about, "lblVersion")->caption(),
                 QStringLiteral("Version " VEXO_VERSION " May 2004"));
        QCOMPARE(
            control<Label>(about, "lblDescription")->caption(),
            QStringLiteral(
                "A quiz on maritime signal flags.\r\rBugs, questions or comments? Email Tobrin"));
        QCOMPARE(control<Label>(about, "LatestVersion")->caption(),
                 QStringLiteral("Get the latest version at"));
        QVERIFY(!control<QLabel>(about, "picIcon")->pixmap().isNull());
        QVERIFY(
            !(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("focusOnOk");
        QTest::addRow("Escape on OK") << int(Qt::Key_Escape) << true;
        QTest::addRow("keypad Enter on OK") << int(Qt::Key_Enter) << true;
        QTest::addRow("Escape on window") << int(Qt::Key_Escape) << false;
        QTest::addRow("Return on window") << int(Qt::Key_Return) << false;
    }
    void keysClose()
    {
        QFETCH(int, key);
        QFETCH(bool, focusOnOk);
        frmAbout &about = openAbout();
        QTest::keyClick(focusOnOk ? static_cast<QWidget *>(control<QPushButton>(about, "cmdOK"))
                                  : control<Label>(about, "lblDescription"),
                        Qt::Key(key));
        discardClosed();
        QVERIFY(!existingWindow<frmAbout>());
        QVERIFY(opened.isEmpty());
    }

    void oneInstanceBuiltAnew()
    {
        frmAbout *first = &openAbout();
        QCOMPARE(&openAbout(), first);
        QCOMPARE(aboutWindows(), 1);

        QTest::mouseClick(control<QPushButton>(*first, "cmdOK"), Qt::LeftButton);
        discardClosed();
        QCOMPARE(aboutWindows(), 0);
        QCOMPARE(control<Label>(openAbout(), QStringLiteral("lblVersion"))->caption(),
                 QStringLiteral("Version " VEXO_VERSION " May 2004"));
        QCOMPARE(aboutWindows(), 1);
    }

    void links_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("url");
        const QString mail = QStringLiteral("mailto:vexo@tobrin.net?SUBJECT=VEXO.EXE");
        const QString web = QStringLiteral("http://www.tobrin.net/vexo");
        QTest::addRow("e-mail by mouse") << "emailMe" << 0 << mail;
        QTest::addRow("e-mail by Space") << "emailMe" << int(Qt::Key_Space) << mail;
        QTest::addRow("web by mouse") << "webLink" << 0 << web;
        QTest::addRow("web by Enter") << "webLink" << int(Qt::Key_Return) << web;
    }
    void links()
    {
        QFETCH(QString, link);
        QFETCH(int, key);
        QFETCH(QString, url);
        frmAbout &about = openAbout();
        auto *label = about.findChild<LinkLabel *>(link);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
        // In the face the program carries, as every caption.
        QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Tahoma"));
        // Readable on the grey: a contrast of at least 4.5:1.
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        const double text = luminance(label->palette().color(label->foregroundRole()));
        const double grey = luminance(about.palette().color(QPalette::Window));
        QVERIFY((grey + 0.05) / (text + 0.05) >= 4.5);
        if (key == 0) {
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            label->setFocus();
            QTest::keyClick(label, Qt::Key(key));
        }
        QCOMPARE(opened, QStringList{url});
        // Opening a link, even one nothing can open, leaves the window as it was.
        openerSucceeds = false;
        QTest::mouseClick(label, Qt::LeftButton);
        discardClosed();
        QVERIFY(existingWindow<frmAbout>());
        QCOMPARE(opened, (QStringList{url, url}));
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
