// The 3D player under a real (software) OpenGL context: the clothed body in its colours standing
// in the room, the legend, the cut plane, the colour map, and how the window is reached.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QToolBar>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "app/furfea.h"
#include "results/frmmain.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/application.h"
#include "toolkit/glwidget.h"

namespace {

enum class Hue { Red, Green, Blue, Dark, Other };

Hue HueOf(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r < 30 && g < 30 && b < 30)
        return Hue::Dark;
    if (r > 60 && r > 2 * std::max(g, b))
        return Hue::Red;
    if (g > 60 && g > 2 * std::max(r, b))
        return Hue::Green;
    if (b > 60 && b > 2 * std::max(r, g))
        return Hue::Blue;
    return Hue::Other;
}

std::string Name(Hue h)
{
    switch (h) {
    case Hue::Red: return "red";
    case Hue::Green: return "green";
    case Hue::Blue: return "blue";
    case Hue::Dark: return "dark";
    case Hue::Other: break;
    }
    return "other";
}

// A player window showing a scene set up by the test, read back from its framebuffer.
class Player {
public:
    Player()
    {
        Window = std::make_unique<TFrmMain>();
        Window->Show();
        QApplication::processEvents();
    }
    TFrmMain* operator->() { return Window.get(); }

    // Colours the body red, the core blue and the chosen garment green.
    void Dress(int female, int style, bool garment)
    {
        Window->IsFemale = female;
        Window->SelectedStyle = style;
        Window->ViewState = garment ? 3 : 2;
        Window->LayerSelected = 1;
        SetSlot(TFrmMain::SlotBody, 1, 0, 0);
        SetSlot(TFrmMain::SlotCore, 0, 0, 1);
        SetSlot(TFrmMain::SlotStyle0 + style, 0, 1, 0);
        Window->BuildSceneLists();
    }
    void SetSlot(int slot, float r, float g, float b)
    {
        Window->ColorSlots[slot][0] = r;
        Window->ColorSlots[slot][1] = g;
        Window->ColorSlots[slot][2] = b;
    }
    QImage Grab()
    {
        Picture = Window->GLPanel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
        return Picture;
    }
    // Where a model point appears, by the player's camera (eye at z 3, 45 degrees) and its
    // placement of the model (scale 1.8, lowered by 0.8), without rotation or zoom.
    QPoint Project(double x, double y, double z) const
    {
        const double wx = 1.8 * x, wy = 1.8 * y - 0.8, wz = 1.8 * z;
        const double d = 3 - wz, t = std::tan(22.5 * M_PI / 180);
        const double aspect = double(Picture.width()) / Picture.height();
        const double nx = wx / (d * t * aspect), ny = wy / (d * t);
        return {static_cast<int>((nx + 1) / 2 * Picture.width()),
                static_cast<int>((1 - ny) / 2 * Picture.height())};
    }
    // The commonest hue in a 5 x 5 patch around a model point (surface edges may blur one pixel).
    Hue At(double x, double y, double z) const
    {
        const QPoint c = Project(x, y, z);
        int count[5] = {0, 0, 0, 0, 0};
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                ++count[static_cast<int>(HueOf(Picture.pixel(c.x() + dx, c.y() + dy)))];
        return static_cast<Hue>(std::max_element(count, count + 5) - count);
    }

    std::unique_ptr<TFrmMain> Window;
    QImage Picture;
};

// Front-surface points of the models (x, y, z) where a garment shows or not.
struct Spot {
    const char* name;
    double x, y, z;
};
const Spot Head = {"head", 0, 0.88, 0.05};
const Spot Pelvis = {"pelvis", 0, 0.50, 0.06};
const Spot Chest = {"chest", 0, 0.66, 0.06};
const Spot Thigh = {"thigh", 0.055, 0.40, 0.05};
const Spot Calf = {"calf", 0.06, 0.14, 0.03};

