// The 3D player under a real (software) OpenGL context: the clothed body in its colours standing
// in the room, the legend, the cut plane, the colour map, a missing model folder, and how the
// window is reached.
#include <QCheckBox>
#include <QTemporaryDir>
#include <memory>

#include "tests/gl/playbackfixture.h"
#include "toolkit/application.h"

namespace {

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

// A player window showing a scene set up by the test, read back from its framebuffer.
class Player {
public:
    explicit Player(std::unique_ptr<TFrmMain> window = std::make_unique<TFrmMain>()) : Window(std::move(window))
    {
        Window->Show();
        QApplication::processEvents();
    }
    TFrmMain* operator->() { return Window.get(); }

    // Shows the garment of the style, coloured green, on the body in red with its core in blue.
    void Dress(int female, int style)
    {
        Window->IsFemale = female;
        Window->SelectedStyle = style;
        Window->ViewState = 3;
        Window->LayerSelected = 1;
        const float colours[3][3] = {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}};
        const int slot[3] = {TFrmMain::SlotBody, TFrmMain::SlotCore, TFrmMain::SlotStyle0 + style};
        for (int k = 0; k < 3; ++k)
            std::copy(colours[k], colours[k] + 3, Window->ColorSlots[slot[k]]);
        Window->BuildSceneLists();
    }
    QImage Grab()
    {
        Picture = FacingPicture(Window.get());
        return Picture;
    }
    char At(double x, double y, double z) const { return HueAt(Picture, ModelPoint(Picture, x, y, z)); }
    char At(const Spot& s) const { return At(s.x, s.y, s.z); }

    std::unique_ptr<TFrmMain> Window;
    QImage Picture;
};

TEST(PlayerPicture, ClothedBodyInItsColoursInTheRoom)
{
    Player p;
    for (int female = 0; female < 2; ++female)
        for (int style = 0; style < 4; ++style) {
            SCOPED_TRACE(std::string(female ? "woman" : "man") + " style " + std::to_string(style));
            p.Dress(female, style);
            p.Grab();
            // Which spots the clothes cover, by style: brief/bikini, shorts, slacks/pants, skirt.
            const bool chest = female ? style != 3 : (style == 1 || style == 2);
            EXPECT_EQ(p.At(Head), 'r');
            EXPECT_EQ(p.At(Pelvis), 'g');
            EXPECT_EQ(p.At(Chest), chest ? 'g' : 'r');
            EXPECT_EQ(p.At(Thigh), style != 0 ? 'g' : 'r');
            EXPECT_EQ(p.At(Calf), style == 2 ? 'g' : 'r');
        }

    // The room around the body: blue grid lines on black on the back wall, framed by the floor.
    const std::string wall = BackWallRow(p.Picture);
    EXPECT_GT(std::count(wall.begin(), wall.end(), 'b'), 3);
    EXPECT_GT(std::count(wall.begin(), wall.end(), 'k'), 50);
    const QPoint floorFront = ModelPoint(p.Picture, 0, 0, 0.6 / 1.8);
    EXPECT_EQ(HueOf(p.Picture.pixel(floorFront.x() + 200, floorFront.y())), 'b');

    // "Fill Mode" unticked draws the wire frame; ticked again, the filled surfaces.
    const QImage filled = p.Picture;
    p->CheckBox1->setChecked(false);
    EXPECT_NE(p.Grab(), filled);
    p->CheckBox1->setChecked(true);
    EXPECT_EQ(p.Grab(), filled);
}

TEST(PlayerPicture, CutPlaneOpensTheTrunkOnTheCoreButTheSweatingRateShowsOnlyTheBareBody)
{
    Player p;
    p->CutPlaneOn = 1;
    for (int female = 0; female < 2; ++female) {
        SCOPED_TRACE(female ? "woman" : "man");
        p.Dress(female, 1);
        p.Grab();
        // The front of the trunk and of its garment is gone: the core shows. Limbs and the
        // garment's limb parts are never cut.
        EXPECT_EQ(p.At(0, 0.62, 0.03), 'b');
        EXPECT_EQ(p.At(Thigh), 'g');
        EXPECT_EQ(p.At(Calf), 'r');
    }
    // The sweating rate, whatever is chosen: no garment, no core, no cut.
    p->ColorMode = 2;
    p.Dress(0, 2);
    p.Grab();
    for (const Spot& s : {Head, Pelvis, Chest, Thigh, Calf})
        EXPECT_EQ(p.At(s), 'r') << s.name;
}

