#include "tests/support/appfixture.h"

#include <QCoreApplication>

#include "app/furfea.h"
#include "app/windows.h"

void FreshApplicationWindows()
{
    if (FurFea)
        DestroyApplicationWindows();
    // Deferred deletions of the old windows must not reach the new ones.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CreateApplicationWindows();
}