TEST(PlayerPicture, ClothedBodyInItsColoursInTheRoom)
{
    Player p;
    for (int female = 0; female < 2; ++female)
        for (int style = 0; style < 4; ++style) {
            SCOPED_TRACE(std::string(female ? "woman" : "man") + " style " + std::to_string(style));
            p.Dress(female, style, true);
            p.Grab();
            // Which spots the clothes cover, by style: brief/bikini, shorts, slacks/pants, skirt.
            const bool chest = female ? style != 3 : (style == 1 || style == 2);
            const bool thigh = style != 0;
            const bool calf = style == 2;
            EXPECT_EQ(Name(p.At(Head.x, Head.y, Head.z)), Name(Hue::Red));
            EXPECT_EQ(Name(p.At(Pelvis.x, Pelvis.y, Pelvis.z)), Name(Hue::Green));
            EXPECT_EQ(Name(p.At(Chest.x, Chest.y, Chest.z)), Name(chest ? Hue::Green : Hue::Red));
            EXPECT_EQ(Name(p.At(Thigh.x, Thigh.y, Thigh.z)), Name(thigh ? Hue::Green : Hue::Red));
            EXPECT_EQ(Name(p.At(Calf.x, Calf.y, Calf.z)), Name(calf ? Hue::Green : Hue::Red));
        }

    // The room around the body: blue grid lines on black on the back wall, left of the body.
    int blue = 0, dark = 0, other = 0;
    for (int x = 320; x < 420; ++x) {
        const Hue h = HueOf(p.Picture.pixel(x, p.Picture.height() / 2));
        blue += h == Hue::Blue;
        dark += h == Hue::Dark;
        other += h != Hue::Blue && h != Hue::Dark;
    }
    EXPECT_GT(blue, 3);
    EXPECT_GT(dark, 50);
    EXPECT_LT(other, 10);
    // The floor's far edge and the ceiling's far edge frame the back wall.
    const QPoint floorFront = p.Project(0, 0, 0.6 / 1.8);
    EXPECT_EQ(Name(HueOf(p.Picture.pixel(floorFront.x() + 200, floorFront.y()))), Name(Hue::Blue));
}

TEST(PlayerPicture, NothingButRoomAndLegendBeforeAnyScene)
{
    Player p;
    p.Grab();
    for (const Spot& s : {Chest, Pelvis, Thigh})
        EXPECT_EQ(Name(p.At(s.x, s.y, s.z)), Name(Hue::Dark)) << s.name;
}

TEST(PlayerPicture, CutPlaneOpensTheTrunkOnTheCore)
{
    Player p;
    for (int female = 0; female < 2; ++female) {
        SCOPED_TRACE(female ? "woman" : "man");
        p.Dress(female, 1, true);
        p->CutPlaneOn = 0;
        p->BuildSceneLists();
        p.Grab();
        EXPECT_EQ(Name(p.At(Chest.x, 0.62, Chest.z)), Name(Hue::Green));

        p->CutPlaneOn = 1;
        p->BuildSceneLists();
        p.Grab();
        // The front of the trunk and of its garment is gone: the core shows.
        EXPECT_EQ(Name(p.At(0, 0.62, 0.03)), Name(Hue::Blue));
        EXPECT_EQ(Name(p.At(0, 0.56, 0.03)), Name(Hue::Blue));
        // Limbs and the garment's limb parts are never cut.
        EXPECT_EQ(Name(p.At(Head.x, Head.y, Head.z)), Name(Hue::Red));
        EXPECT_EQ(Name(p.At(Thigh.x, Thigh.y, Thigh.z)), Name(Hue::Green));
        EXPECT_EQ(Name(p.At(Calf.x, Calf.y, Calf.z)), Name(Hue::Red));
    }
}

TEST(PlayerPicture, SweatingRateShowsOnlyTheBareBody)
{
    Player p;
    p.Dress(0, 2, true);
    p->CutPlaneOn = 1;
    p->ColorMode = 2;
    p->BuildSceneLists();
    p.Grab();
    // Whatever is chosen: no garment, no core, no cut.
    for (const Spot& s : {Head, Pelvis, Chest, Thigh, Calf})
        EXPECT_EQ(Name(p.At(s.x, s.y, s.z)), Name(Hue::Red)) << s.name;

    // The result loader's body list: the bare body in the body colour, before any playback.
    p->ColorMode = 0;
    p->CutPlaneOn = 0;
    p->BuildSceneLists();
    p.SetSlot(TFrmMain::SlotBody, 0, 1, 0);
    p->BuildBodySceneList();
    p.Grab();
    EXPECT_EQ(Name(p.At(Pelvis.x, Pelvis.y, Pelvis.z)), Name(Hue::Green));
    EXPECT_EQ(Name(p.At(Calf.x, Calf.y, Calf.z)), Name(Hue::Green));
}

