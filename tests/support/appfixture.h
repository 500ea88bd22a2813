#pragma once
// Creates the application's 43 windows once for a test program and hands each test a main
// window; tests that change the case restore what they need themselves.
#include <gtest/gtest.h>

#include <QString>

class QWidget;

// The windows are created on first use and live until the test program ends.
void EnsureApplicationWindows();

// Finds a child control by its name (fails the test when there is none).
template <class T>
T* Control(QWidget* window, const QString& name);

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplicationWindows(); }
};

#include <QWidget>

template <class T>
T* Control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}
