#pragma once
// Plot window tests: a fresh plot window shown, a temporary folder for the result files, and the
// folder opened through the directory window as its "Open" button does it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "results/form1.h"
#include "results/form4.h"
#include "tests/support/appfixture.h"
#include "tests/support/glpixels.h"
#include "toolkit/folderbrowser.h"
#include "toolkit/glwidget.h"

class PlotWindowFixture : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Dir.isValid());
        Window = std::make_unique<TForm1>();
        Window->Show();
        Settle();
    }
    void TearDown() override
    {
        Form4->Close();
        Window.reset();
    }
    void Open(const QString& folder)
    {
        Form4->FolderBrowser->SetDirectory(folder);
        Form4->ShowFor(Window.get());
        Form4->Button1->click();
        Settle();
    }
    static QImage Grab(TGLPanel* panel) { return panel->grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Window;
};
