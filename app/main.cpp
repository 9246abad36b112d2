#include "app/application.h"
#include "app/startup.h"

#include <QApplication>

#include <optional>

int main(int argc, char *argv[])
{
    if (const int status = vexo::answerCommandLine(argc, argv); status >= 0)
        return status;
    vexo::scaleToPage();
#if defined(Q_OS_WIN) || defined(Q_OS_WASM)
    QApplication app(argc, argv);
#else
    std::optional<vexo::DisplayCheck> displayCheck(std::in_place, argc, argv);
    QApplication app(argc, argv);
    displayCheck.reset();
#endif
    vexo::setUpApplication();
    vexo::Main();
    return app.exec();
}
