#include "app/application.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const int status = vexo::answerCommandLine(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    vexo::setUpApplication();
    vexo::Main();
    return app.exec();
}
