#pragma once
// Plot window tests: a fresh plot window shown, a temporary folder for the result files, and the
// folder opened through the directory window as its "Open" button does it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "results/form1.h"
#include "results/form4.h"
#include "tests/support/appfixture.h"
#include "tests/support/glpixels.h"
#include "toolkit/folderbrowser.h"
#include "toolkit/glwidget.h"
#include "toolkit/radiogroup.h"

// Three time blocks (0, 5, 10) of three nodes (positions 0, 0.001, 0.002) with the value
// 2 + (5 - perNode) (2 - block) + perNode node in column 3 ("Fabrics.dat") or column 2 (a fibre
// file): values 2 .. 12, the largest at the first time and the last position, the smallest at the
// last time and the first position. With one per node (10 - 4 block + node) the mesh is a plane
// that the start view of a 3D plot sees edge-on: it is drawn as one line, every row on it; four
// per node tilt it into view. A tenfold column, when given, holds ten times these values (20 .. 120).
inline std::string Blocks(int valueColumn, int tenfoldColumn = -1, int perNode = 1)
{
    std::string text;
    for (int b = 0; b < 3; ++b)
        for (int n = 0; n < 3; ++n) {
            text += std::to_string(5 * b) + "\t" + std::to_string(0.001 * n);
            const int value = 2 + (5 - perNode) * (2 - b) + perNode * n;
            for (int c = 2; c < 10; ++c)
                text += "\t" + std::to_string(c == valueColumn ? value : c == tenfoldColumn ? 10 * value : 0);
            text += "\n";
        }
    return text;
}

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
    // Shows a quantity of a tab's list with that tab's "Show" button.
    void ShowQuantity(int tab, int item)
    {
        Window->PageControl1->setCurrentIndex(tab);
        Settle();
        const bool fabric = tab == TForm1::TabFabric, fibers = tab == TForm1::TabFibers;
        (fabric ? Window->RadioGroup1 : fibers ? Window->RadioGroup2 : Window->RadioGroup3)->SetItemIndex(item);
        (fabric ? Window->BitBtn1 : fibers ? Window->BitBtn4 : Window->BitBtn7)->click();
        Settle();
    }
    static QImage Grab(TGLPanel* panel) { return panel->grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Window;
};
