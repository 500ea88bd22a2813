#include "tests/support/appfixture.h"

#include <QCoreApplication>

#include "app/furfea.h"
#include "app/windows.h"

void EnsureApplicationWindows()
{
    if (FurFea)
        return;
    CreateApplicationWindows();
}
