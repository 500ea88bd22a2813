#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/furfea.h"
#include "app/windows.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"

namespace {

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, CreatesTheFortyThreeWindowsWithTheMainWindowFirst)
{
    const std::vector<QWidget*> windows = ApplicationWindows();
    ASSERT_EQ(windows.size(), 43u);
    EXPECT_EQ(windows[0], FurFea);
    for (QWidget* w : windows)
        EXPECT_NE(w, nullptr);
    EXPECT_EQ(FurFea->windowTitle(), "Vantora1.34");
    EXPECT_EQ(FurFea->ModelCode, 1);
}

} // namespace
