#include "app/startup.h"

#include <QApplication>

#include "app/furfea.h"
#include "app/windows.h"
#include "toolkit/application.h"

int RunApplication(bool runLoop)
{
    try {
        // The main window appears first and answers the user at once; the other windows are
        // built while the event loop is idle, and every handler of the main window completes
        // them before it reaches one.
        CreateApplicationWindows(
            [runLoop](QWidget* main) {
                if (!runLoop)
                    return;
                // Drawn once off screen first: the style's and the fonts' caches are filled then,
                // so the paint that follows the mapping is short and a click made the moment
                // the window appears is answered at once.
                main->grab();
                main->show();
            },
            runLoop ? TWindowBuild::WhenIdle : TWindowBuild::AtOnce);
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
