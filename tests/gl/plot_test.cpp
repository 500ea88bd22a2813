// The plot window under a real (software) OpenGL context: a result folder opened through the
// directory window, curves and meshes where the projection puts them, the colour gradient, the
// view steps, and a missing file reported once.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "results/form2.h"
#include "tests/gl/plotfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"
#include "toolkit/colorbox.h"

namespace {

// "BodyProperty.dat" whose skin temperature (column 1) runs straight from 30 at time 0 to 40 at
// time 10: the curve passes through plot point (0.5, 0.5).
std::string LineBody()
{
    std::string text;
    for (int t = 0; t <= 10; t += 5) {
        text += std::to_string(t) + "\t" + std::to_string(30 + t);
        for (int c = 2; c < 18; ++c)
            text += "\t1";
        text += "\n";
    }
    return text;
}

// Where a plot point lands on a panel: the view start (2D: shifted by (-0.4, -0.5); 3D: shifted
// by (-0.6, -0.3, 0), turned -60 degrees about x, then -60 about z, the last applied first) and
// the orthographic box of half extent 1.15 over the panel's longer side.
QPoint ProjectPlot(double x, double y, double z, bool is3D, int width, int height)
{
    double wx = x, wy = y, wz = z;
    if (is3D) {
        const double c = std::cos(-M_PI / 3), s = std::sin(-M_PI / 3);
        const double rx = c * wx - s * wy, ry = s * wx + c * wy;  // about z
        wx = rx;
        wy = c * ry - s * wz;  // about x
        wx -= 0.6;
        wy -= 0.3;
    } else {
        wx -= 0.4;
        wy -= 0.5;
    }
    const double a = double(width) / height, e = 1.15;
    const double hx = a > 1 ? e : e / a, hy = a > 1 ? e / a : e;
    return {static_cast<int>((wx + hx) / (2 * hx) * width), static_cast<int>((1 - (wy + hy) / (2 * hy)) * height)};
}

// Two views alike but for rounding.
bool SameView(const QMatrix4x4& a, const QMatrix4x4& b)
{
    for (int i = 0; i < 16; ++i)
        if (std::abs(a.constData()[i] - b.constData()[i]) > 1e-5f)
            return false;
    return true;
}

bool RedDominant(QRgb c) { return qRed(c) > 120 && qRed(c) > 2 * qBlue(c) && qRed(c) > 2 * qGreen(c); }
bool BlueDominant(QRgb c) { return qBlue(c) > 120 && qBlue(c) > 2 * qRed(c) && qBlue(c) > 2 * qGreen(c); }
bool GreenDominant(QRgb c) { return qGreen(c) > 120 && qGreen(c) > 2 * qRed(c) && qGreen(c) > 2 * qBlue(c); }
bool Black(QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; }

class ScriptedColors : public ColorDialogService {
public:
    ScriptedColors() : Previous(SetColorDialogService(this)) {}
    ~ScriptedColors() override { SetColorDialogService(Previous); }
    QColor Answer;
    QColor ChooseColor(QWidget*, const QColor&) override { return Answer; }

private:
    ColorDialogService* Previous;
};

class PlotWindowTest : public PlotWindowFixture {
protected:
    void SetUp() override
    {
        // Quantity 0 of the Fabric list runs 2 .. 12, quantity 5 ("Temperature") 20 .. 120, on a
        // mesh the start view does not see edge-on.
        WriteText(Dir.filePath("Fabrics.dat"), Blocks(3, 8, 4));
        WriteText(Dir.filePath("BodyProperty.dat"), LineBody());
        WriteText(Dir.filePath("simulation.sdf"), "");
        PlotWindowFixture::SetUp();
        // The colour window keeps its choice between runs; every test starts from blue to red.
        Form2->ColorBox1->SetSelected(FromWinColor(ColorBlue));
        Form2->ColorBox2->SetSelected(FromWinColor(ColorRed));
        Form2->RadioButton1->setChecked(true);
        Settle();
    }
    // Redraws as the timer does when something asks for it: a message belongs to the first only.
    void RedrawSeveralTimes()
    {
        for (int i = 0; i < 3; ++i) {
            Window->RequestRepaint();
            Settle();
        }
    }
};

TEST_F(PlotWindowTest, TheCurveAndTheMeshLieWhereTheProjectionPutsThemAndThePanelIsSavedAsShown)
{
    MessageRecorder messages;
    Open(Dir.path());
    ShowQuantity(TForm1::TabBodyProperty, 0);
    const QImage curve = Grab(Window->Panel8);
    const QPoint mid = ProjectPlot(0.5, 0.5, 0, false, curve.width(), curve.height());
    EXPECT_GT(Around(curve, mid, 1, Black), 0) << mid.x() << "," << mid.y();
    // Beside the curve the panel is white.
    EXPECT_EQ(Around(curve, ProjectPlot(0.3, 0.9, 0, false, curve.width(), curve.height()), 2, Black), 0);
    ScriptedFileDialogs files;
    const QString name = Dir.filePath("plot-without-extension");
    files.Answer(name);
    Window->Save2->trigger();
    EXPECT_EQ(QImage(name, "BMP").convertToFormat(QImage::Format_RGB32), curve);
    const QString unwritable = Dir.filePath("missing/folder/plot.bmp");
    files.Answer(unwritable);
    messages.Expect(QString("Cannot create file \"%1\".").arg(unwritable), "Error");
    Window->Save2->trigger();
    EXPECT_TRUE(messages.AllConsumed());

    ShowQuantity(TForm1::TabFabric, 0);
    QImage mesh = Grab(Window->Panel1);
    // The two corners where the position and the time lie at opposite ends of their ranges; no
    // other line of the mesh passes within 20 pixels of them.
    const QPoint high = ProjectPlot(1, 0, 1, true, mesh.width(), mesh.height());   // value 12
    const QPoint low = ProjectPlot(0, 1, 0, true, mesh.width(), mesh.height());   // value 2
    EXPECT_GT(Around(mesh, high, 2, RedDominant), 0);
    EXPECT_GT(Around(mesh, low, 2, BlueDominant), 0);

    // Along the time axis, and up to a colour of the user's own, the gradient runs the other way
    // for these two corners.
    ScriptedColors chooser;
    chooser.Answer = QColor(0, 200, 0);
    ScopedModalHook hook([](TForm& form) {
        auto* colors = dynamic_cast<TForm2*>(&form);
        if (!colors)
            return mrCancel;
        const int custom = colors->ColorBox2->findText("Custom...");
        colors->ColorBox2->setCurrentIndex(custom);
        emit colors->ColorBox2->activated(custom);
        colors->RadioButton2->setChecked(true);
        colors->BitBtn1->click();
        return mrOk;
    });
    Window->BitBtn2->click();
    Settle();
    mesh = Grab(Window->Panel1);
    EXPECT_GT(Around(mesh, high, 2, BlueDominant), 0);
    EXPECT_GT(Around(mesh, low, 2, GreenDominant), 0);
}

TEST_F(PlotWindowTest, ARedrawShowsTheQuantityLastShownAndViewStepsBuildUpUntilReset)
{
    MessageRecorder messages;
    Open(Dir.path());
    ShowQuantity(TForm1::TabFabric, 0);
    const QImage first = Grab(Window->Panel1);
    const QString firstName = Window->RadioGroup1->Items()[0], chosenName = Window->RadioGroup1->Items()[5];
    // Choosing another quantity and coming back to the tab redraws the one shown, under its name.
    Window->RadioGroup1->SetItemIndex(5);
    Window->PageControl1->setCurrentIndex(TForm1::TabBodyProperty);
    Settle();
    Window->PageControl1->setCurrentIndex(TForm1::TabFabric);
    Settle();
    EXPECT_EQ(Window->Label4->text().toStdString(), firstName.toStdString());
    EXPECT_EQ(Grab(Window->Panel1), first);
    // "Show Data" changes the plot and its names together.
    Window->BitBtn1->click();
    Settle();
    EXPECT_EQ(Window->State.Data.ValueMax, 120);
    EXPECT_EQ(Window->StatusBar1Panels[3]->text().toStdString(), "Z:" + chosenName.toStdString());
    EXPECT_NE(Grab(Window->Panel1), first);

    // Three "Left" steps by button, then a reset and a drag of three moves to the right of the
    // press point (further right than down): the same view, not six steps.
    for (int i = 0; i < 3; ++i)
        Window->ToolButton6->click();
    Settle();
    const QImage left3 = Grab(Window->Panel1);
    auto drag = [&](int dx, int dy) {
        for (int i = 0; i <= 3; ++i) {
            const QPointF at(100 + dx * i, 100 + dy * i);
            QMouseEvent e(i == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove, at, Window->Panel1->mapToGlobal(at),
                          i == 0 ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Window->Panel1, &e);
        }
        Settle();
    };
    Window->ToolButton1->click();
    drag(10, 3);
    EXPECT_EQ(Grab(Window->Panel1), left3);
    // A drag further down than sideways is "Up" each move.
    Window->ToolButton1->click();
    for (int i = 0; i < 3; ++i)
        Window->ToolButton3->click();
    const QMatrix4x4 up3 = Window->ViewOf(TForm1::TabFabric);
    Window->ToolButton1->click();
    drag(-3, 10);
    EXPECT_TRUE(SameView(Window->ViewOf(TForm1::TabFabric), up3));

    // Each button of a pair changes the picture and the other one takes the change back.
    Window->ToolButton1->click();
    Settle();
    const QImage start = Grab(Window->Panel1);
    const QMatrix4x4 startView = Window->ViewOf(TForm1::TabFabric);
    const std::pair<QToolButton*, QToolButton*> pairs[] = {{Window->ToolButton3, Window->ToolButton4},
                                                           {Window->ToolButton5, Window->ToolButton6},
                                                           {Window->ToolButton7, Window->ToolButton8}};
    for (const auto& [one, other] : pairs) {
        for (QToolButton* first : {one, other}) {
            SCOPED_TRACE(first->toolTip().toStdString());
            first->click();
            Settle();
            EXPECT_NE(Grab(Window->Panel1), start);
            (first == one ? other : one)->click();
            EXPECT_TRUE(SameView(Window->ViewOf(TForm1::TabFabric), startView));
        }
    }
}

TEST_F(PlotWindowTest, NothingHappensBeforeAFolderIsOpenedAndTicksTakeTheFormatOfTheTabDrawn)
{
    MessageRecorder messages;
    messages.Expect("Please Open The Data Directionay!");
    Window->RadioGroup1->SetItemIndex(0);  // clicking a quantity, the first too, already says so
    messages.Expect("Please Open The Data Directionay!");
    Window->BitBtn1->click();
    const QMatrix4x4 view = Window->ViewOf(TForm1::TabFabric);
    Window->ToolButton8->click();
    EXPECT_EQ(Window->ViewOf(TForm1::TabFabric), view);
    EXPECT_TRUE(messages.AllConsumed());

    // Once opened, value ticks take their format from the quantity of the tab drawn.
    WriteText(Dir.filePath("fabric1_fiber_1.dat"), Blocks(2));
    Open(Dir.path());
    ShowQuantity(TForm1::TabFabric, 5);  // a temperature: fixed point
    EXPECT_EQ(Window->State.Ticks.Value[0], "20.00");
    // The temperature chosen on the Fabric tab has no say on the other tabs.
    ShowQuantity(TForm1::TabFibers, 0);
    EXPECT_EQ(Window->State.Ticks.Value[5], "1.20E1");
    EXPECT_EQ(Window->StatusBar2Panels[2]->text(), "Z:Water Vapor Concentration(kg/m^3)");
    // The view steps work for the first quantity of the list as for any.
    const QMatrix4x4 fibreView = Window->ViewOf(TForm1::TabFibers);
    Window->ToolButton12->click();
    EXPECT_FALSE(SameView(Window->ViewOf(TForm1::TabFibers), fibreView));
    ShowQuantity(TForm1::TabBodyProperty, 2);  // skin wetness, 1 throughout
    EXPECT_EQ(Window->State.Ticks.Value[0], "1.00E0");
    EXPECT_EQ(Window->StatusBar3Panels[1]->text(), "Y:skin wetness");
}

TEST_F(PlotWindowTest, OpeningAnotherFolderLeavesNothingOfTheOneBeforeToDraw)
{
    MessageRecorder messages;
    WriteText(Dir.filePath("fabric1_fiber_1.dat"), Blocks(2));
    Open(Dir.path());
    const QString opened = Window->StatusBar1Panels[4]->toolTip();
    EXPECT_TRUE(opened.endsWith(QDir(Dir.path()).dirName())) << opened.toStdString();
    EXPECT_EQ(Window->Label11->toolTip(), opened + "/BodyProperty.dat");
    const QImage axes = Grab(Window->Panel1);
    ShowQuantity(TForm1::TabBodyProperty, 1);
    ShowQuantity(TForm1::TabFibers, 1);
    ShowQuantity(TForm1::TabFabric, 0);
    ASSERT_TRUE(Window->BitBtn3->isEnabled());
    ASSERT_NE(Grab(Window->Panel1), axes);
    EXPECT_TRUE(Window->PageControl1->isTabVisible(TForm1::TabFibers));
    EXPECT_TRUE(Window->PageControl1->isTabVisible(TForm1::TabBodyProperty));
    // A folder without the simulation file opens all the same, and says so.
    QTemporaryDir other;
    WriteText(other.filePath("Fabrics.dat"), Blocks(4));
    WriteText(other.filePath("fabric2_fiber_1.dat"), Blocks(3));
    messages.Expect("No File simulation.sdf!");
    Open(other.path());
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_EQ(Grab(Window->Panel1), axes);
    EXPECT_TRUE(Window->PageControl1->isTabVisible(TForm1::TabFibers));
    EXPECT_FALSE(Window->PageControl1->isTabVisible(TForm1::TabBodyProperty));
    EXPECT_FALSE(Window->BitBtn3->isEnabled());
    EXPECT_FALSE(Window->BitBtn6->isEnabled());
    EXPECT_EQ(Window->Label4->text().toStdString(), "none");
    EXPECT_EQ(Window->Label9->text().toStdString(), "none");
    // Every status bar names the new folder and no quantity.
    const QString now = Window->StatusBar1Panels[4]->toolTip();
    EXPECT_TRUE(now.endsWith(QDir(other.path()).dirName())) << now.toStdString();
    EXPECT_EQ(Window->StatusBar2Panels[3]->toolTip(), now);
    EXPECT_EQ(Window->StatusBar3Panels[2]->toolTip(), now);
    EXPECT_EQ(Window->StatusBar1Panels[3]->text(), "Z:");
    EXPECT_EQ(Window->StatusBar2Panels[2]->text(), "Z:");
    EXPECT_EQ(Window->StatusBar3Panels[1]->text(), "Y:");
    EXPECT_EQ(Window->State.Data.RowCount(), 0);
    EXPECT_EQ(Window->ComboBox2->count(), 0);
}

TEST_F(PlotWindowTest, DamagedFilesAreSaidOnceWithTheirOwnMessagesAndNothingIsDrawn)
{
    MessageRecorder messages;
    std::string body = LineBody();
    body.replace(body.find("\t35\t"), 4, "\t35abc\t");  // the skin temperature at time 5
    WriteText(Dir.filePath("BodyProperty.dat"), body);
    // Time goes back in line 10.
    WriteText(Dir.filePath("fabric1_fiber_1.dat"), Blocks(2) + "3\t0\t4\t0\t0\t0\t0\t0\t0\t0\n");
    Open(Dir.path());
    Window->PageControl1->setCurrentIndex(TForm1::TabBodyProperty);
    Settle();
    const QImage axes = Grab(Window->Panel8);
    messages.Expect("No data or incorrect format in body data file!\nLine 2.");
    ShowQuantity(TForm1::TabBodyProperty, 0);
    RedrawSeveralTimes();
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_EQ(Grab(Window->Panel8), axes);
    // The core temperature of the same file is sound.
    ShowQuantity(TForm1::TabBodyProperty, 1);
    EXPECT_NE(Grab(Window->Panel8), axes);

    messages.Expect("No data or incorrect format in fiber data file!\nLine 10.");
    ShowQuantity(TForm1::TabFibers, 0);
    EXPECT_TRUE(messages.AllConsumed());

    // Letters in the time column of the first block: "Open" itself says so.
    WriteText(Dir.filePath("Fabrics.dat"), "0\t0\t0\t1\nnow\t0.1\t0\t2\n5\t0\t0\t3\n");
    messages.Expect("No data or incorrect format in fabric data file!\nLine 2.");
    Open(Dir.path());
    EXPECT_TRUE(messages.AllConsumed());
}

// "Fabrics.dat" as the solver writes it: the first `rows` rows of blocks 5 minutes apart of
// three layers of two nodes, column 3 holding 100 b + 10 l + n + 1 (so no two rows alike).
std::string FabricRowsWritten(int rows)
{
    std::string text;
    for (int i = 0; i < rows; ++i) {
        const int b = i / 6, l = i % 6 / 2, n = i % 2;
        text += std::to_string(5 * b) + "\t" + std::to_string(0.002 * n) + "\t" + std::to_string(l) + "\t" +
                std::to_string(100 * b + 10 * l + n + 1) + "\t0\t0\t0\t0\t0\t0\n";
    }
    return text;
}

TEST_F(PlotWindowTest, AFolderOpenedWhileTheFirstBlockIsWrittenFollowsItsLayersAsTheFileGrows)
{
    MessageRecorder messages;
    // Two layers and a row of the third written: two layers counted so far.
    WriteText(Dir.filePath("Fabrics.dat"), FabricRowsWritten(5));
    Open(Dir.path());
    ASSERT_EQ(Window->ComboBox5->count(), 2);
    EXPECT_EQ(Window->ComboBox5->itemText(1).toStdString(), "The 2th layer Fabric");
    Window->ComboBox5->setCurrentIndex(1);
    ShowQuantity(TForm1::TabFabric, 0);
    auto values = [&] {
        std::vector<float> v;
        for (const PlotPoint& p : Window->State.Data.Points)
            v.push_back(p.Value);
        return v;
    };
    EXPECT_EQ(values(), (std::vector<float>{11, 12}));

    // Rewritten with a row that lost a field: the layers cannot be told, said once for each
    // damaged version.
    std::string damaged = FabricRowsWritten(5);
    damaged.erase(damaged.find("\t0\n", damaged.find("\n", damaged.find("\n") + 1)), 2);
    for (int version = 0; version < 2; ++version) {
        WriteText(Dir.filePath("Fabrics.dat"), damaged + std::string(version, '\n'));
        messages.Expect("No data or incorrect format in fabric data file!\nLine 3.");
        RedrawSeveralTimes();
        EXPECT_TRUE(messages.AllConsumed());
        EXPECT_EQ(Window->ComboBox5->count(), version ? 1 : 2);
        // Between the two, a run restarted with one layer written: the second layer chosen is gone,
        // and the first is shown.
        if (version == 0) {
            WriteText(Dir.filePath("Fabrics.dat"), FabricRowsWritten(2));
            RedrawSeveralTimes();
            EXPECT_EQ(Window->ComboBox5->count(), 1);
            EXPECT_EQ(Window->ComboBox5->currentIndex(), 0);
            EXPECT_EQ(values(), (std::vector<float>{1, 2}));
        }
    }

    // Two whole blocks and a part of the third: three layers, the first still chosen, and the
    // second's plot holds its own rows of the whole blocks.
    WriteText(Dir.filePath("Fabrics.dat"), FabricRowsWritten(15));
    RedrawSeveralTimes();
    EXPECT_EQ(Window->ComboBox5->count(), 3);
    EXPECT_EQ(Window->ComboBox5->currentIndex(), 0);
    EXPECT_EQ(Window->LayerCount, 3);
    Window->ComboBox5->setCurrentIndex(1);
    Settle();
    EXPECT_EQ(values(), (std::vector<float>{11, 12, 111, 112}));
    Window->ComboBox5->setCurrentIndex(2);
    Settle();
    EXPECT_EQ(values(), (std::vector<float>{21, 22, 121, 122}));
    EXPECT_EQ(Window->State.Ticks.Position[5], "0.002");
}

TEST_F(PlotWindowTest, BrowsingElsewhereEmptyAndMissingFilesChangeNothingAndAreReportedOnce)
{
    MessageRecorder messages;
    Open(Dir.path());
    ShowQuantity(TForm1::TabFabric, 0);
    const QString plotted = Window->Label5->text();
    // Browsing elsewhere and cancelling leaves the opened folder's file plotted.
    QTemporaryDir other;
    WriteText(other.filePath("Fabrics.dat"), "");
    WriteText(other.filePath("fabric1_fiber_1.dat"), "0\t0\t1\n");
    Form4->ShowFor(Window.get());
    Form4->FolderBrowser->SetDirectory(other.path());
    Settle();
    // The directory window shows the folder browsed to and its data files alone.
    EXPECT_EQ(Form4->Label1->toolTip(), Form4->FolderBrowser->Directory());
    EXPECT_TRUE(Form4->Label1->toolTip().endsWith(QDir(other.path()).dirName()));
    QStringList listed;
    for (int i = 0; i < Form4->ListBox1->count(); ++i)
        listed << Form4->ListBox1->item(i)->text();
    EXPECT_EQ(listed, QStringList({"Fabrics.dat", "fabric1_fiber_1.dat"}));
    Form4->Button2->click();
    Settle();
    EXPECT_EQ(Window->Label5->text(), plotted);

    // An empty "Fabrics.dat" opens nothing.
    messages.Expect("Lack Of Data Files!");
    Open(other.path());
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_EQ(Window->Label5->text(), plotted);

    // A file gone since the folder was opened is reported once, not at every redraw.
    QFile::remove(Dir.filePath("BodyProperty.dat"));
    messages.Expect("Lack Of Data Files!");
    ShowQuantity(TForm1::TabBodyProperty, 1);
    RedrawSeveralTimes();
    EXPECT_TRUE(messages.AllConsumed());
}

TEST_F(PlotWindowTest, TheColourWindowShadesEverySquareBetweenTheEndsAndHandsOverTheAxisChosen)
{
    // Blue to red: each step a ninth of 255 truncated to 28, the ninth square eight steps along.
    auto square = [](std::size_t i) { return Form2->Shapes[i]->palette().color(QPalette::Window); };
    EXPECT_EQ(square(0), QColor(0, 0, 255));
    EXPECT_EQ(square(1), QColor(28, 0, 227));
    EXPECT_EQ(square(8), QColor(224, 0, 31));
    EXPECT_EQ(square(9), QColor(255, 0, 0));
    // A new window starts from blue to red along Z.
    {
        TForm2 fresh;
        EXPECT_EQ(fresh.ColorBox1->Selected(), QColor(0, 0, 255));
        EXPECT_EQ(fresh.ColorBox2->Selected(), QColor(255, 0, 0));
        EXPECT_TRUE(fresh.RadioButton1->isChecked());
    }

    const struct { QRadioButton* button; int axis; } cases[] = {
        {Form2->RadioButton2, 1}, {Form2->RadioButton3, 2}, {Form2->RadioButton1, 0}};
    PlotState plot;
    for (const auto& c : cases) {
        plot.Gradient.Axis = -1;
        ScopedModalHook hook([&](TForm&) {
            c.button->setChecked(true);
            Form2->BitBtn1->click();
            return mrOk;
        });
        Form2->Execute(plot);
        EXPECT_EQ(plot.Gradient.Axis, c.axis) << c.button->text().toStdString();
    }

    // Blue to lime: green rises by the same ninths as blue falls. CANCEL hands over the colours
    // the boxes show, not the direction.
    auto choose = [](const char* name) {
        const int index = Form2->ColorBox2->findText(name);
        Form2->ColorBox2->setCurrentIndex(index);
        emit Form2->ColorBox2->activated(index);
    };
    choose("Lime");
    EXPECT_EQ(square(1), QColor(0, 28, 227));
    EXPECT_EQ(square(8), QColor(0, 224, 31));
    EXPECT_EQ(square(9), QColor(0, 255, 0));
    plot.Gradient.Axis = -1;
    {
        ScopedModalHook hook([&](TForm&) {
            Form2->RadioButton3->setChecked(true);
            Form2->BitBtn2->click();
            return mrCancel;
        });
        Form2->Execute(plot);
    }
    EXPECT_EQ(plot.Gradient.Axis, -1);
    EXPECT_EQ(plot.Gradient.Color2, 0x00FF00);
    choose("Red");
}

} // namespace
