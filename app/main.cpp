#include "app/startup.h"
#include "toolkit/application.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.setApplicationName("Vantora");
    return RunApplication(true);
}
