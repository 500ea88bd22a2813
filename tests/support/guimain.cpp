// main() of the gui and gl test programs: one application object for every test.
#include <gtest/gtest.h>

#include "toolkit/application.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (ctest does it while building) needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    TApplication app(argc, argv);
    app.setApplicationName("Vantora");
    return RUN_ALL_TESTS();
}