TEST(PlayerPicture, LegendShowsValuesAndColourBar)
{
    Player p;
    // Red text at the title row and at each value row, the bar red at its top, green in the middle
    // and blue at its foot.
    const QImage img = p.Grab();
    auto redIn = [&](QPoint from, int width, int height) {
        int red = 0;
        for (int y = from.y() - height; y <= from.y() + 2; ++y)
            for (int x = from.x(); x < from.x() + width; ++x)
                red += HueOf(img.pixel(x, y)) == 'r';
        return red;
    };
    EXPECT_GT(redIn(WorldPoint(img, -1.2, 0.75, 0.96), 60, 12), 30) << "title";
    for (double y : {0.7, 0.55, 0.4, 0.25, 0.1})
        EXPECT_GT(redIn(WorldPoint(img, -1.16, y, 0.96), 60, 12), 15) << "value at " << y;
    for (auto [y, hue] : {std::pair(0.69, 'r'), std::pair(0.40, 'g'), std::pair(0.11, 'b')})
        EXPECT_EQ(HueOf(img.pixel(WorldPoint(img, -1.165, y, 1.0))), hue) << y;
    // Yellow between red and green, cyan between green and blue.
    const QRgb yellow = img.pixel(WorldPoint(img, -1.165, 0.55, 1.0)), cyan = img.pixel(WorldPoint(img, -1.165, 0.25, 1.0));
    EXPECT_TRUE(qRed(yellow) > 200 && qGreen(yellow) > 200 && qBlue(yellow) < 60) << QColor(yellow).name().toStdString();
    EXPECT_TRUE(qRed(cyan) < 60 && qGreen(cyan) > 200 && qBlue(cyan) > 200) << QColor(cyan).name().toStdString();
}

// The player colours a node from its current frame and the mode's field (the colour map itself is
// checked in the unit lane).
TEST(PlayerColours, NodeColoursFollowTheCurrentFrameAndMode)
{
    TFrmMain w;
    w.NodesPerFrame = 2;
    w.LayerFrames.resize(2);
    w.LayerFrames[1] = {{0, 0, 1, 50, 5}, {0, 0, 1, 50, 15}, {1, 0, 1, 10, 20}, {1, 0, 1, 30, 40}};
    w.CurrentFrame = 1;
    EXPECT_EQ(w.GetNodeColor(1, 0), 256 * 255);  // 20 degrees: green
    w.ColorMode = 1;
    EXPECT_EQ(w.GetNodeColor(1, 0), 256 * 255 + 65536 * 255);  // 10 %: cyan
}

TEST(PlayerWindow, WithoutTheModelFolderItSaysSoAndShowsTheRoomWithoutABody)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SetAssetRoot(dir.path());
    std::unique_ptr<TFrmMain> w;
    {
        MessageRecorder messages;
        messages.Expect("Cannot open file \"" + dir.path() + "/textures/fabric.bmp\".", "Error");
        messages.Expect("Error reading DXF files: the folder " + dir.path() + "/model does not exist", "Information");
        w = std::make_unique<TFrmMain>();
        w->ModelMesh(0);  // the models are read on first use
    }
    SetAssetRoot(QString());
    Player p(std::move(w));
    p.Dress(0, 1);
    p.Grab();
    EXPECT_EQ(p.At(Chest), 'k');
    const std::string wall = BackWallRow(p.Picture);
    EXPECT_GT(std::count(wall.begin(), wall.end(), 'b'), 3);
}

using AnimationTest = AppTest;

TEST_F(AnimationTest, AnimationButtonOpensANewPlayerThatGoesAwayWhenClosed)
{
    TFrmMain* startup = FrmMain;
    FurFea->ToolButton14->click();
    QPointer<TFrmMain> player = FrmMain;
    ASSERT_TRUE(player && player != startup);

    player->Close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(player.isNull());
    // "The" player is gone: nothing refers to the destroyed window.
    EXPECT_EQ(FrmMain, nullptr);
    FrmMain = startup;
}

} // namespace
