// Qt's floor for the start-up measurement: a plain window with a label, a text
// box and a check box, built from the same Qt as Vexo.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Which flag is this?")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QCheckBox(QStringLiteral("Letters")));
    window.show();
    return app.exec();
}