TEST(PlayerPicture, LegendShowsTitleValuesAndColourBar)
{
    Player p;
    EXPECT_EQ(p->LegendTitle(), "Temperature(  C)");
    const char* fixed[5] = {"40.0", "30.0", "20.0", "10.0", "0.0"};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(p->LegendValue(k), fixed[k]);
    const float small[5] = {0, 0.25f, 0.5f, 0.75f, 1};
    for (int k = 0; k < 5; ++k)
        p->ColorThresholds[k] = small[k];
    const char* exponent[5] = {"1.0e+00", "7.5e-01", "5.0e-01", "2.5e-01", "0.0e+00"};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(p->LegendValue(k), exponent[k]);
    p->ColorThresholds[4] = 1.01f;  // above 1: fixed point
    EXPECT_EQ(p->LegendValue(0), "1.0");
    p->ColorThresholds[4] = 1e30f;  // long labels are cut, not overrun
    EXPECT_FALSE(p->LegendValue(0).empty());

    p->ColorMode = 1;
    EXPECT_EQ(p->LegendTitle(), "Humidity(%)");
    p->ColorMode = 2;
    EXPECT_EQ(p->LegendTitle(), "Sweating Rate");

    // In the picture: red text at the title row and at each value row, the bar red at its top,
    // green in the middle and blue at its foot.
    p->ColorMode = 0;
    const float normal[5] = {0, 10, 20, 30, 40};
    for (int k = 0; k < 5; ++k)
        p->ColorThresholds[k] = normal[k];
    const QImage img = p.Grab();
    const double t = std::tan(22.5 * M_PI / 180), aspect = double(img.width()) / img.height();
    auto screen = [&](double x, double y, double z) {
        const double d = 3 - z;
        return QPoint(static_cast<int>((x / (d * t * aspect) + 1) / 2 * img.width()),
                      static_cast<int>((1 - y / (d * t)) / 2 * img.height()));
    };
    auto redTextRight = [&](QPoint from) {
        int red = 0;
        for (int y = from.y() - 12; y <= from.y() + 2; ++y)
            for (int x = from.x(); x < from.x() + 60; ++x)
                red += HueOf(img.pixel(x, y)) == Hue::Red;
        return red;
    };
    EXPECT_GT(redTextRight(screen(-1.2, 0.75, 0.96)), 30) << "title";
    const double rows[5] = {0.7, 0.55, 0.4, 0.25, 0.1};
    for (double y : rows)
        EXPECT_GT(redTextRight(screen(-1.16, y, 0.96)), 15) << "value at " << y;
    // The raised "o" between "(" and "C".
    const QPoint o = screen(-0.93, 0.765, 0.96);
    int ring = 0;
    for (int y = o.y() - 12; y <= o.y(); ++y)
        for (int x = o.x(); x < o.x() + 10; ++x)
            ring += HueOf(img.pixel(x, y)) == Hue::Red;
    EXPECT_GT(ring, 8);
    const int barX = screen(-1.165, 0.4, 1.0).x();
    EXPECT_EQ(Name(HueOf(img.pixel(barX, screen(-1.165, 0.69, 1.0).y()))), Name(Hue::Red));
    EXPECT_EQ(Name(HueOf(img.pixel(barX, screen(-1.165, 0.40, 1.0).y()))), Name(Hue::Green));
    EXPECT_EQ(Name(HueOf(img.pixel(barX, screen(-1.165, 0.11, 1.0).y()))), Name(Hue::Blue));
}

TEST(PlayerColours, ColourMapAtAndBetweenTheThresholds)
{
    TFrmMain w;
    struct Case {
        float v, r, g, b;
    };
    const Case cases[] = {
        {-5, 0, 0, 1},  {0, 0, 0, 1},    {5, 0, 0.5f, 1}, {10, 0, 1, 1},  {15, 0, 1, 0.5f},
        {20, 0, 1, 0},  {25, 0.5f, 1, 0}, {30, 1, 1, 0},  {35, 1, 0.5f, 0}, {40, 1, 0, 0},
        {1e9f, 1, 0, 0},
    };
    for (const Case& c : cases) {
        float rgba[4] = {9, 9, 9, 0.25f};
        w.ValueToColor(c.v, rgba);
        EXPECT_FLOAT_EQ(rgba[0], c.r) << c.v;
        EXPECT_FLOAT_EQ(rgba[1], c.g) << c.v;
        EXPECT_FLOAT_EQ(rgba[2], c.b) << c.v;
        EXPECT_FLOAT_EQ(rgba[3], 0.25f) << "alpha is left alone";
    }
    // All thresholds equal (a flat result): no division by zero, just blue below and red above.
    for (float& t : w.ColorThresholds)
        t = 20;
    float rgba[4];
    w.ValueToColor(19.9f, rgba);
    EXPECT_EQ(rgba[2], 1.0f);
    w.ValueToColor(20, rgba);
    EXPECT_EQ(rgba[0], 1.0f);
    EXPECT_EQ(rgba[1], 0.0f);
}

