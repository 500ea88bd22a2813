#include "app/startup.h"

#include <QApplication>

#include "app/furfea.h"
#include "app/windows.h"
#include "toolkit/application.h"

int RunApplication(bool runLoop)
{
    try {
        CreateApplicationWindows();
    } catch (...) {
        ReportEscapedError(std::current_exception());
        return 1;
    }
    int status = 0;
    if (runLoop) {
        FurFea->show();
        status = QApplication::exec();
        DestroyApplicationWindows();
    }
    return status;
}
