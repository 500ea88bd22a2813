// The 2D image under a real (software) OpenGL context, opened from the plot window's "Show 2D
// Data": where the section's curve lies, which rows it joins, and what it shows for a time it
// cannot find.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <functional>

#include "results/form3.h"
#include "tests/gl/plotfixture.h"
#include "tests/support/messagerecorder.h"

namespace {

// Where a point of the curve's unit square lands in the 550 x 450 view: the square is shifted
// by (-0.7, -0.5); the orthographic box has the half extent 1.15 along x and 1.15 / (476 / 374)
// along y, stretched over the whole view.
QPoint ProjectSection(double x, double y)
{
    const double hx = 1.15, hy = 1.15 * 374.0 / 476.0;
    const double wx = x - 0.7, wy = y - 0.5;
    return {static_cast<int>((wx + hx) / (2 * hx) * 550), static_cast<int>((1 - (wy + hy) / (2 * hy)) * 450)};
}

bool Red(QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; }

class Image2DTest : public PlotWindowFixture {
protected:
    // Opens a folder of the blocks as "Fabrics.dat" and as a fibre file.
    void OpenBlocks()
    {
        WriteText(Dir.filePath("Fabrics.dat"), Blocks(3));
        WriteText(Dir.filePath("fabric1_fiber_1.dat"), Blocks(2));
        WriteText(Dir.filePath("simulation.sdf"), "");
        Open(Dir.path());
    }
    // Presses a "Show 2D Data" button and returns the view as the window shows it.
    QImage ShowSection(QPushButton* button, const std::function<void(TForm3&)>& alsoDo = {})
    {
        QImage view;
        ScopedModalHook hook([&](TForm& form) {
            if (auto* image = dynamic_cast<TForm3*>(&form)) {
                view = ViewPicture(image->GLView);
                if (alsoDo)
                    alsoDo(*image);
            }
            return mrOk;
        });
        button->click();
        Settle();
        return view;
    }
    void ChooseTime(const QString& time)
    {
        Window->RadioButton1->click();
        Window->ComboBox1->setEditText(time);
    }
};

TEST_F(Image2DTest, TheProfileAtAChosenTimeLiesWhereTheProjectionPutsItAndABadTimeDrawsNone)
{
    MessageRecorder messages;  // any box fails the test
    OpenBlocks();
    ShowQuantity(TForm1::TabFabric, 0);
    ChooseTime("0");
    EXPECT_TRUE(Window->ComboBox1->isEnabled());
    EXPECT_FALSE(Window->ComboBox2->isEnabled());
    std::string title;
    std::array<std::string, 6> valueTicks;
    QString status[2];
    const QImage view = ShowSection(Window->BitBtn3, [&](TForm3& image) {
        title = image.XTitle;
        valueTicks = image.YTicks;
        status[0] = image.StatusBar1Panels[0]->text();
        status[1] = image.StatusBar1Panels[1]->text();
    });
    EXPECT_EQ(title, "Thickness (cm)");
    EXPECT_EQ(status[0], "X:TimePos");
    EXPECT_EQ(status[1], "Y:Water Vapor Concentration(kg/m^3)");
    EXPECT_EQ(valueTicks[0], "2.00E0");
    EXPECT_EQ(valueTicks[5], "1.20E1");
    // The block at time 0 holds 10, 11, 12 of the range 2 .. 12, its last node at the corner.
    EXPECT_GT(Around(view, ProjectSection(0.5, 0.9), 1, Red), 0);
    EXPECT_GT(Around(view, ProjectSection(0.95, 0.99), 1, Red), 0);
    // Not the block at time 5 (6, 7, 8).
    EXPECT_EQ(Around(view, ProjectSection(0.5, 0.5), 2, Red), 0);

    // A time that is no number or past the end: no curve and no error.
    for (const char* time : {"abc", "10.5"}) {
        ChooseTime(time);
        const QImage view = ShowSection(Window->BitBtn3);
        EXPECT_EQ(Around(view, QPoint(275, 225), 275, Red), 0) << time;
    }
    // A time between blocks takes the next block.
    ChooseTime("9.5");
    EXPECT_GT(Around(ShowSection(Window->BitBtn3), ProjectSection(0.5, 0.1), 1, Red), 0);
    // "SpacePos" takes the position list instead.
    Window->RadioButton2->click();
    EXPECT_FALSE(Window->ComboBox1->isEnabled());
    EXPECT_TRUE(Window->ComboBox2->isEnabled());
}

TEST_F(Image2DTest, TitleTicksAndCurveFollowTheTabTheSectionIsTakenOn)
{
    MessageRecorder messages;
    OpenBlocks();
    Window->RadioButton1->click();  // "TimePos" on the Fabric tab
    Window->PageControl1->setCurrentIndex(TForm1::TabFibers);
    Settle();
    Window->RadioGroup2->SetItemIndex(0);
    Window->BitBtn4->click();
    Settle();
    ASSERT_TRUE(Window->RadioButton4->isChecked());  // "SpacePos" on this tab
    Window->ComboBox4->setCurrentIndex(1);           // position 0.001: 11, 7, 3 over time
    std::array<std::string, 6> ticks;
    std::string title;
    QString status;
    const QImage view = ShowSection(Window->BitBtn6, [&](TForm3& image) {
        ticks = image.XTicks;
        title = image.XTitle;
        status = image.StatusBar1Panels[0]->text() + " " + image.StatusBar1Panels[1]->text();
    });
    EXPECT_EQ(title, "Time (min.)");
    EXPECT_EQ(status, "X:SpacePos Y:Water Vapor Concentration(kg/m^3)");
    EXPECT_EQ(ticks, (std::array<std::string, 6>{"0", "2", "4", "6", "8", "10"}));
    EXPECT_GT(Around(view, ProjectSection(0.5, 0.5), 1, Red), 0);  // time 5, value 7 of 2 .. 12
}

} // namespace
