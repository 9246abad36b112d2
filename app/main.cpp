#include "app/application.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vexo::setUpApplication();
    vexo::Main();
    return app.exec();
}