TEST(PlayerColours, NodeColourPacksTheLayerValue)
{
    TFrmMain w;
    w.NodesPerFrame = 2;
    w.LayerFrames.resize(2);
    w.LayerFrames[1] = {{0, 0, 1, 50, 5}, {0, 0, 1, 50, 15}, {1, 0, 1, 10, 20}, {1, 0, 1, 30, 40}};
    w.CurrentFrame = 1;
    EXPECT_EQ(w.GetNodeColor(1, 0), 256 * 255);        // 20 degrees: green
    EXPECT_EQ(w.GetNodeColor(1, 1), 255);              // 40 degrees: red
    w.ColorMode = 1;                                   // humidity, field 3
    EXPECT_EQ(w.GetNodeColor(1, 0), 256 * 255 + 65536 * 255);  // 10: cyan
    w.CurrentFrame = 0;
    w.ColorMode = 0;
    EXPECT_EQ(w.GetNodeColor(1, 0), 127 * 256 + 65536 * 255);  // 5: halfway to cyan
    // Nodes the data do not hold come out black instead of reading past the buffer.
    EXPECT_EQ(w.GetNodeColor(1, 5), 0);
    EXPECT_EQ(w.GetNodeColor(1, 2), 0);  // not node 0 of the next frame
    EXPECT_EQ(w.GetNodeColor(2, 0), 0);
    EXPECT_EQ(w.GetNodeColor(25, 0), 0);
    EXPECT_EQ(w.GetNodeColor(-1, 0), 0);
}

TEST(PlayerPicture, BodyTakesTheMappedColourFromBlueToRed)
{
    Player p;
    p.Dress(0, 0, false);
    struct Case {
        float v;
        double r, g, b;
    };
    // Blue, cyan, green, yellow, red at t0..t4, and a point between two of them.
    const Case cases[] = {{0, 0, 0, 1}, {10, 0, 1, 1}, {20, 0, 1, 0}, {30, 1, 1, 0}, {40, 1, 0, 0}, {25, 0.5, 1, 0}};
    for (const Case& c : cases) {
        p->ValueToColor(c.v, TFrmMain::SlotBody);
        p->BuildSceneLists();
        const QImage img = p.Grab();
        const QPoint at = p.Project(Chest.x, Chest.y, Chest.z);
        const QRgb px = img.pixel(at);
        // Lit from the side, the front gets the same share of every channel.
        const double top = std::max({qRed(px), qGreen(px), qBlue(px)});
        ASSERT_GT(top, 100) << c.v;
        EXPECT_NEAR(qRed(px) / top, c.r, 0.08) << c.v;
        EXPECT_NEAR(qGreen(px) / top, c.g, 0.08) << c.v;
        EXPECT_NEAR(qBlue(px) / top, c.b, 0.08) << c.v;
    }
}

