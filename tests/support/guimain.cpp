// main() of the gui and gl test programs: one application object for every test.
#include <gtest/gtest.h>

#include "toolkit/application.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    app.setApplicationName("Vantora");
    return RUN_ALL_TESTS();
}
