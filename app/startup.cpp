#include "app/startup.h"

#include <QApplication>

#include "app/furfea.h"
#include "app/windows.h"
#include "toolkit/application.h"

int RunApplication(bool runLoop)
{
    try {
        CreateApplicationWindows([runLoop](QWidget* main) {
            if (!runLoop)
                return;
            // The main window appears and paints first; what the user does meanwhile waits in
            // the queue until every window exists.
            main->show();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    } catch (...) {
        ReportEscapedError(std::current_exception());
        return 1;
    }
    int status = 0;
    if (runLoop) {
        status = QApplication::exec();
        DestroyApplicationWindows();
    }
    return status;
}