TEST(PlayerWindow, LayoutAndControls)
{
    TFrmMain w;
    w.Show();
    QApplication::processEvents();
    EXPECT_EQ(w.windowTitle(), "Clothing Thermal Status Visualization");
    EXPECT_EQ(w.size(), QSize(1024, 751));
    EXPECT_EQ(w.Panel1->geometry(), QRect(0, 0, 1024, 40));
    EXPECT_EQ(w.GLPanel->geometry(), QRect(0, 40, 1024, 711));
    EXPECT_EQ(w.Panel2->geometry().width(), 130);
    EXPECT_EQ(w.Panel2->geometry().right(), 1023);
    EXPECT_EQ(w.StatusBar1->geometry().bottom(), 750);
    EXPECT_EQ(w.StatusBar1->currentMessage(), "Note: Click to move, rotate... Right click to select model.");
    for (QToolButton* b : {w.SBtnOpen, w.SBtnRestore, w.SBtnMove, w.SBtnZoomIn, w.SBtnRotate})
        EXPECT_EQ(b->size(), QSize(40, 40)) << b->objectName().toStdString();
    EXPECT_EQ(w.SBtnOpen->toolTip(), "Open");
    EXPECT_EQ(w.SBtnRestore->text(), "1:1");
    EXPECT_EQ(w.SBtnZoomIn->text(), "Zoom");
    EXPECT_TRUE(w.CheckBox1->isChecked());
    EXPECT_EQ(w.CheckBox1->text(), "Fill Mode");
    EXPECT_FALSE(w.CheckBox3->isChecked());
    EXPECT_EQ(w.CBCutview->text(), "Show Cross Section");
    EXPECT_TRUE(w.RBTemp->isChecked());
    EXPECT_EQ(w.LblTime->text(), "00:00");
    EXPECT_TRUE(w.LblTime->font().bold());
    EXPECT_EQ(w.LblTime->font().pixelSize(), 19);
    EXPECT_EQ(w.StepSpeed->text(), "1");
    EXPECT_EQ(w.Timer2->interval(), 50);
    EXPECT_FALSE(w.Timer2->isActive());
    for (const char* name : {"SBtnOpen", "SBtnRestore", "SBtnMove", "SBtnZoomIn", "SBtnRotate", "CheckBox1",
                             "CheckBox3", "CBCutview", "BtnPause", "BtnDisplay", "LblTime", "RBTemp",
                             "RBHumidity", "RBSweat", "ListBox1", "ListBox2", "StepSpeed", "Timer2"})
        EXPECT_NE(w.findChild<QObject*>(name), nullptr) << name;
    // Captions fit their controls.
    for (QToolButton* b : {w.SBtnRestore, w.SBtnMove, w.SBtnZoomIn, w.SBtnRotate})
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 4, b->width()) << b->objectName().toStdString();
    for (QWidget* c : std::initializer_list<QWidget*>{w.CheckBox1, w.CheckBox3, w.CBCutview, w.RBTemp,
                                                      w.RBHumidity, w.RBSweat, w.Label2, w.LblTime})
        EXPECT_LE(c->sizeHint().width(), c->width()) << c->objectName().toStdString();
    for (QGroupBox* g : {w.GroupBox1, w.GroupBox2}) {
        QStyleOptionGroupBox option;
        option.initFrom(g);
        option.text = g->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
        EXPECT_LE(label.left() + g->fontMetrics().horizontalAdvance(g->title()), g->width() - 2)
            << g->title().toStdString();
    }
    EXPECT_EQ(w.ViewState, 0);
    EXPECT_EQ(w.EnvStageCount, 1);
    ASSERT_EQ(w.EnvStages.size(), 1u);
    EXPECT_TRUE(w.BodyFrames.empty());  // nothing reserved before there are data
    EXPECT_TRUE(w.LayerFrames.empty());
}

TEST(PlayerWindow, EveryPlayerSharesTheParsedModels)
{
    TFrmMain a, b;
    for (int i = 0; i < TFrmMain::ModelCount; ++i) {
        ASSERT_NE(a.ModelMesh(i), nullptr) << TFrmMain::ModelFiles[i];
        EXPECT_EQ(a.ModelMesh(i), b.ModelMesh(i));
        EXPECT_GT(a.ModelMesh(i)->Triangles.size(), 500u);
    }
}

TEST(PlayerWindow, MissingTextureAndModelAreReportedAndTheRestLoads)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/model"));
    for (const char* file : TFrmMain::ModelFiles)
        if (QString(file) != "model/brief1.dxf") {
            ASSERT_TRUE(QFile::copy(AppDir() + file, dir.path() + "/" + file));
        }
    SetAssetRoot(dir.path());
    const QString root = dir.path() + "/";
    std::unique_ptr<TFrmMain> w;
    {
        MessageRecorder messages;
        messages.Expect("Cannot open file \"" + root + "textures/fabric.bmp\".", "Error");
        messages.Expect("Error reading DXF file:" + root + "model/brief1.dxf", "Information");
        w = std::make_unique<TFrmMain>();
        w->ModelMesh(0);  // the models are read on first use
    }
    SetAssetRoot(QString());
    EXPECT_EQ(w->ModelMesh(3), nullptr);
    for (int i = 0; i < TFrmMain::ModelCount; ++i)
        if (i != 3) {
            EXPECT_NE(w->ModelMesh(i), nullptr) << TFrmMain::ModelFiles[i];
        }
    // The window still draws the body, and the brief style without its trunk part.
    w->Show();
    QApplication::processEvents();
    Player p;
    p.Window = std::move(w);
    p.Dress(0, 0, true);
    p.Grab();
    EXPECT_EQ(Name(p.At(Head.x, Head.y, Head.z)), Name(Hue::Red));
    EXPECT_EQ(Name(p.At(Chest.x, Chest.y, Chest.z)), Name(Hue::Red));
}

TEST(PlayerWindow, ModelProblemsAreReportedInOneMessageOncePerStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/textures"));
    ASSERT_TRUE(QFile::copy(AppDir() + "textures/fabric.bmp", dir.path() + "/textures/fabric.bmp"));
    SetAssetRoot(dir.path());
    const QString root = dir.path() + "/";

    // No model folder: one message names it, a second player asks nothing, and the player
    // shows the room without a body.
    std::unique_ptr<TFrmMain> first, second;
    {
        MessageRecorder messages;
        messages.Expect("Error reading DXF files: the folder " + root + "model does not exist", "Information");
        first = std::make_unique<TFrmMain>();
        first->ModelMesh(0);  // the models are read on first use
    }
    {
        MessageRecorder messages;
        second = std::make_unique<TFrmMain>();
        second->ModelMesh(0);
    }
    for (int i = 0; i < TFrmMain::ModelCount; ++i)
        EXPECT_EQ(second->ModelMesh(i), nullptr);
    Player p;
    p.Window = std::move(second);
    p.Window->Show();
    QApplication::processEvents();
    p.Dress(0, 1, true);
    p.Grab();
    EXPECT_EQ(Name(p.At(Chest.x, Chest.y, Chest.z)), Name(Hue::Dark));
    int grid = 0;  // the room's blue lines on the back wall, left of where the body would be
    for (int x = 320; x < 420; ++x)
        grid += HueOf(p.Picture.pixel(x, p.Picture.height() / 2)) == Hue::Blue;
    EXPECT_GT(grid, 3);

    // A folder in place of one model and an empty file in place of another: one message for
    // both, and the other models load.
    ASSERT_TRUE(QDir().mkpath(root + "model/core.dxf"));
    for (const char* file : TFrmMain::ModelFiles)
        if (QString(file) != "model/core.dxf") {
            ASSERT_TRUE(QFile::copy(AppDir() + file, root + file));
        }
    {
        QFile empty(root + "model/brief1.dxf");
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    {
        MessageRecorder messages;
        messages.Expect("Error reading DXF file:" + root + "model/core.dxf\nError loading facets from " + root
                            + "model/brief1.dxf",
                        "Information");
        first = std::make_unique<TFrmMain>();
        first->ModelMesh(0);
    }
    SetAssetRoot(QString());
    EXPECT_EQ(first->ModelMesh(0), nullptr);
    EXPECT_EQ(first->ModelMesh(3), nullptr);
    EXPECT_NE(first->ModelMesh(1), nullptr);
    EXPECT_NE(first->ModelMesh(23), nullptr);
}

using AnimationTest = AppTest;

TEST_F(AnimationTest, AnimationButtonOpensANewPlayerThatGoesAwayWhenClosed)
{
    ASSERT_NE(FurFea->ToolButton14, nullptr);
    bool shown = false;
    auto* bar = qobject_cast<QToolBar*>(FurFea->ToolButton14->parentWidget());
    ASSERT_NE(bar, nullptr);
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == FurFea->ToolButton14)
            shown = a->isVisible();
    EXPECT_TRUE(shown);
    EXPECT_EQ(FurFea->ToolButton14->text(), "Animation");
    TFrmMain* startup = FrmMain;
    ASSERT_NE(startup, nullptr);
    EXPECT_FALSE(startup->isVisible());

    FurFea->ToolButton14->click();
    QPointer<TFrmMain> player = FrmMain;
    ASSERT_NE(player.data(), nullptr);
    EXPECT_NE(player.data(), startup);
    EXPECT_TRUE(player->isVisible());
    EXPECT_TRUE(player->testAttribute(Qt::WA_DeleteOnClose));
    QApplication::processEvents();
    const QImage picture = player->GLPanel->grabFramebuffer();
    EXPECT_FALSE(picture.isNull());

    player->Close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(player.isNull());
    // "The" player is gone: nothing refers to the destroyed window.
    EXPECT_EQ(FrmMain, nullptr);
    FrmMain = startup;
}

} // namespace
